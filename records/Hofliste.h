// The Hall of Fame: the five highest race average speeds with their drivers' names.
#pragma once

#include "Reihe.h"

#include <QString>
#include <optional>

struct Hofliste {
    static constexpr int Raenge = 5;

    // A new list is empty: every rank holds 0 and "leer".
    Hofliste();

    // The rank a value would take: the first holding less, so a value equal to others
    // goes below them. Nothing when it is no higher than all five.
    std::optional<int> rangFuer(double wert) const;
    // Enters the value at its rank, moving the ranks below down and the last out.
    void eintragen(double wert, const QString& name);

    Reihe<double, Raenge> HofGeschw; // m/s, non-increasing; 0 marks an empty rank
    Reihe<QString, Raenge> HofName;

    bool operator==(const Hofliste&) const = default;
};
