// The program keeps colours as 0x00BBGGRR, blue in the high byte; Qt wants red first.
#pragma once

#include <QColor>
#include <cstdint>

inline QColor qtFarbe(std::uint32_t farbe) {
    return QColor(farbe & 0xFF, (farbe >> 8) & 0xFF, (farbe >> 16) & 0xFF);
}
