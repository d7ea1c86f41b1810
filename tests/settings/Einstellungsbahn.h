// A race with its start-up and settings dialog, wired to fakes.
#pragma once

#include "../core/Rennbahn.h"
#include "DialogLogik.h"
#include "Programmstart.h"

struct Einstellungsbahn : Rennbahn {
    FakePort portsteuerung;
    QStringList ablauf; // start-up steps that leave the engine, in order
    std::optional<QString> version = QStringLiteral("1.3");
    Programmstart start{rennen, speicher, portsteuerung, dialoge,
                        [this] { ablauf << QStringLiteral("HofLesen"); }};

    void starteProgramm() {
        start.programmStarten();
        ablauf << portsteuerung.aufrufe;
    }
    DialogLogik dialogOeffnen() {
        DialogLogik d(rennen, speicher, portsteuerung, dialoge,
                      [this] { return version; });
        d.oeffnen();
        return d;
    }
};
