// The Hall of Fame: the five highest race average speeds with their drivers' names.
#pragma once

#include "Reihe.h"

#include <QString>

struct Hofliste {
    static constexpr int Raenge = 5;

    // A new list is empty: every rank holds 0 and "leer".
    Hofliste();

    Reihe<double, Raenge> HofGeschw; // m/s, non-increasing; 0 marks an empty rank
    Reihe<QString, Raenge> HofName;

    bool operator==(const Hofliste&) const = default;
};
