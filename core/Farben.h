// Colours as the program stores them, 0x00BBGGRR (blue in the high byte), and the ones its
// windows use, named after where they are used.
#pragma once

#include <cstdint>

using Farbe = std::uint32_t;

namespace Farben {
constexpr Farbe Hellgrau = 0xC0C0C0;
constexpr Farbe Blassgelb = 0xC0FFFF;
constexpr Farbe Rot = 0x0000FF;
// The backgrounds of the Hall of Fame's ranks and of the lane-change result window.
constexpr Farbe HallOfFameBlau = 0xC00000;
constexpr Farbe ErgebnisfensterBlau = 0x800000;
} // namespace Farben
