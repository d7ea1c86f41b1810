// A race night as the spectators see it, handed to them by whoever runs the night: its
// standings as texts ready to show, the plan's entry being driven or due, and where the
// night stands. The spectators know nothing else of how a night is run.
#pragma once

#include "Farben.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

struct Abendzeile {
    QString name;       // the driver, as the night has them
    QStringList zellen; // under the heading: place, name, points or total, wins, best lap
    bool ausgeschieden = false;
    std::optional<Farbe> farbe = std::nullopt; // the driver's; none for one who left

    bool operator==(const Abendzeile&) const = default;
};

struct Abendpaarung {
    QString spur1; // the driver on lane 1 in the entry's first Lauf
    QString spur2;

    bool operator==(const Abendpaarung&) const = default;
};

struct Abendanzeige {
    QStringList kopf;
    std::vector<Abendzeile> tabelle;      // ranked, the leader first
    std::optional<Abendpaarung> naechste; // none once the night is over
    QString stelle; // the entry driven or due of all: "Begegnung 2 von 3", "Lauf 4 von 9"

    bool operator==(const Abendanzeige&) const = default;
};
