// What the settings dialog "Optionen" does: it fills its controls from the race's settings,
// checks the three entry fields when they are left, keeps lane change and training mode
// apart, and on OK applies and stores everything in a fixed order. The window renders
// Dialog and forwards every click, change and focus loss here.
#pragma once

#include "Einstellungswerte.h"
#include "Portsteuerung.h"
#include "Rennen.h"

#include <functional>
#include <optional>

struct DialogAnsicht {
    QString rundenzahl;
    QString kurslaenge;
    QString prellzeit;
    bool beep = false;
    bool klang = false;
    bool schnellsterBeep = false;
    bool permanentesLogging = false;
    bool hoechstgeschwindigkeit = false;
    bool kreisscheiben = false; // pressed: plain discs instead of traffic-light pictures
    bool trainingsmodus = false;
    bool spurwechsel = false;
    bool ohneCountdown = false;
    bool raceControl = false;
    bool raceControlKnopfAktiv = false;
};

// A check box of the dialog, named by its field.
using Kontrollkaestchen = bool DialogAnsicht::*;

class DialogLogik {
public:
    DialogLogik(Rennen& rennen, Einstellungsspeicher& speicher, Portsteuerung& port,
                Dialoge& dialoge,
                std::function<std::optional<QString>()> raceControlVersion);

    DialogAnsicht ansicht;
    bool geschlossen() const { return m_geschlossen; }

    void oeffnen();
    // Sets a check box; a changed value runs the box's click rule, as a click would.
    void ankreuzen(Kontrollkaestchen kaestchen, bool wert);

    void kurslaengePruefen();
    void prellzeitPruefen();
    void rundenzahlPruefen();
    void raceControlVerlassen();

    void okGedrueckt();
    void abbrechenGedrueckt();
    void portWechseln();
    void sensortestOeffnen();
    void ansagenOeffnen();
    void ergebnisSpeichern();
    void hilfeZeigen();
    void infoZeigen();
    void raceControlEinstellen();
    void hoechstgeschwindigkeitZuruecksetzen();

private:
    void racecontrolUebernehmen(Renneinstellungen einstellungen);
    // "Die Rundenzahl muss zwischen 1 und 1.000.000 liegen."
    void bereichMelden(const QString& feld, double von, double bis,
                       const QString& einheit = QString());

    Rennen& m_rennen;
    Einstellungswerte m_werte;
    Portsteuerung& m_port;
    Dialoge& m_dialoge;
    // The box library's version; nothing when it cannot be used (it has said why).
    std::function<std::optional<QString>()> m_raceControlVersion;
    bool m_geschlossen = false;
};
