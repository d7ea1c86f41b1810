// The gap of the lane behind to the leader, as timing screens show it: in a race the time
// between the two cars at the line, or the laps when the leader has lapped the other car;
// in training the difference of the best laps.
#pragma once

#include "Reihe.h"

#include <QString>
#include <optional>
#include <vector>

// Race times (seconds from the race clock's start) at which a lane completed its laps,
// lap 1 first.
using Durchfahrten = std::vector<double>;

// The leader's text is empty, and so is the other lane's before its first lap or while
// the gap is not known (the leader passed the other car after its last crossing).
Spuren<QString> rennabstaende(const Spuren<Durchfahrten>& durchfahrten);

// Training: the slower best lap's difference to the faster one.
Spuren<QString> bestzeitabstaende(const Spuren<std::optional<double>>& besteRunden);
