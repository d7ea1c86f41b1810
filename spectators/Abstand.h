// The gap of every lane behind to the leader, as timing screens show it: in a race the time
// between the two cars at the line, or the laps when the leader has lapped the other car;
// in training the difference of the best laps; in the second heat of a lane-change race
// the difference of the summed times of both heats, or by time of the summed distances.
// With the gaps comes the order the lanes run in, which gives their positions.
#pragma once

#include "Reihe.h"

#include <QString>
#include <algorithm>
#include <concepts>
#include <numeric>
#include <optional>
#include <vector>

// Race times (seconds from the race clock's start) at which a lane completed its laps,
// lap 1 first.
using Durchfahrten = std::vector<double>;

// Any indexed sequence of such times, so the race's own laps can be read as they stand
// without copying them on every lap.
template <typename Folge>
concept Durchfahrtfolge = requires(const Folge& f, std::size_t i) {
    { f[i] } -> std::convertible_to<double>;
    { f.size() } -> std::convertible_to<std::size_t>;
};

struct Abstaende {
    Spuren<QString> texte; // the leader's is empty
    int vorn = 0;          // the leading lane; 0 while nothing tells one
    // Every lane, the leader first; empty while nothing tells a leader.
    std::vector<int> folge;

    // No leader and no gaps on a track of that many lanes.
    static Abstaende keine(int spurenzahl) { return {Spuren<QString>::fuer(spurenzahl), 0, {}}; }
    // The position from 1, 0 while no leader is known.
    int position(int spur) const {
        const auto stelle = std::ranges::find(folge, spur);
        return stelle == folge.end() ? 0 : static_cast<int>(stelle - folge.begin()) + 1;
    }
};

namespace abstandstext {
// A lane `ueberrundet` laps down, or else `sekunden` behind at the line, or with a gap not
// known: the empty text.
QString rueckstand(std::size_t ueberrundet, std::optional<double> sekunden);
// The lower value leads, the lower lane on equal ones; the others get their difference.
Abstaende zeitvergleich(const Spuren<double>& werte);
// The lanes in the order `vor` (a strict "ahead of") puts them, level ones by lane.
template <typename Vor> std::vector<int> folge(int spurenzahl, Vor vor) {
    std::vector<int> spuren(static_cast<std::size_t>(spurenzahl));
    std::iota(spuren.begin(), spuren.end(), 1);
    std::ranges::stable_sort(spuren, vor);
    return spuren;
}
} // namespace abstandstext

// Laps the lane behind is down on the leader and its gap at the line: the gap is not known
// while the leader passed it after its last crossing.
template <Durchfahrtfolge Folge>
QString rennrueckstand(const Folge& fuehrend, const Folge& hinten) {
    const std::size_t m = hinten.size();
    if (m == 0)
        return {};
    // Measured when the car behind crossed the line: how many laps the leader had then.
    const double t = hinten[m - 1];
    const std::size_t vorne = fuehrend.size();
    std::size_t damals = 0;
    for (std::size_t bis = vorne; damals < bis;) {
        const std::size_t mitte = damals + (bis - damals) / 2;
        if (fuehrend[mitte] <= t)
            damals = mitte + 1;
        else
            bis = mitte;
    }
    // Two laps more than the car behind now: lapped, whether or not it has crossed since.
    const std::size_t jetzt = vorne >= m + 2 ? vorne - m - 1 : 0;
    const std::size_t ueberrundet = std::max(damals > m ? damals - m : 0, jetzt);
    const std::optional<double> sekunden =
        damals == m ? std::optional(t - fuehrend[m - 1]) : std::nullopt;
    return abstandstext::rueckstand(ueberrundet, sekunden);
}

// More laps lead; with as many laps, the earlier at the line. A lane's text is empty before
// its first lap or while its gap is not known.
template <Durchfahrtfolge Folge = Durchfahrten> Abstaende rennabstaende(const Spuren<Folge>& d) {
    const std::vector<int> folge = abstandstext::folge(d.anzahl(), [&](int a, int b) {
        const std::size_t na = d[a].size();
        const std::size_t nb = d[b].size();
        if (na != nb)
            return na > nb;
        return na > 0 && d[a][na - 1] < d[b][nb - 1];
    });
    Abstaende a = Abstaende::keine(d.anzahl());
    if (d[folge.front()].size() == 0)
        return a;
    a.vorn = folge.front();
    a.folge = folge;
    for (int spur : folge)
        if (spur != a.vorn)
            a.texte[spur] = rennrueckstand(d[a.vorn], d[spur]);
    return a;
}

// Training: each slower best lap's difference to the fastest; a lane without one ranks last.
Abstaende bestzeitabstaende(const Spuren<std::optional<double>>& besteRunden);

// A later heat of a lane-change race, where the lower sum of the heats wins: the sums
// compared at the last lap every lane with a car has completed in this heat, or the times of
// the heats before it until then. Laps say nothing across heats, so the gap is always in
// seconds. A lane without a car has no time before and ranks last.
template <Durchfahrtfolge Folge = Durchfahrten>
Abstaende gesamtabstaende(const Spuren<Folge>& d, const Spuren<std::optional<double>>& vorher) {
    std::optional<std::size_t> m;
    for (int spur = 1; spur <= d.anzahl(); ++spur)
        if (vorher[spur])
            m = std::min(m.value_or(d[spur].size()), d[spur].size());
    auto summen = Spuren<std::optional<double>>::fuer(d.anzahl());
    for (int spur = 1; spur <= d.anzahl(); ++spur)
        if (vorher[spur])
            summen[spur] = *vorher[spur] + (*m > 0 ? d[spur][*m - 1] : 0.0);
    // The lower sum leads, as the lower best lap does.
    return bestzeitabstaende(summen);
}

// A race by time, or the second heat of a lane change by time, where the greater distance
// (or sum of both heats' distances) wins: a lane behind gets the difference in laps. With
// as far as the leader the lower time wins, where both are known: the time at the line, or
// the summed times; the gap is then in seconds.
Abstaende distanzabstaende(const Spuren<double>& distanzen,
                           const Spuren<std::optional<double>>& zeiten);
