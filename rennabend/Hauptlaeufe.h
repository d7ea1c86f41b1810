// The mains after a night's qualifying: the best of the starting order in the A main, the
// next in the B main and so on, each as many as the track has lanes. With bump-ups each main
// above the lowest keeps its last lane for the winner of the main below, and the mains are
// driven from the lowest up so that he is known when his seat is due.
#pragma once

#include "Rennabendregeln.h"
#include "Rennplan.h"

#include <QString>
#include <QStringList>
#include <vector>

struct Hauptlauf {
    QString name;                 // "A", "B", …
    QStringList fahrer;           // its seeded drivers, the best first
    bool aufsteigerplatz = false; // its last lane is the seat of the winner of the main below
};

struct Hauptlaufeinteilung {
    std::vector<Hauptlauf> laeufe; // the A main first
    bool aufsteiger = false;

    // The indices of `laeufe` in the order they are driven: with bump-ups the lowest first,
    // without the A main first.
    std::vector<std::size_t> fahrfolge() const;
};

// The name of the main with this index (from 0): "A", "B", …, after "Z" "AA", "AB", …
QString hauptlaufName(std::size_t index);

// The mains of this starting order on `spurenzahl` lanes. The lowest main takes who is left,
// so it may be short; a lowest main of one driver joins the one above when that keeps the
// main within the lanes.
Hauptlaufeinteilung hauptlaeufe(const QStringList& startaufstellung, int spurenzahl,
                                bool aufsteiger);

// The Läufe of a main: its seeds on lanes 1 on, the bump-up's seat on the last lane, or a
// rotation of them all. The seat stays free while `aufsteiger` is empty, the main below not
// decided yet.
Rennplan hauptlaufPlan(const Hauptlauf& lauf, int spurenzahl, Hauptlaufmodus modus,
                       const QString& aufsteiger = {});
