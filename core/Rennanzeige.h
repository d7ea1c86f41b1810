// Texts and values the race shows, computed the same way wherever they appear.
#pragma once

#include "Zahlenformat.h"

#include <QString>

// A time on the main window: "2,500 sec".
inline QString zeittext(double sekunden) {
    return Zahlenformat::ZahlFormatieren(sekunden) + QStringLiteral(" sec");
}

// Distance over time; no time, no speed (never an infinite one).
inline double geschwindigkeit(double strecke, double zeit) {
    return zeit > 0 ? strecke / zeit : 0.0;
}
