#include "Strafwertung.h"

#include "Rennanzeige.h"
#include "Zahlenformat.h"

#include <algorithm>

using Zahlenformat::runden3;

namespace {
bool nachZeitGefahren(const Rennstand& stand) {
    return stand.einstellungen.rennart == Rennlaenge::Zeit;
}

// The race time a lane reached its distance at, its time penalties added: by time the
// earlier of two as far ahead.
double strafankunft(const Spurergebnis& spur) {
    return (spur.runden.empty() ? 0 : spur.runden.back().rennzeit) + spur.lauf.strafzeit;
}

double gezaehlt(const Spurergebnis& spur) {
    return static_cast<double>(spur.runden.size()) - spur.lauf.strafrunden;
}

// Ahead after the penalties; of two level the order home stands.
bool strafvor(const Spurergebnis& a, const Spurergebnis& b, bool nachZeit) {
    if (nachZeit) {
        if (a.lauf.distanz != b.lauf.distanz)
            return a.lauf.distanz > b.lauf.distanz;
        return strafankunft(a) < strafankunft(b);
    }
    if (gezaehlt(a) != gezaehlt(b))
        return gezaehlt(a) > gezaehlt(b);
    return a.lauf.zeit < b.lauf.zeit;
}
} // namespace

double gefahreneRunden(const Rennstand& stand, int spur) {
    const Spurstand& s = stand.spuren[spur];
    const std::int32_t rundenzahl = stand.einstellungen.rundenzahl;
    if (nachZeitGefahren(stand))
        return s.distanz;
    return s.runde >= rundenzahl + 1 ? double(rundenzahl) : double(s.runden.size());
}

double gewerteterSchnitt(const Rennstand& stand, int spur) {
    const Spurstand& s = stand.spuren[spur];
    const double zeit = strafzeit(stand.strafen, spur);
    const std::int32_t runden = strafrunden(stand.strafen, spur);
    if ((zeit == 0 && runden == 0) || !s.zielzeit)
        return s.schnitt;
    const double strecke =
        std::max(gefahreneRunden(stand, spur) - runden, 0.0) * stand.einstellungen.kurslaenge;
    return geschwindigkeit(strecke, *s.zielzeit + zeit);
}

void strafenWerten(Laufergebnis& lauf, const Rennstand& stand) {
    lauf.strafen = stand.strafen;
    if (stand.strafen.empty())
        return;
    const bool nachZeit = nachZeitGefahren(stand);
    std::vector<int> heim;
    for (int nummer = 1; nummer <= static_cast<int>(lauf.spuren.size()); ++nummer) {
        Spurergebnis& e = lauf.spuren[static_cast<std::size_t>(nummer - 1)];
        if (!e.lauf.imZiel)
            continue;
        heim.push_back(nummer);
        const double zeit = strafzeit(stand.strafen, nummer);
        const std::int32_t runden = strafrunden(stand.strafen, nummer);
        if (zeit == 0 && runden == 0)
            continue;
        e.lauf.strafzeit = zeit;
        e.lauf.strafrunden = runden;
        e.lauf.zeit = runden3(stand.spuren[nummer].zielzeit.value_or(0) + zeit);
        if (nachZeit)
            e.lauf.distanz = std::max(e.lauf.distanz - runden, 0.0);
        e.lauf.geschwindigkeit = runden3(gewerteterSchnitt(stand, nummer));
    }
    const auto spur = [&lauf](int nummer) -> const Spurergebnis& { return lauf.spur(nummer); };
    std::ranges::sort(heim, [&](int a, int b) { return spur(a).platz < spur(b).platz; });
    std::ranges::stable_sort(heim,
                             [&](int a, int b) { return strafvor(spur(a), spur(b), nachZeit); });
    for (std::size_t i = 0; i < heim.size(); ++i)
        lauf.spuren[static_cast<std::size_t>(heim[i] - 1)].platz = static_cast<int>(i) + 1;
    if (!stand.einstellungen.rennmodus)
        return;
    const bool gleichauf =
        heim.size() >= 2 && nachZeit && !strafvor(spur(heim[0]), spur(heim[1]), nachZeit);
    lauf.sieger = heim.empty() || gleichauf ? 0 : heim.front();
}
