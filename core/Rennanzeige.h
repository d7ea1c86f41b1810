// Texts and values the race shows, computed the same way wherever they appear.
#pragma once

#include "Zahlenformat.h"

#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdint>

// A time on the main window: "2,500 sec".
inline QString zeittext(double sekunden) {
    return Zahlenformat::ZahlFormatieren(sekunden) + QStringLiteral(" sec");
}

// A race's time left, or its length: "3:05", from one hour on "1:02:05".
inline QString restzeittext(std::int32_t sekunden) {
    const auto zweistellig = [](std::int32_t n) {
        return QString::number(n).rightJustified(2, u'0');
    };
    const std::int32_t s = std::max(sekunden, 0);
    if (s < 3600)
        return QString::number(s / 60) + u':' + zweistellig(s % 60);
    return QString::number(s / 3600) + u':' + zweistellig(s / 60 % 60) + u':' + zweistellig(s % 60);
}

// Distance over time; no time, no speed, and never one that is no finite number.
inline double geschwindigkeit(double strecke, double zeit) {
    const double v = zeit > 0 ? strecke / zeit : 0.0;
    return std::isfinite(v) ? v : 0.0;
}
