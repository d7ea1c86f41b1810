#include "Rennplan.h"

#include "Fahrerliste.h"
#include "Rotationsplan.h"

#include <algorithm>
#include <tuple>

namespace {

struct Indexpaar {
    int spur1;
    int spur2;
};

// What the drivers owe with nothing driven. Driver i meets i+d (counted round the list) for
// each distance d: every driver is once on lane 1 and once on lane 2 per distance, so the
// lanes balance by construction. Distances up to half the list meet every pair; at exactly
// half (an even list) the same pair comes up twice, which a Begegnung needs once and a
// rotation uses for its last round, one Lauf on each lane.
std::vector<Indexpaar> sollPaarungen(int n, Rennabendformat format) {
    std::vector<Indexpaar> soll;
    for (int d = 1; d <= n / 2; ++d)
        for (int i = 0; i < n; ++i) {
            if (2 * d == n && i >= d && format == Rennabendformat::JederGegenJeden)
                break;
            soll.push_back({i, (i + d) % n});
        }
    return soll;
}

int fahrerIndex(const QStringList& fahrer, const QString& name) {
    for (qsizetype i = 0; i < fahrer.size(); ++i)
        if (gleicherFahrer(fahrer[i], name))
            return static_cast<int>(i);
    return -1;
}

// Where each driver stands while the plan is laid out one entry after the other.
class Reihenfolge {
public:
    explicit Reihenfolge(int n)
        : m_zuletzt(static_cast<std::size_t>(n), -1), m_serie(static_cast<std::size_t>(n), 0),
          m_spurEinsUeberschuss(static_cast<std::size_t>(n), 0),
          m_gegner(static_cast<std::size_t>(n), -1) {}

    // An entry in the plan; -1 for a driver no longer at the night.
    void fahren(int spur1, int spur2) {
        for (int f : {spur1, spur2})
            if (f >= 0) {
                m_serie[idx(f)] = serie(f) + 1;
                m_zuletzt[idx(f)] = m_laenge;
            }
        if (spur1 >= 0) {
            ++m_spurEinsUeberschuss[idx(spur1)];
            m_gegner[idx(spur1)] = spur2;
        }
        if (spur2 >= 0) {
            --m_spurEinsUeberschuss[idx(spur2)];
            m_gegner[idx(spur2)] = spur1;
        }
        ++m_laenge;
    }

    // Smaller is better: first never three in a row; then the pair's shorter wait plus what
    // its busier driver still owes, so that nobody is left with a crowd of entries at the end,
    // less when the two met in their last entries (a rotation meets some pairs twice; putting
    // them off for good would crowd them at the end); then both waits.
    auto bewertung(const Indexpaar& p, const std::vector<int>& schuld) const {
        const int zuViele = (serie(p.spur1) >= 2) + (serie(p.spur2) >= 2);
        const bool wiederDieselben = m_gegner[idx(p.spur1)] == p.spur2;
        const int dringend = std::min(warten(p.spur1), warten(p.spur2)) +
                             std::max(schuld[idx(p.spur1)], schuld[idx(p.spur2)]) -
                             3 * wiederDieselben;
        return std::make_tuple(zuViele, -dringend, -(warten(p.spur1) + warten(p.spur2)));
    }

    // Lane-1 starts minus lane-2 starts.
    int spurEinsUeberschuss(int f) const { return m_spurEinsUeberschuss[idx(f)]; }
    // An entry already laid out with its lanes the other way round.
    void spurTauschen(int spur1, int spur2) {
        m_spurEinsUeberschuss[idx(spur1)] -= 2;
        m_spurEinsUeberschuss[idx(spur2)] += 2;
    }

private:
    static std::size_t idx(int f) { return static_cast<std::size_t>(f); }
    // How many entries in a row up to the last one the driver drove.
    int serie(int f) const { return m_zuletzt[idx(f)] == m_laenge - 1 ? m_serie[idx(f)] : 0; }
    // Since the driver's last entry; a driver who has not driven has waited longest.
    int warten(int f) const {
        return m_zuletzt[idx(f)] < 0 ? m_laenge + 1 : m_laenge - m_zuletzt[idx(f)];
    }

    std::vector<int> m_zuletzt;
    std::vector<int> m_serie;
    std::vector<int> m_spurEinsUeberschuss;
    std::vector<int> m_gegner; // in the driver's last entry
    int m_laenge = 0;
};

// A Begegnung drives both lanes, but who starts on lane 1 should still even out. A new plan
// is even by construction; after a change of drivers a driver may start on lane 1 more often
// than another by two or more, and swapping their planned start brings both closer.
void spurenAusgleichen(std::vector<Indexpaar>& neu, Reihenfolge& reihe) {
    for (Indexpaar& p : neu)
        if (reihe.spurEinsUeberschuss(p.spur1) - reihe.spurEinsUeberschuss(p.spur2) >= 3) {
            reihe.spurTauschen(p.spur1, p.spur2);
            std::swap(p.spur1, p.spur2);
        }
}

// The round over every lane: the rotation chart, a Lauf per entry.
Rennplan spurrotationsplan(const Rennplan& bisher, std::size_t gefahren, const QStringList& fahrer,
                           int spurenzahl) {
    Spurplan laeufe;
    for (const Paarung& p : bisher)
        laeufe.push_back(p.belegung());
    Rennplan plan;
    for (const Laufbelegung& lauf : rotationsplanNeu(laeufe, gefahren, fahrer, spurenzahl))
        plan.push_back(Paarung::aus(lauf));
    return plan;
}

} // namespace

Laufbelegung Paarung::belegung() const {
    Laufbelegung lauf = Laufbelegung::fuer(spurenzahl());
    lauf[1] = spur1;
    lauf[2] = spur2;
    for (int spur = 3; spur <= spurenzahl(); ++spur)
        lauf[spur] = weitere[spur - 3];
    return lauf;
}

Paarung Paarung::aus(const Laufbelegung& lauf) {
    Paarung p{lauf[1], lauf[2]};
    for (int spur = 3; spur <= lauf.anzahl(); ++spur)
        p.weitere << lauf[spur];
    return p;
}

Rennplan rennplan(const QStringList& fahrer, Rennabendformat format, int spurenzahl) {
    return neuPlanen({}, 0, fahrer, format, spurenzahl);
}

Rennplan neuPlanen(const Rennplan& bisher, std::size_t gefahren, const QStringList& fahrer,
                   Rennabendformat format, int spurenzahl) {
    if (format == Rennabendformat::Spurrotation)
        return spurrotationsplan(bisher, gefahren, fahrer, spurenzahl);
    const int n = static_cast<int>(fahrer.size());
    gefahren = std::min(gefahren, bisher.size());
    Rennplan plan(bisher.begin(), bisher.begin() + static_cast<std::ptrdiff_t>(gefahren));
    std::vector<Indexpaar> offen = sollPaarungen(n, format);
    Reihenfolge reihe(n);
    for (const Paarung& p : plan) {
        const Indexpaar ip{fahrerIndex(fahrer, p.spur1), fahrerIndex(fahrer, p.spur2)};
        reihe.fahren(ip.spur1, ip.spur2);
        const auto erledigt = std::find_if(offen.begin(), offen.end(), [&](const Indexpaar& o) {
            return (o.spur1 == ip.spur1 && o.spur2 == ip.spur2) ||
                   (format == Rennabendformat::JederGegenJeden && o.spur1 == ip.spur2 &&
                    o.spur2 == ip.spur1);
        });
        if (erledigt != offen.end())
            offen.erase(erledigt);
    }

    std::vector<int> schuld(static_cast<std::size_t>(n), 0);
    for (const Indexpaar& p : offen) {
        ++schuld[static_cast<std::size_t>(p.spur1)];
        ++schuld[static_cast<std::size_t>(p.spur2)];
    }
    std::vector<Indexpaar> neu;
    while (!offen.empty()) {
        auto beste = offen.begin();
        for (auto p = offen.begin() + 1; p != offen.end(); ++p)
            if (reihe.bewertung(*p, schuld) < reihe.bewertung(*beste, schuld))
                beste = p;
        const Indexpaar p = *beste;
        offen.erase(beste);
        --schuld[static_cast<std::size_t>(p.spur1)];
        --schuld[static_cast<std::size_t>(p.spur2)];
        reihe.fahren(p.spur1, p.spur2);
        neu.push_back(p);
    }
    if (format == Rennabendformat::JederGegenJeden)
        spurenAusgleichen(neu, reihe);
    for (const Indexpaar& p : neu)
        plan.push_back({fahrer[p.spur1], fahrer[p.spur2]});
    return plan;
}
