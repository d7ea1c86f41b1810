// The standings of a race night, computed from its stored races every time they are shown:
// the night keeps no table of its own that could disagree with the races.
#pragma once

#include "Rennabendregeln.h"
#include "Rennaufzeichnung.h"

#include <QStringList>
#include <optional>
#include <vector>

// A stored race of the night and the number of the plan's entry (from 1) it drove.
struct Abendrennen {
    int nummer = 0;
    Rennaufzeichnung rennen;
    bool finale = false;
};

struct Tabellenzeile {
    QString fahrer;
    int punkte = 0; // for Begegnungen, wins or places; a rotation ranks by time or distance
    int siege = 0;
    int unentschieden = 0;
    int niederlagen = 0;
    int gewertet = 0;                 // Begegnungen or Läufe that count
    double gesamtzeit = 0;            // seconds over every heat at the finish
    double distanz = 0;               // laps with their fractions, in races by time
    int runden = 0;                   // laps driven
    std::optional<double> besteRunde; // seconds
    bool ausgeschieden = false;       // left the night; what was won stays
};

// Ranked by the night's scoring. Counting wins (the two-lane nights' rule): Begegnungen by
// points, then wins, then best lap; a rotation of pairs by Läufe driven, then distance (in
// races by time), then total time, then wins and best lap; the round over every lane by the
// points of its wins, then best lap. Counting places: by the points of every place in every
// Lauf, then best lap. Counting the distance: by the distance over every Lauf (by laps: the
// laps, then the lower total time), then best lap. Drivers still level
// keep the roster's order. Of the races with one
// number the last completed one counts (a repeat replaces the race before, which stays in the
// history); a stopped race counts for nothing. The final earns no points: its winner
// ranks first and the loser second, a drawn final leaves them as they were. A driver not in
// `fahrer` or `ausgeschieden` is not in the table, and a free lane counts for nobody.
std::vector<Tabellenzeile> rennabendtabelle(const Rennabendregeln& regeln,
                                            const QStringList& fahrer,
                                            const QStringList& ausgeschieden,
                                            const std::vector<Abendrennen>& rennen);

// Whether the standings count points (and show them).
bool mitPunkten(const Rennabendregeln& regeln);
