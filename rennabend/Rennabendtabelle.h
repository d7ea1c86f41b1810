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
    int punkte = 0; // for Begegnungen; a rotation ranks by time or distance
    int siege = 0;
    int unentschieden = 0;
    int niederlagen = 0;
    int gewertet = 0;                 // Begegnungen or Läufe that count
    double gesamtzeit = 0;            // seconds over every heat at the finish
    double distanz = 0;               // laps with their fractions, in races by time
    std::optional<double> besteRunde; // seconds
    bool ausgeschieden = false;       // left the night; what was won stays
};

// Ranked: Begegnungen by points, then wins, then best lap; a rotation by Läufe driven, then
// distance (in races by time), then total time, then wins and best lap. Of the races with one
// number the last completed one counts (a repeat replaces the race before, which stays in the
// history); a stopped race counts for nothing. The final earns no points: its winner
// ranks first and the loser second, a drawn final leaves them as they were. A driver not in
// `fahrer` or `ausgeschieden` is not in the table.
std::vector<Tabellenzeile> rennabendtabelle(const Rennabendregeln& regeln,
                                            const QStringList& fahrer,
                                            const QStringList& ausgeschieden,
                                            const std::vector<Abendrennen>& rennen);
