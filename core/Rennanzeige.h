// Texts and values the race shows, computed the same way wherever they appear.
#pragma once

#include "Zahlenformat.h"

#include <QString>
#include <cmath>

// A time on the main window: "2,500 sec".
inline QString zeittext(double sekunden) {
    return Zahlenformat::ZahlFormatieren(sekunden) + QStringLiteral(" sec");
}

// Distance over time; no time, no speed, and never one that is no finite number.
inline double geschwindigkeit(double strecke, double zeit) {
    const double v = zeit > 0 ? strecke / zeit : 0.0;
    return std::isfinite(v) ? v : 0.0;
}
