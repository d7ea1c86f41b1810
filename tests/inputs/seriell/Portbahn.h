// A race with the port opening wired to fake port controls (the sensors', the box's and
// the second sensor port of lanes 5 to 8), and the settings dialog that reopens a port.
#pragma once

#include "DialogLogik.h"
#include "Programmstart.h"
#include "Rennbahn.h"
#include "Schnittstellensteuerung.h"

class FakeAnschluss : public SeriellerAnschluss {
public:
    bool oeffnen(const QString& geraet) override {
        versuche << geraet;
        offen = !belegt.contains(geraet);
        return offen;
    }
    void schliessen() override { offen = false; }
    bool istOffen() const override { return offen; }
    // The port fails while open, as an unplugged adapter does.
    void verlieren(Stoerung stoerung) {
        offen = false;
        stoerungMelden(stoerung);
    }

    QStringList versuche;
    QStringList belegt; // devices that do not open
    bool offen = false;
};

struct Portbahn : Rennbahn {
    FakeAnschluss sensoranschluss;
    FakeAnschluss boxport;
    FakeAnschluss zweiterSensorport;
    Schnittstellensteuerung steuerung{rennen,          speicher, dialoge,
                                      sensoranschluss, boxport,  &zweiterSensorport};
    Programmstart start{rennen, speicher, steuerung, dialoge, [] {}};

    QString portfeld() const { return ansicht().statusleiste.feld(QStringLiteral("port")).text; }
    QStringList fragen() const {
        QStringList texte;
        for (const Meldung& m : dialoge.eingaben)
            texte << m.text;
        return texte;
    }
    DialogLogik dialog() {
        return DialogLogik(rennen, speicher, steuerung, dialoge,
                           [] { return QStringLiteral("1.3"); });
    }
};

inline const QString ErsteFrage = QStringLiteral(
    "Geben Sie bitte die Portnummer der seriellen Schnittstelle für die Rundomat an:");

inline QString fehlerfrage(const QString& p) {
    return QStringLiteral("Fehler beim Öffnen der Schnittstelle (Com Port ") + p +
           QStringLiteral("). Geben Sie bitte eine unbelegte und richtig konfigurierte "
                          "Portnummer der seriellen Schnittstelle für die Rundomat an:");
}

inline const QString Hinweis =
    QStringLiteral("   -> Zeitaufnahme über die serielle Schnittstelle nicht möglich");
