// The gap of the lane behind to the leader, as timing screens show it: in a race the time
// between the two cars at the line, or the laps when the leader has lapped the other car;
// in training the difference of the best laps; in the second heat of a lane-change race
// the difference of the summed times of both heats, or by time of the summed distances.
#pragma once

#include "Reihe.h"

#include <QString>
#include <algorithm>
#include <optional>
#include <concepts>
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
};

namespace abstandstext {
// The lane behind `vorn` is `ueberrundet` laps down, or else `sekunden` behind at the line,
// or its gap is not known.
Abstaende rueckstand(int vorn, std::size_t ueberrundet, std::optional<double> sekunden);
// The lower value leads, lane 1 on equal ones; the other gets the difference.
Abstaende zeitvergleich(const Spuren<double>& werte);
} // namespace abstandstext

// The other lane's text is empty before its first lap or while the gap is not known (the
// leader passed the other car after its last crossing).
template <Durchfahrtfolge Folge = Durchfahrten> Abstaende rennabstaende(const Spuren<Folge>& d) {
    const std::size_t n1 = d[1].size();
    const std::size_t n2 = d[2].size();
    if (n1 == 0 && n2 == 0)
        return {};
    // More laps lead; with as many laps, the earlier at the line.
    int vorn = n1 > n2 ? 1 : 2;
    if (n1 == n2)
        vorn = d[1][n1 - 1] <= d[2][n2 - 1] ? 1 : 2;
    const Folge& fuehrend = d[vorn];
    const Folge& hinten = d[andereSpur(vorn)];
    const std::size_t m = hinten.size();
    if (m == 0)
        return {{}, vorn};
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
    return abstandstext::rueckstand(vorn, ueberrundet, sekunden);
}

// Training: the slower best lap's difference to the faster one.
Abstaende bestzeitabstaende(const Spuren<std::optional<double>>& besteRunden);

// The second heat of a lane-change race, where the lower sum of both heats wins: the sums
// compared at the last lap both have completed in this heat, or the first heat's times
// before that. Laps say nothing across heats, so the gap is always in seconds.
template <Durchfahrtfolge Folge = Durchfahrten>
Abstaende gesamtabstaende(const Spuren<Folge>& d, const Spuren<double>& ersterLauf) {
    const std::size_t m = std::min(d[1].size(), d[2].size());
    Spuren<double> summen;
    for (int spur = 1; spur <= 2; ++spur)
        summen[spur] = ersterLauf[spur] + (m > 0 ? d[spur][m - 1] : 0.0);
    return abstandstext::zeitvergleich(summen);
}

// A race by time, or the second heat of a lane change by time, where the greater distance
// (or sum of both heats' distances) wins: the lane behind gets the difference in laps. With
// as many laps the lower time wins, where both are known: the time at the line, or the
// summed times; the gap is then in seconds.
Abstaende distanzabstaende(const Spuren<double>& distanzen,
                           const Spuren<std::optional<double>>& zeiten = {});
