// A stored race as the crossings of its lanes: what a correction edits. A lap is the time
// between two crossings, lap 1 timed from the green light, so deleting a crossing makes two
// laps one and inserting one splits a lap. Times are whole milliseconds from the green
// light, so laps rebuilt from them are the laps as stored.
#pragma once

#include "Rennaufzeichnung.h"

#include <cstdint>
#include <optional>
#include <vector>

struct Durchfahrt {
    std::int64_t ms = 0;  // from the green light of its heat
    bool vonHand = false; // Shift+1 or Shift+2

    bool operator==(const Durchfahrt&) const = default;
};

// One lane in one heat: the end of lap 1 first.
using Spurdurchfahrten = std::vector<Durchfahrt>;
// Per heat and lane.
using Rennverlauf = std::vector<Spuren<Spurdurchfahrten>>;

Rennverlauf durchfahrten(const Rennaufzeichnung& rennen);
Spurdurchfahrten durchfahrten(const Spurfahrt& fahrt);

// The crossing at the end of lap `runde` (from 1) goes: that lap and the next are one.
// False when the lane has no such lap.
bool durchfahrtLoeschen(Spurdurchfahrten& spur, std::size_t runde);
// A crossing missed within lap `runde`: after `sekunden` into the lap, or without them after
// the lane's median lap (half the lap when that is not shorter). False when the lane has no
// such lap or the time does not fall inside it.
bool durchfahrtEinfuegen(Spurdurchfahrten& spur, std::size_t runde,
                         std::optional<double> sekunden = std::nullopt);
