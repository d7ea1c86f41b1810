// The outcome of a race, computed once by the race when a race or heat has ended and before
// anyone hears of the end: every heat driven with each lane's driver, laps, finish and place,
// the winner or a draw, and from a lane-change race's second heat on each driver's totals
// over the heats so far and who leads on them. Readers take places and winners from here and from
// nowhere else. Lanes and drivers are numbered from 1, as many as the track has.
#pragma once

#include "Farben.h"
#include "Renneinstellungen.h"
#include "Rundenwert.h"
#include "Spurrotation.h"
#include "Strafe.h"
#include "Streckenruf.h"

#include <QString>
#include <vector>

// A heat's (or the heats' together) time, average speed and distance, rounded as the result window
// lists them.
struct Laufwerte {
    double zeit = 0;
    double geschwindigkeit = 0;
    double distanz = 0; // laps, in a race by time
    // Home in the heat (in every heat); a heat closed with a lane still out has none.
    bool imZiel = false;
    // The penalties in these values: the time is longer by strafzeit, and of the laps
    // driven strafrunden do not count (by time the distance is short of them).
    double strafzeit = 0;
    std::int32_t strafrunden = 0;

    bool operator==(const Laufwerte&) const = default;
};

// A lane as it stood when its heat ended.
struct Spurergebnis {
    QString fahrer;
    Farbe farbe = Farben::Hellgrau;
    std::vector<Rundenwert> runden;
    double bestzeit = 0; // the lane's fastest lap; 0 without one
    Laufwerte lauf;      // all zero for a lane not home
    int platz = 0;       // in the order home (after penalties), from 1; 0: not home

    bool operator==(const Spurergebnis&) const = default;
};

struct Laufergebnis {
    std::vector<Spurergebnis> spuren;
    // The winning lane, 0 for a draw: in race mode the first home (by time the greater
    // distance), after the penalties the first place; in training the lower best lap.
    int sieger = 0;
    // The heat's penalties, in the order given; with any, the places and the winner are
    // those after them.
    std::vector<Strafe> strafen;
    // The heat's track calls, in the order called.
    std::vector<Streckenruf> streckenrufe;

    const Spurergebnis& spur(int nummer) const;
    // The time between the first lane home and the next, by their finish times; a lane not
    // home counts as finished at zero.
    double zielabstand() const;

    bool operator==(const Laufergebnis&) const = default;
};

// A driver over the heats of a lane-change race driven so far.
struct Gesamtergebnis {
    QString fahrer;
    Laufwerte gesamt;
    // Home in every heat before any other, by time the greater distance first, by laps
    // the fewer laps taken by penalties, then the shorter total; drivers level share a
    // place. 0: not home in every heat, or a free lane.
    int platz = 0;

    bool operator==(const Gesamtergebnis&) const = default;
};

struct Rennergebnis {
    // The heats of the race so far: one, or a lane-change race's heats up to the last ended.
    std::vector<Laufergebnis> laeufe;
    // From a lane-change race's second heat on, by the lane each driver took in the last
    // heat ended.
    std::vector<Gesamtergebnis> fahrer;
    // A lane-change race's order of lanes; it has no heats in any other race.
    Spurrotation rotation;

    bool gesamtGewertet() const { return !fahrer.empty(); }
    // Every heat of the race is over: the last of a lane change's, or the one of any other.
    bool komplett() const { return static_cast<int>(laeufe.size()) >= rotation.laeufe(); }
    const Gesamtergebnis& gesamt(int fahrer) const;
    // The heat that ended last.
    const Laufergebnis& letzterLauf() const { return laeufe.back(); }
    // The time between the first driver's total and the next one's, as zielabstand.
    double gesamtabstand() const;
    // The lane in the first heat of whoever drove this lane in the last heat ended.
    int ersteSpurVon(int spur) const;
    // The race's winner: the heat's; from a lane-change race's second heat on the one driver
    // first on the heats so far, by the lane driven in the last. 0 for a draw, when no one
    // was home in every heat, and before any race has ended.
    int sieger() const;

    bool operator==(const Rennergebnis&) const = default;
};

// Each driver's totals over the heats of a lane-change race, in the last heat's order of
// lanes, with their places; the speeds as the result window shows them, so the speeds
// listed add up as shown.
std::vector<Gesamtergebnis> gesamtwertung(const std::vector<Laufergebnis>& laeufe,
                                          const Spurrotation& rotation,
                                          const Renneinstellungen& einstellungen);
