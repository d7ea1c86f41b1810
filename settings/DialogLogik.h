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
    QString CoRunden;
    QString TeLaenge;
    QString coPrellZeit;
    bool CheckBeep = false;
    bool checkSound = false;
    bool CheckSchnellsterBeep = false;
    bool checkPL = false;
    bool checkMaxGeschw = false;
    bool CheckAmpel = false; // pressed: plain discs instead of traffic-light pictures
    bool CheckTrainingsmodus = false;
    bool CheckSpurWechsel = false;
    bool checkOhneCountdown = false;
    bool checkRaceControl = false;
    bool buRaceControlEnabled = false;
};

// A check box of the dialog, named by its field.
using Kontrollkaestchen = bool DialogAnsicht::*;

class DialogLogik {
public:
    DialogLogik(Rennen& rennen, Einstellungsspeicher& speicher, Portsteuerung& port,
                Dialoge& dialoge,
                std::function<std::optional<QString>()> raceControlVersion);

    DialogAnsicht Dialog;
    bool geschlossen() const { return m_geschlossen; }

    void Form_Load();
    // Sets a check box; a changed value runs the box's click rule, as a click would.
    void ankreuzen(Kontrollkaestchen kaestchen, bool wert);

    void TeLaenge_Validate();
    void coPrellZeit_Validate();
    void CoRunden_Validate();
    void checkRaceControl_LostFocus();

    void OKButton_Click();
    void CancelButton_Click();
    void BuCom_Click();
    void BuSensortest_Click();
    void BuAnsagen_Click();
    void buErgInDat_Click();
    void BuHilfe_Click();
    void BuInfo_Click();
    void buRaceControl_Click();
    void buManResetgeschw_Click();

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
