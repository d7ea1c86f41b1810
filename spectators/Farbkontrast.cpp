#include "Farbkontrast.h"

#include <cmath>

namespace {
// Screen luminance of a colour as the contrast model takes it, with its lift of near-black.
double leuchtdichte(Farbe farbe) {
    const auto kanal = [](Farbe wert) {
        return std::pow(static_cast<double>(wert & 0xFF) / 255.0, 2.4);
    };
    double y =
        0.2126729 * kanal(farbe) + 0.7151522 * kanal(farbe >> 8) + 0.0721750 * kanal(farbe >> 16);
    constexpr double Schwarzschwelle = 0.022;
    if (y < Schwarzschwelle)
        y += std::pow(Schwarzschwelle - y, 1.414);
    return y;
}

// Below this the name on its card is hard to read even large and bold.
constexpr double MindestkontrastAufKarte = 25;
} // namespace

double lichtkontrast(Farbe schrift, Farbe grund) {
    const double text = leuchtdichte(schrift);
    const double hinten = leuchtdichte(grund);
    if (std::abs(hinten - text) < 0.0005)
        return 0;
    if (hinten > text) {
        const double s = (std::pow(hinten, 0.56) - std::pow(text, 0.57)) * 1.14;
        return s < 0.1 ? 0 : (s - 0.027) * 100;
    }
    const double s = (std::pow(hinten, 0.65) - std::pow(text, 0.62)) * 1.14;
    return s > -0.1 ? 0 : (s + 0.027) * 100;
}

Farbe schriftAuf(Farbe grund) {
    return std::abs(lichtkontrast(Farben::Weiss, grund)) >
                   std::abs(lichtkontrast(Farben::Zuschauerschwarz, grund))
               ? Farben::Weiss
               : Farben::Zuschauerschwarz;
}

bool lesbarAufKarte(Farbe farbe) {
    return std::abs(lichtkontrast(farbe, Farben::Zuschauerkarte)) >= MindestkontrastAufKarte;
}
