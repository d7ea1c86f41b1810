#include "Laufreihenfolge.h"

#include <algorithm>
#include <numeric>

namespace {
// The race time of the lane's finish; a lane not home by then its last crossing.
double zielzeit(const Spurfahrt& fahrt) {
    if (fahrt.gesamtzeit)
        return *fahrt.gesamtzeit;
    return std::accumulate(fahrt.runden.begin(), fahrt.runden.end(), 0.0,
                           [](double summe, const Rundeneintrag& r) { return summe + r.zeit; });
}
} // namespace

std::vector<int> laufreihenfolge(const Rennaufzeichnung& rennen, const Spuren<Spurfahrt>& lauf,
                                 const std::function<bool(const QString&)>& zaehlt) {
    std::vector<int> spuren;
    for (int spur = 1; spur <= lauf.anzahl(); ++spur)
        if (!rennen.spurFrei(spur) && !lauf[spur].fahrer.isEmpty() && zaehlt(lauf[spur].fahrer))
            spuren.push_back(spur);
    const auto weite = [&](int spur) {
        return rennen.rennart == Rennlaenge::Zeit ? lauf[spur].distanz.value_or(0)
                                                  : double(lauf[spur].runden.size());
    };
    std::stable_sort(spuren.begin(), spuren.end(), [&](int a, int b) {
        if (weite(a) != weite(b))
            return weite(a) > weite(b);
        return zielzeit(lauf[a]) < zielzeit(lauf[b]);
    });
    return spuren;
}
