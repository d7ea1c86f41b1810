// The line changes between two readings of a port's modem lines.
#pragma once

#include "Leitungen.h"

#include <optional>
#include <vector>

struct Leitungsstand {
    Pegel pegel;
    std::optional<Flankenzaehler> zaehler; // none where the driver does not count
};

struct Flanke {
    Leitung leitung = Leitung::CD;
    bool pegel = false; // the level after the change
    bool letzte = true; // the last change of its line between the two readings
};

// More changes of one line than this between two readings are noise, not cars.
inline constexpr std::uint32_t HoechstensJeLesung = 16;

// With counters on both readings every counted change is one edge, levels alternating
// back from the new level, and RI's count, where it cannot lead from the old level to the
// new, one edge more: the rise its counter left out. Otherwise a line whose level differs
// made one edge. The lines' edges come in the order of Leitungen.
std::vector<Flanke> flankenZwischen(const Leitungsstand& alt, const Leitungsstand& neu);
