// What the result window of a two-heat race shows: its texts and which picture stands on
// each side. Filled by the race end, shown by the window.
#pragma once

#include "Reihe.h"

#include <QString>

struct F2SpurRennenInhalt {
    enum class Bild { Pokal, Warnschild };

    QString LaUeberschrift;
    QString LaNameSieger;
    QString LaNameVerlierer;
    // Rows 1, 2, 3: first heat, second heat, both heats.
    Reihe<QString, 3> LaZeitSieger;
    Reihe<QString, 3> LaGeschwSieger;
    Reihe<QString, 3> LaZeitVerlierer;
    Reihe<QString, 3> LaGeschwVerlierer;
    Bild ImSieger = Bild::Pokal;
    Bild ImVerlierer = Bild::Warnschild;

    bool operator==(const F2SpurRennenInhalt&) const = default;
};
