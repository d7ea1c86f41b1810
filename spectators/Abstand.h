// The gap of the lane behind to the leader, as timing screens show it: in a race the time
// between the two cars at the line, or the laps when the leader has lapped the other car;
// in training the difference of the best laps; in the second heat of a lane-change race
// the difference of the summed times of both heats, or by time of the summed distances.
#pragma once

#include "Reihe.h"

#include <QString>
#include <optional>
#include <vector>

// Race times (seconds from the race clock's start) at which a lane completed its laps,
// lap 1 first.
using Durchfahrten = std::vector<double>;

struct Abstaende {
    Spuren<QString> texte; // the leader's is empty
    int vorn = 0;          // the leading lane; 0 while nothing tells one
};

// The other lane's text is empty before its first lap or while the gap is not known (the
// leader passed the other car after its last crossing).
Abstaende rennabstaende(const Spuren<Durchfahrten>& durchfahrten);

// Training: the slower best lap's difference to the faster one.
Abstaende bestzeitabstaende(const Spuren<std::optional<double>>& besteRunden);

// The second heat of a lane-change race, where the lower sum of both heats wins: the sums
// compared at the last lap both have completed in this heat, or the first heat's times
// before that. Laps say nothing across heats, so the gap is always in seconds.
Abstaende gesamtabstaende(const Spuren<Durchfahrten>& durchfahrten,
                          const Spuren<double>& ersterLauf);

// A race by time, or the second heat of a lane change by time, where the greater distance
// (or sum of both heats' distances) wins: the lane behind gets the difference in laps. With
// as many laps the lower time wins, where both are known: the time at the line, or the
// summed times; the gap is then in seconds.
Abstaende distanzabstaende(const Spuren<double>& distanzen,
                           const Spuren<std::optional<double>>& zeiten = {});
