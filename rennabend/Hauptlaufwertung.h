// How the mains finished, and the night's places after them: the A main's order first, then
// the B main's without the driver who moved up from it, and so on; whoever drove no main
// comes last. Computed from the mains' stored races every time, like the standings.
#pragma once

#include "Hauptlaeufe.h"
#include "Qualifikation.h"
#include "Rennabend.h"
#include "Rennabendtabelle.h"

#include <QStringList>
#include <vector>

// The races of each main, in the order of the einteilung's mains (the A main's first).
using Hauptlaufrennen = std::vector<std::vector<Abendrennen>>;

// Who drives each main (the A main's first): its seeds and, on the bump-up's seat, the winner
// of the main below once that main has a race that counts.
std::vector<QStringList> hauptlauffahrer(const Rennabendregeln& regeln,
                                         const Hauptlaufeinteilung& einteilung,
                                         const Hauptlaufrennen& rennen);

// The order a main finished in, by the night's scoring within it; a night that counts wins
// (the two-lane rule) counts the places of the main's Läufe instead, so that second over the
// line is second. Without a race that counts its drivers stand as they were seeded.
QStringList hauptlaufreihenfolge(const Rennabendregeln& regeln, const QStringList& fahrer,
                                 const std::vector<Abendrennen>& rennen);

// The night's places: each main's order, the A main's first, a driver in the first main he
// drove counted there only; then the drivers of `fahrer` in no main, in its order.
QStringList abendplaetze(const Rennabendregeln& regeln, const Hauptlaufeinteilung& einteilung,
                         const Hauptlaufrennen& rennen, const QStringList& fahrer);

// A night with a qualifying: the mains its qualifying set, the drivers of the night's roster
// seeded by the qualifying's Läufe, and the races each main has driven so far.
struct Abendhauptlaeufe {
    Startaufstellung aufstellung;
    Hauptlaufeinteilung einteilung;
    Hauptlaufrennen rennen;
};
Abendhauptlaeufe abendhauptlaeufe(const Rennabend& abend);

// The night's standings; in a night with a qualifying in the order of its places after the
// mains (before them, of the starting order), the drivers who left after them.
std::vector<Tabellenzeile> abendtabelle(const Rennabend& abend);
