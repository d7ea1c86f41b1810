// The order of a race night: which two drivers meet next and who starts on lane 1. Every
// pair meets (in a rotation every driver drives equally many Läufe, half on each lane), and
// from four drivers on nobody drives more than two in a row while the waits between stay
// even. Deterministic: the same drivers in the same order give the same plan.
#pragma once

#include "Rennabendregeln.h"
#include "Rotationsplan.h"

#include <QString>
#include <QStringList>
#include <vector>

// One entry of the plan: a Begegnung, whose first Lauf it names (the second swaps the lanes),
// or in a rotation a single Lauf; in the round over every lane a lane may stay free (empty),
// on a wider track in every Lauf with fewer drivers than lanes. The final of the two best is
// always a Begegnung, on two lanes.
struct Paarung {
    QString spur1;
    QString spur2;
    bool finale = false;
    QStringList weitere = {}; // the drivers of lanes 3 on, on a wider track
    // In a night with a qualifying: the main (from 1, the A main) this Lauf belongs to; 0 for
    // the qualifying's Läufe and every entry of a night without one.
    int hauptlauf = 0;

    bool operator==(const Paarung&) const = default;

    int spurenzahl() const { return KleinsteSpurenzahl + static_cast<int>(weitere.size()); }
    // The driver of every lane, empty for a free one.
    Laufbelegung belegung() const;
    static Paarung aus(const Laufbelegung& lauf);
};

using Rennplan = std::vector<Paarung>;

// The plan of a night with these drivers (checked by fahrerlisteFehler); a Spurrotation on a
// track of `spurenzahl` lanes.
Rennplan rennplan(const QStringList& fahrer, Rennabendformat format,
                  int spurenzahl = KleinsteSpurenzahl);

// The plan made again when a driver joined or left: the first `gefahren` entries of the old
// plan stay as they were driven; what the drivers now at the night still owe follows, the
// Begegnungen of a driver who left dropped. In a rotation a Lauf counts as driven when the
// same two drove it on the same lanes.
Rennplan neuPlanen(const Rennplan& bisher, std::size_t gefahren, const QStringList& fahrer,
                   Rennabendformat format, int spurenzahl = KleinsteSpurenzahl);
