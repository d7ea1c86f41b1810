#include "Rotationsplan.h"

#include "Fahrerliste.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <numeric>
#include <tuple>

namespace {

// Lane l (from 0) of Lauf h carries driver h − versatz[l], counted round the Läufe: so each
// driver drives every lane once, every driver has the same waits (the gaps between the
// offsets), and two drivers whose distance in the roster is d share as many Läufe as two
// offsets lie d apart. The offsets alone decide how fair the chart is.
using Versaetze = std::vector<int>;

// Starts of the search beside the even spacing: enough to find the fairest offsets of most
// tracks and rosters, few enough to plan 32 drivers on 8 lanes in a few milliseconds.
constexpr int Streuversuche = 8;

// Smaller is better, compared in this order.
struct Guete {
    int nacheinander = 0; // gaps of one Lauf: each driver drives two in a row
    // How far the longest wait goes past one Lauf more than the mean: fair opponents are
    // not worth a driver sitting out twice as long as the others between two Läufe.
    int ueberlang = 0;
    int gegner = 0;   // most minus fewest Läufe two drivers share
    int warten = 0;   // longest minus shortest wait of a driver
    int quadrate = 0; // of the shared counts: of two equally spread, the more even

    auto operator<=>(const Guete&) const = default;
};

// Called thousands of times while planning: nothing here allocates.
Guete versatzguete(const Versaetze& v, int laeufe) {
    std::array<int, MeisteFahrerSpurrotation> treffen{};
    for (int a : v)
        for (int b : v)
            if (a != b)
                ++treffen[static_cast<std::size_t>(b > a ? b - a : b - a + laeufe)];
    Guete g;
    if (laeufe > 1) {
        const auto [wenigste, meiste] =
            std::minmax_element(treffen.begin() + 1, treffen.begin() + laeufe);
        g.gegner = *meiste - *wenigste;
    }
    for (int t : treffen)
        g.quadrate += t * t;
    // The gaps between the offsets in their order round the Läufe.
    std::array<bool, MeisteFahrerSpurrotation> besetzt{};
    for (int a : v)
        besetzt[static_cast<std::size_t>(a)] = true;
    int kuerzeste = laeufe, laengste = 0, vorige = -1, erste = -1;
    for (int h = 0; h < laeufe; ++h)
        if (besetzt[static_cast<std::size_t>(h)]) {
            if (vorige >= 0) {
                g.nacheinander += h - vorige == 1;
                kuerzeste = std::min(kuerzeste, h - vorige);
                laengste = std::max(laengste, h - vorige);
            } else {
                erste = h;
            }
            vorige = h;
        }
    const int rund = erste + laeufe - vorige;
    g.nacheinander += rund == 1;
    kuerzeste = std::min(kuerzeste, rund);
    laengste = std::max(laengste, rund);
    g.warten = laengste - kuerzeste;
    const int spuren = static_cast<int>(v.size());
    g.ueberlang = std::max(0, laengste - (laeufe + spuren - 1) / spuren - 1);
    return g;
}

// One offset at a time moves where it makes the chart fairer, until no move does. Lane 1
// keeps offset 0: shifting them all changes nothing but the start.
Versaetze verbessern(Versaetze v, int laeufe) {
    Guete beste = versatzguete(v, laeufe);
    for (;;) {
        std::size_t besteSpur = 0;
        int besterWert = 0;
        for (std::size_t l = 1; l < v.size(); ++l) {
            const int bisher = v[l];
            for (int wert = 1; wert < laeufe; ++wert) {
                if (std::find(v.begin(), v.end(), wert) != v.end())
                    continue;
                v[l] = wert;
                if (const Guete g = versatzguete(v, laeufe); g < beste) {
                    beste = g;
                    besteSpur = l;
                    besterWert = wert;
                }
            }
            v[l] = bisher;
        }
        if (besteSpur == 0)
            return v;
        v[besteSpur] = besterWert;
    }
}

// The fairest offsets found from evenly spaced ones (the fewest back-to-back Läufe there can
// be) and from a fixed series of scattered ones, which get out of the even spacing's rut.
Versaetze versaetzeSuchen(int spurenzahl, int laeufe) {
    Versaetze beste(static_cast<std::size_t>(spurenzahl));
    for (int l = 0; l < spurenzahl; ++l)
        beste[static_cast<std::size_t>(l)] = l * laeufe / spurenzahl;
    if (spurenzahl >= laeufe)
        return beste; // every offset is taken: there is nothing to choose
    beste = verbessern(beste, laeufe);
    std::uint32_t zufall = 12345;
    for (int versuch = 0; versuch < Streuversuche; ++versuch) {
        Versaetze v{0};
        while (v.size() < beste.size()) {
            zufall = zufall * 1664525U + 1013904223U;
            const int wert = static_cast<int>((zufall >> 8) % static_cast<std::uint32_t>(laeufe));
            if (std::find(v.begin(), v.end(), wert) == v.end())
                v.push_back(wert);
        }
        v = verbessern(std::move(v), laeufe);
        if (versatzguete(v, laeufe) < versatzguete(beste, laeufe))
            beste = std::move(v);
    }
    return beste;
}

int rotationsindex(const QStringList& fahrer, const QString& name) {
    for (qsizetype i = 0; i < fahrer.size(); ++i)
        if (!name.isEmpty() && gleicherFahrer(fahrer[i], name))
            return static_cast<int>(i);
    return -1;
}

// What the drivers still owe of the round while its rest is laid out Lauf by Lauf.
class Restrunde {
public:
    Restrunde(int fahrerzahl, int spurenzahl)
        : m_offen(static_cast<std::size_t>(fahrerzahl),
                  std::vector<bool>(static_cast<std::size_t>(spurenzahl), true)),
          m_zuletzt(static_cast<std::size_t>(fahrerzahl), -1) {}

    void gefahren(int fahrer, int spur, int lauf) {
        m_offen[idx(fahrer)][idx(spur)] = false;
        m_zuletzt[idx(fahrer)] = lauf;
    }
    bool offen() const {
        return std::any_of(m_offen.begin(), m_offen.end(), [](const std::vector<bool>& s) {
            return std::find(s.begin(), s.end(), true) != s.end();
        });
    }

    // The next Lauf as full as it gets: who rested before who drove the Lauf before, who
    // owes more lanes before who owes fewer, who waited longer first, then the roster's
    // order; each driver takes a lane they still owe, moving others to theirs when that
    // frees one (a matching by augmenting paths, which never drops a driver once placed).
    std::vector<int> naechsterLauf(int lauf) {
        std::vector<int> reihe(m_offen.size());
        std::iota(reihe.begin(), reihe.end(), 0);
        std::stable_sort(reihe.begin(), reihe.end(), [&](int a, int b) {
            const auto rang = [&](int f) {
                return std::make_tuple(m_zuletzt[idx(f)] == lauf - 1, -schuld(f),
                                       m_zuletzt[idx(f)]);
            };
            return rang(a) < rang(b);
        });
        m_belegung.assign(m_offen.front().size(), -1);
        for (int f : reihe)
            if (schuld(f) > 0) {
                m_besucht.assign(m_belegung.size(), false);
                platzieren(f);
            }
        return m_belegung;
    }

private:
    static std::size_t idx(int i) { return static_cast<std::size_t>(i); }
    int schuld(int f) const {
        return static_cast<int>(std::count(m_offen[idx(f)].begin(), m_offen[idx(f)].end(), true));
    }
    bool platzieren(int f) {
        for (std::size_t s = 0; s < m_belegung.size(); ++s)
            if (m_offen[idx(f)][s] && !m_besucht[s]) {
                m_besucht[s] = true;
                if (m_belegung[s] < 0 || platzieren(m_belegung[s])) {
                    m_belegung[s] = f;
                    return true;
                }
            }
        return false;
    }

    std::vector<std::vector<bool>> m_offen; // per driver and lane
    std::vector<int> m_zuletzt;             // the driver's last Lauf; -1 for none yet
    std::vector<int> m_belegung;            // per lane of the Lauf being laid out
    std::vector<bool> m_besucht;
};

} // namespace

Spurplan rotationsplan(const QStringList& fahrer, int spurenzahl) {
    const int n = static_cast<int>(fahrer.size());
    // Fewer drivers than lanes drive every Lauf, leaving lanes free.
    const int laeufe = std::max(n, spurenzahl);
    const Versaetze v = versaetzeSuchen(spurenzahl, laeufe);
    Spurplan plan;
    for (int h = 0; h < laeufe; ++h) {
        Laufbelegung lauf = Laufbelegung::fuer(spurenzahl);
        for (int l = 0; l < spurenzahl; ++l) {
            const int f = (h - v[static_cast<std::size_t>(l)] + laeufe) % laeufe;
            if (f < n)
                lauf[l + 1] = fahrer[f];
        }
        plan.push_back(lauf);
    }
    return plan;
}

Spurplan rotationsplanNeu(const Spurplan& bisher, std::size_t gefahren,
                               const QStringList& fahrer, int spurenzahl) {
    gefahren = std::min(gefahren, bisher.size());
    if (gefahren == 0)
        return rotationsplan(fahrer, spurenzahl);
    Spurplan plan(bisher.begin(), bisher.begin() + static_cast<std::ptrdiff_t>(gefahren));
    Restrunde rest(static_cast<int>(fahrer.size()), spurenzahl);
    for (std::size_t h = 0; h < plan.size(); ++h)
        for (int spur = 1; spur <= std::min(spurenzahl, plan[h].anzahl()); ++spur)
            if (const int f = rotationsindex(fahrer, plan[h][spur]); f >= 0)
                rest.gefahren(f, spur - 1, static_cast<int>(h));
    while (rest.offen()) {
        const int h = static_cast<int>(plan.size());
        const std::vector<int> belegung = rest.naechsterLauf(h);
        Laufbelegung lauf = Laufbelegung::fuer(spurenzahl);
        for (int s = 0; s < spurenzahl; ++s)
            if (const int f = belegung[static_cast<std::size_t>(s)]; f >= 0) {
                lauf[s + 1] = fahrer[f];
                rest.gefahren(f, s, h);
            }
        plan.push_back(lauf);
    }
    return plan;
}

Gegnerstreuung gegnerstreuung(const Spurplan& plan, const QStringList& fahrer) {
    const std::size_t n = static_cast<std::size_t>(fahrer.size());
    std::vector<std::vector<int>> gemeinsam(n, std::vector<int>(n, 0));
    for (const Laufbelegung& lauf : plan) {
        std::vector<int> drin;
        for (const QString& name : lauf)
            if (const int f = rotationsindex(fahrer, name); f >= 0)
                drin.push_back(f);
        for (int a : drin)
            for (int b : drin)
                ++gemeinsam[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)];
    }
    Gegnerstreuung s{0, n > 1 ? 1 << 30 : 0};
    for (std::size_t a = 0; a < n; ++a)
        for (std::size_t b = a + 1; b < n; ++b) {
            s.meiste = std::max(s.meiste, gemeinsam[a][b]);
            s.wenigste = std::min(s.wenigste, gemeinsam[a][b]);
        }
    return s;
}
