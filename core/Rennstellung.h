// Where each lane stands while a race is driven and once it is over, on a track of any number
// of lanes: its place and its gap to the lane in front of all. The order is the race's own
// (`reihenfolge`, by laps or distance, then who got there first; by laps the lanes home in
// the order home; training by the best lap), so the places agree with those of the result
// and its winner.
#pragma once

#include "Reihe.h"
#include "Rennstand.h"

#include <QString>

struct Spurstellung {
    // From 1; 0 while the lane has nothing to be ranked by (no lap, in training no best lap).
    int platz = 0;
    // "+1,234 s" at the line, "+2 Runden" lapped, "+0,250 Rd." by distance; empty for the
    // leader and while the gap is not known (the leader passed the lane after its last lap).
    QString abstand;

    bool operator==(const Spurstellung&) const = default;
};

Spuren<Spurstellung> rennstellung(const Rennstand& stand);
