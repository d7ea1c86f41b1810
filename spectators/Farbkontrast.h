// Which type reads on a colour, and whether a colour reads as type on the spectators' lane
// card. Judged by lightness contrast as people see it on a screen (APCA): by the plain
// luminance ratio black on dark teal or mid brown would pass, and it does not read.
#pragma once

#include "Farben.h"

namespace Farben {
// The lane cards' background on the big screen and the page.
constexpr Farbe Zuschauerkarte = 0x664422;
constexpr Farbe Zuschauerschwarz = 0x111111;
constexpr Farbe Weiss = 0xFFFFFF;
} // namespace Farben

// The lightness contrast of type in one colour on another (APCA Lc, 0 to about 106;
// negative for light type on a dark ground).
double lichtkontrast(Farbe schrift, Farbe grund);

// Black or white type, whichever reads better on the colour.
Farbe schriftAuf(Farbe grund);

// Whether a name in this colour reads on the lane card, large and bold as it is there. The
// program's red and blue just do; dark teal, purple or black do not.
bool lesbarAufKarte(Farbe farbe);
