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

// Ahead over the heats.
// The first two by place, those with none after them in the given order; how far apart
// their times are.
template <typename T> double abstandDerErsten(std::vector<const T*> folge, auto werte) {
    std::stable_sort(folge.begin(), folge.end(), [](const T* a, const T* b) {
        return a->platz != 0 && (b->platz == 0 || a->platz < b->platz);
    });
    return folge.size() < 2 ? 0 : std::fabs(werte(*folge[0]).zeit - werte(*folge[1]).zeit);
}

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
    return abstandDerErsten(std::move(folge), [](const Spurergebnis& s) { return s.lauf; });
}

double Rennergebnis::gesamtabstand() const {
    std::vector<const Gesamtergebnis*> folge;
    for (int spur = 1; spur <= static_cast<int>(fahrer.size()); ++spur)
        if (rotation.mitAuto(spur))
            folge.push_back(&gesamt(spur));
    return abstandDerErsten(std::move(folge), [](const Gesamtergebnis& g) { return g.gesamt; });
}

const Gesamtergebnis& Rennergebnis::gesamt(int nummer) const {
    return nummeriert(fahrer, nummer);
}

int Rennergebnis::sieger() const {
    if (gesamtGewertet()) {
        int erster = 0;
        for (int nummer = 1; nummer <= static_cast<int>(fahrer.size()); ++nummer)
            if (gesamt(nummer).platz == 1)
                erster = erster == 0 ? nummer : -1;
        return std::max(erster, 0);
    }
    return laeufe.empty() ? 0 : letzterLauf().sieger;
}

int Rennergebnis::ersteSpurVon(int spur) const {
    return rotation.ersteSpur(spur, static_cast<int>(laeufe.size()) - 1);
}

std::vector<Gesamtergebnis> gesamtwertung(const std::vector<Laufergebnis>& laeufe,
                                          const Spurrotation& rotation, const Renneinstellungen& e) {
    const bool nachZeit = e.rennart == Rennlaenge::Zeit;
    const int letzter = static_cast<int>(laeufe.size()) - 1;
    std::vector<Gesamtergebnis> fahrer;
    for (int spur = 1; spur <= static_cast<int>(laeufe.back().spuren.size()); ++spur) {
        const int ersteSpur = rotation.ersteSpur(spur, letzter);
        Gesamtergebnis g;
        g.fahrer = laeufe.back().spur(spur).fahrer;
        g.gesamt.imZiel = !e.spurFrei(spur);
        for (int lauf = 0; lauf <= letzter; ++lauf) {
            const Laufwerte& l =
                laeufe[static_cast<std::size_t>(lauf)].spur(rotation.spurImLauf(ersteSpur, lauf)).lauf;
            g.gesamt.zeit += l.zeit;
            g.gesamt.distanz += l.distanz;
            g.gesamt.imZiel = g.gesamt.imZiel && l.imZiel;
        }
        const double runden = nachZeit ? g.gesamt.distanz : double(letzter + 1) * e.rundenzahl;
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
