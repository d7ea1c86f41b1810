// A lap as the race counted it.
#pragma once

struct Rundenwert {
    double zeit = 0;            // seconds, to the millisecond
    double geschwindigkeit = 0; // metres per second, to three decimals
    double rennzeit = 0;        // race time at the line
    bool vonHand = false;       // given with Shift+1 or Shift+2

    bool operator==(const Rundenwert&) const = default;
};
