// The rotation chart of a race night on a track of 2 to 8 lanes: in one round every driver
// drives one Lauf on every lane. With at least as many drivers as lanes every Lauf is full;
// with fewer, lanes stay free. From twice as many drivers as lanes on nobody drives two Läufe
// in a row, and the drivers meet as evenly as the lanes allow. Deterministic: the same
// drivers in the same order on the same track give the same chart.
#pragma once

#include "Reihe.h"

#include <QString>
#include <QStringList>
#include <vector>

// One Lauf: the driver on each lane, empty for a lane without a car.
using Laufbelegung = Spuren<QString>;
using Spurplan = std::vector<Laufbelegung>;

// The round of these drivers (checked by fahrerlisteFehler) on `spurenzahl` lanes.
Spurplan rotationsplan(const QStringList& fahrer, int spurenzahl);

// The round made again when a driver joined or left: the first `gefahren` Läufe stay as
// they were driven, and the drivers now at the night drive each lane they have not driven
// yet in this round. Läufe may then have a free lane; nobody drives a lane twice.
Spurplan rotationsplanNeu(const Spurplan& bisher, std::size_t gefahren,
                               const QStringList& fahrer, int spurenzahl);

// How evenly a chart lets the drivers meet: the most and the fewest Läufe that any two of
// them drive together.
struct Gegnerstreuung {
    int meiste = 0;
    int wenigste = 0;
};
Gegnerstreuung gegnerstreuung(const Spurplan& plan, const QStringList& fahrer);
