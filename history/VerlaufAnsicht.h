// What the history window "Rennverlauf" shows, as plain data: the list of races with its
// filter, one race's lap-time chart, or a driver's page with the chart of best laps by
// day. The logic writes it; the window only renders it.
#pragma once

#include "Farben.h"
#include "Reihe.h"

#include <QPointF>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// A race in the list.
struct Rennzeile {
    qint64 nummer = 0;
    bool wartet = false; // not in the database yet; shown as "wartet" instead of a number
    QString datum, modus, fahrer, runden, sieger, besteRunde;
    Spuren<QString> namen; // the drivers of the first heat's lanes, as stored

    bool operator==(const Rennzeile&) const = default;
};

// One line of a chart: a lane's laps (x the lap, y its time), or a driver's best lap by
// day (x the day as milliseconds since 1970, y the time).
struct Kurve {
    QString name;
    std::optional<Farbe> farbe; // none: the chart's own
    bool gestrichelt = false;   // the second heat of a lane-change race
    std::vector<QPointF> punkte;
    std::vector<QPointF> bestzeiten; // marked as the best lap
    std::vector<QPointF> handrunden; // marked as given by hand
    std::vector<QPointF> doppelt;    // far under the lane's median lap: counted twice?
    std::vector<QPointF> verpasst;   // far over it: a crossing missed?

    bool operator==(const Kurve&) const = default;
};

struct Diagramm {
    QString titel;
    QString achseX, achseY;
    bool tage = false; // x holds days
    std::vector<Kurve> kurven;

    bool operator==(const Diagramm&) const = default;
};

// A class's own table in a season: its drivers, ranked among themselves.
struct Saisonklasse {
    QString name;
    std::vector<QStringList> zeilen;
};

// A season's championship table: the race nights named with one season, added up; under it
// one table per class of drivers, with the same header.
struct Saisonwertung {
    QString name;
    int abende = 0;
    QStringList kopf;
    std::vector<QStringList> zeilen;
    int streichresultate = 0; // each driver's worst nights dropped
    std::vector<Saisonklasse> klassen = {};
};

struct VerlaufAnsicht {
    enum class Seite { Liste, Rennen, Fahrer, Saison };

    Seite seite = Seite::Liste;
    QString hinweis; // lines above everything: read-only database, a read error, races waiting
    QString tasten;  // the keys the page takes
    bool korrektur = false; // a race's page takes the keys of its correction

    // The list, newest first, as the filter leaves it.
    QString filter;
    std::vector<Rennzeile> zeilen;
    int auswahl = -1; // row in zeilen, -1 for none
    QString leertext; // shown instead of an empty list

    // A race, a driver or a season: a heading, lines of figures, and a chart (none for a
    // season).
    QString ueberschrift;
    QStringList angaben;
    Diagramm diagramm;
    // A season's championship table instead of the chart; empty on the other pages.
    QStringList tabellenkopf;
    std::vector<QStringList> tabelle;
    // Rows of `tabelle` that head a class's table, with the class's name in their one cell.
    std::vector<std::size_t> tabellentitel;
};
