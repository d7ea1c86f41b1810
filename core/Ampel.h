// The five-lamp start light: which lamp each traffic-light state lights.
#pragma once

#include "Reihe.h"

#include <optional>

// The four pictures a lamp can show, in either picture set.
enum class Lampe { Gruen, Aus, Rot, Gelb };

// Traffic-light pictures, or plain coloured discs.
enum class Lampensatz { Ampel, Kreis };

struct Lampenbild {
    Lampensatz satz = Lampensatz::Ampel;
    Lampe lampe = Lampe::Aus;

    bool operator==(const Lampenbild&) const = default;
};

// States 0 to 8: dark, one to five red, all green (race running), all amber, and green at
// both ends with amber between (flying start). Nothing for any other number.
std::optional<Reihe<Lampe, 5>> ampelLampen(int zustand);
