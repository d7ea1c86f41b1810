// The outcome of a race, computed once by the race when a race or heat has ended and before
// anyone hears of the end: every heat driven with each lane's driver, laps, finish and place,
// the winner or a draw, and after a lane-change race's second heat each driver's totals over
// both heats and the winner on them. Readers take places and winners from here and from
// nowhere else. Lanes and drivers are numbered from 1, as many as the track has.
#pragma once

#include "Farben.h"
#include "Renneinstellungen.h"
#include "Rundenwert.h"

#include <QString>
#include <vector>

// A heat's (or both heats') time, average speed and distance, rounded as the result window
// lists them.
struct Laufwerte {
    double zeit = 0;
    double geschwindigkeit = 0;
    double distanz = 0; // laps, in a race by time
    // Home in the heat (in both heats); a heat closed with a lane still out has none.
    bool imZiel = false;

    bool operator==(const Laufwerte&) const = default;
};

// A lane as it stood when its heat ended.
struct Spurergebnis {
    QString fahrer;
    Farbe farbe = Farben::Hellgrau;
    std::vector<Rundenwert> runden;
    double bestzeit = 0; // the lane's fastest lap; 0 without one
    Laufwerte lauf;      // all zero for a lane not home
    int platz = 0;       // in the order home, from 1; 0: not home

    bool operator==(const Spurergebnis&) const = default;
};

struct Laufergebnis {
    std::vector<Spurergebnis> spuren;
    // The winning lane, 0 for a draw: in race mode the first home (by time the greater
    // distance), in training the lower best lap.
    int sieger = 0;

    const Spurergebnis& spur(int nummer) const;
    // The time between the first lane home and the next, by their finish times; a lane not
    // home counts as finished at zero.
    double zielabstand() const;

    bool operator==(const Laufergebnis&) const = default;
};

// A driver over both heats of a lane-change race.
struct Gesamtergebnis {
    QString fahrer;
    Laufwerte gesamt;
    // Home in both heats before any other, by time the greater distance first, then the
    // shorter total; drivers level share a place. 0: not home in both heats.
    int platz = 0;

    bool operator==(const Gesamtergebnis&) const = default;
};

struct Rennergebnis {
    // The heats of the race so far: one, or a lane-change race's first and then both.
    std::vector<Laufergebnis> laeufe;
    // After a lane-change race's second heat, by the lane each driver took in it.
    std::vector<Gesamtergebnis> fahrer;

    bool zweiLaeufeGewertet() const { return !fahrer.empty(); }
    const Gesamtergebnis& gesamt(int fahrer) const;
    // The heat that ended last.
    const Laufergebnis& letzterLauf() const { return laeufe.back(); }
    // The race's winner: the heat's; after a lane-change race's second heat the one driver
    // first on both heats, by the lane driven in it. 0 for a draw, when no one was home in
    // both heats, and before any race has ended.
    int sieger() const;

    bool operator==(const Rennergebnis&) const = default;
};

// The lane a driver of a lane-change race's second heat drove in the first.
int ersteSpurVon(int spurImZweiten);

// Each driver's totals over both heats of a lane-change race, in the second heat's order,
// with their places; the speeds as the result window shows them, so the speeds listed add
// up as shown.
std::vector<Gesamtergebnis> gesamtwertung(const Laufergebnis& erster, const Laufergebnis& zweiter,
                                          const Renneinstellungen& einstellungen);
