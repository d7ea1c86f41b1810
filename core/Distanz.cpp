#include "Distanz.h"

#include <algorithm>
#include <numeric>

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

namespace {
// Ahead: further, or as far and there first.
bool vor(const Spuren<Spurstand>& spuren, const Spuren<double>& distanzen, int a, int b) {
    if (distanzen[a] != distanzen[b])
        return distanzen[a] > distanzen[b];
    return ankunft(spuren[a]) < ankunft(spuren[b]);
}
} // namespace

std::vector<int> reihenfolge(const Spuren<Spurstand>& spuren, const Spuren<double>& distanzen) {
    std::vector<int> spur(static_cast<std::size_t>(spuren.anzahl()));
    std::iota(spur.begin(), spur.end(), 1);
    std::stable_sort(spur.begin(), spur.end(),
                     [&](int a, int b) { return vor(spuren, distanzen, a, b); });
    return spur;
}

int vorneLiegend(const Spuren<Spurstand>& spuren, const Spuren<double>& distanzen) {
    const std::vector<int> folge = reihenfolge(spuren, distanzen);
    return vor(spuren, distanzen, folge[0], folge[1]) ? folge[0] : 0;
}
