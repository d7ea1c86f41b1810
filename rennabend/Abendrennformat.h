// How long each race of a night runs: laps, or a time with the rule that ends it. Taken from
// the race's settings when the night begins and put back into the race before each of its
// races, so that changing the options during a night neither changes its races' length nor
// switches its standings between total times and distances.
#pragma once

#include "Rennformat.h"

#include <cstdint>

struct Renneinstellungen;
struct Rennaufzeichnung;

// Only what the kind of length uses counts: the laps of a race by laps, the duration and rule
// of a race by time. The rest stays at its default and leaves the race's settings alone.
struct Abendrennformat {
    Rennlaenge rennart = Rennlaenge::Runden;
    std::int32_t rundenzahl = 10;
    std::int32_t renndauer = 180; // seconds
    Zielregel zielregel = Zielregel::RundeBeenden;

    bool nachZeit() const { return rennart == Rennlaenge::Zeit; }
    bool operator==(const Abendrennformat&) const = default;
};

Abendrennformat abendrennformatVon(const Renneinstellungen& einstellungen);
// The format a stored race was driven in: a night kept from before nights had one takes it
// from its races.
Abendrennformat abendrennformatVon(const Rennaufzeichnung& rennen);
void abendrennformatEinsetzen(const Abendrennformat& format, Renneinstellungen& einstellungen);
