#include "Distanz.h"

#include <algorithm>

double distanz(const Spurstand& spur, double rennzeit) {
    const double runden = static_cast<double>(spur.runden.size());
    // Lap 1 is timed from the race clock's start, so the last lap ended at the sum of all.
    if (spur.runden.empty() || !(spur.rundenbeginn > 0))
        return runden;
    const double mittel = spur.rundenbeginn / runden;
    return runden + std::clamp((rennzeit - spur.rundenbeginn) / mittel, 0.0, GroessterRundenanteil);
}

double ankunft(const Spurstand& spur) {
    return spur.runden.empty() ? 0 : spur.runden.back().rennzeit;
}

int vorneLiegend(const Spuren<Spurstand>& spuren, const Spuren<double>& distanzen) {
    if (distanzen[1] != distanzen[2])
        return distanzen[1] > distanzen[2] ? 1 : 2;
    const double erste = ankunft(spuren[1]);
    const double zweite = ankunft(spuren[2]);
    if (erste == zweite)
        return 0;
    return erste < zweite ? 1 : 2;
}
