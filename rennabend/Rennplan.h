// The order of a race night: which two drivers meet next and who starts on lane 1. Every
// pair meets (in a rotation every driver drives equally many Läufe, half on each lane), and
// from four drivers on nobody drives more than two in a row while the waits between stay
// even. Deterministic: the same drivers in the same order give the same plan.
#pragma once

#include "Rennabendregeln.h"

#include <QString>
#include <QStringList>
#include <vector>

// One entry of the plan: a Begegnung, whose first Lauf it names (the second swaps the lanes),
// or in a rotation a single Lauf; in the round over every lane a lane may stay free (empty)
// once a driver joined or left. The final of the two best is always a Begegnung.
struct Paarung {
    QString spur1;
    QString spur2;
    bool finale = false;

    bool operator==(const Paarung&) const = default;
};

using Rennplan = std::vector<Paarung>;

// The plan of a night with these drivers (checked by fahrerlisteFehler).
Rennplan rennplan(const QStringList& fahrer, Rennabendformat format);

// The plan made again when a driver joined or left: the first `gefahren` entries of the old
// plan stay as they were driven; what the drivers now at the night still owe follows, the
// Begegnungen of a driver who left dropped. In a rotation a Lauf counts as driven when the
// same two drove it on the same lanes.
Rennplan neuPlanen(const Rennplan& bisher, std::size_t gefahren, const QStringList& fahrer,
                   Rennabendformat format);
