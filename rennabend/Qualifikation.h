// The qualifying of a race night and the starting order it gives the mains: each driver's
// best lap, or the distance of a timed run. Computed from the qualifying's stored races, as
// the standings are, so a repeated or stopped run counts as it does there.
#pragma once

#include "Rennabendtabelle.h"
#include "Rennplan.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

struct Startplatz {
    QString fahrer;
    // The best lap in seconds or the distance, as the qualifying counts; none without a lap.
    std::optional<double> ergebnis;
    std::optional<double> besteRunde; // seconds
};

struct Startaufstellung {
    std::vector<Startplatz> plaetze; // the best first
    // Nobody set a result: the order is the roster's.
    bool nachFahrerliste = false;

    QStringList fahrer() const;
    // What to tell the racers about the order; empty when the qualifying decided it.
    QString hinweis() const;
};

// The qualifying's Läufe: the drivers in the roster's order, as many to a Lauf as the track
// has lanes, the last one short.
Rennplan qualifikationsplan(const QStringList& fahrer, int spurenzahl);

// The starting order of these drivers (the roster's order) from the qualifying's races. By
// best lap the lower time first, by distance the longer; level drivers by the better best
// lap, then the roster. Drivers without a result follow in the roster's order.
Startaufstellung startaufstellung(Qualifikationsart art, const QStringList& fahrer,
                                  const std::vector<Abendrennen>& qualifikation);
