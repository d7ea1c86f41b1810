// What the window fhof shows: five ranks, the name on the left and the speed on the right,
// as plain data the window renders.
#pragma once

#include "Farben.h"
#include "Hofliste.h"
#include "Reihe.h"

#include <QString>

struct HofBeschriftung {
    QString Caption;
    Farbe ForeColor = Farben::Hellgrau;
    Farbe BackColor = Farben::HallOfFameBlau;
    int FontSize = 18; // points
};

struct FhofAnsicht {
    QString Caption;
    Reihe<HofBeschriftung, Hofliste::Raenge> LaName;
    Reihe<HofBeschriftung, Hofliste::Raenge> LaZeit;
};

FhofAnsicht fhofAnsicht(const Hofliste& liste);
