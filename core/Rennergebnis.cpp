#include "Rennergebnis.h"

#include "Reihe.h"
#include "Rennanzeige.h"
#include "Zahlenformat.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {
template <typename T> const T& nummeriert(const std::vector<T>& werte, int nummer) {
    if (nummer < 1 || nummer > static_cast<int>(werte.size()))
        throw std::out_of_range("Rennergebnis: Nummer ausserhalb 1.." +
                                std::to_string(werte.size()));
    return werte[static_cast<std::size_t>(nummer - 1)];
}

// Ahead on both heats.
bool vor(const Laufwerte& a, const Laufwerte& b, bool nachZeit) {
    if (a.imZiel != b.imZiel)
        return a.imZiel;
    if (!a.imZiel)
        return false;
    if (nachZeit && a.distanz != b.distanz)
        return a.distanz > b.distanz;
    return a.zeit < b.zeit;
}
} // namespace

const Spurergebnis& Laufergebnis::spur(int nummer) const {
    return nummeriert(spuren, nummer);
}

double Laufergebnis::zielabstand() const {
    std::vector<const Spurergebnis*> folge;
    for (const Spurergebnis& s : spuren)
        folge.push_back(&s);
    // Places from 1 first, then the lanes not home in lane order.
    std::stable_sort(folge.begin(), folge.end(), [](const Spurergebnis* a, const Spurergebnis* b) {
        return a->platz != 0 && (b->platz == 0 || a->platz < b->platz);
    });
    return folge.size() < 2 ? 0 : std::fabs(folge[0]->lauf.zeit - folge[1]->lauf.zeit);
}

const Gesamtergebnis& Rennergebnis::gesamt(int nummer) const {
    return nummeriert(fahrer, nummer);
}

int Rennergebnis::sieger() const {
    if (zweiLaeufeGewertet()) {
        int erster = 0;
        for (int nummer = 1; nummer <= static_cast<int>(fahrer.size()); ++nummer)
            if (gesamt(nummer).platz == 1)
                erster = erster == 0 ? nummer : -1;
        return std::max(erster, 0);
    }
    return laeufe.empty() ? 0 : letzterLauf().sieger;
}

int ersteSpurVon(int spurImZweiten) {
    return andereSpur(spurImZweiten);
}

std::vector<Gesamtergebnis> gesamtwertung(const Laufergebnis& erster, const Laufergebnis& zweiter,
                                          const Renneinstellungen& e) {
    const bool nachZeit = e.rennart == Rennlaenge::Zeit;
    std::vector<Gesamtergebnis> fahrer;
    for (int spur = 1; spur <= static_cast<int>(zweiter.spuren.size()); ++spur) {
        const Laufwerte& a = erster.spur(ersteSpurVon(spur)).lauf;
        const Laufwerte& b = zweiter.spur(spur).lauf;
        Gesamtergebnis g;
        g.fahrer = zweiter.spur(spur).fahrer;
        g.gesamt = {a.zeit + b.zeit, 0, a.distanz + b.distanz, a.imZiel && b.imZiel};
        const double runden = nachZeit ? g.gesamt.distanz : 2.0 * e.rundenzahl;
        const double schnitt = geschwindigkeit(runden * e.kurslaenge, g.gesamt.zeit);
        g.gesamt.geschwindigkeit =
            Zahlenformat::zahlLesen(Zahlenformat::ZahlFormatieren(schnitt)).value_or(0.0);
        fahrer.push_back(std::move(g));
    }
    for (Gesamtergebnis& g : fahrer) {
        if (!g.gesamt.imZiel)
            continue;
        g.platz = 1 + static_cast<int>(
                          std::count_if(fahrer.begin(), fahrer.end(), [&](const Gesamtergebnis& h) {
                              return vor(h.gesamt, g.gesamt, nachZeit);
                          }));
    }
    return fahrer;
}
