// The five-lamp start light: its states and which lamps each one lights.
#pragma once

#include "Reihe.h"

#include <cstdint>

// The light's states. Their numbers are the ones the sensor board's line carries.
enum class Ampel : std::uint8_t {
    Dunkel = 0,
    Rot1, // one to five red lamps: the countdown's seconds
    Rot2,
    Rot3,
    Rot4,
    Rot5,
    Gruen,          // the race clock runs
    Gelb,           // between races, and in a crash pause
    FliegenderStart // green at both ends with amber between: the first car starts the clock
};

// The four pictures a lamp can show, in either picture set.
enum class Lampe { Gruen, Aus, Rot, Gelb };

// Traffic-light pictures, or plain coloured discs.
enum class Lampensatz { Ampel, Kreis };

struct Lampenbild {
    Lampensatz satz = Lampensatz::Ampel;
    Lampe lampe = Lampe::Aus;

    bool operator==(const Lampenbild&) const = default;
};

Reihe<Lampe, 5> ampelLampen(Ampel ampel);

// The countdown's light with that many red lamps (1 to 5).
Ampel roteLampen(int anzahl);
