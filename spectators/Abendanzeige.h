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
    // On a wider track the drivers of lanes 3 on; an empty name leaves its lane free.
    QStringList weitere = {};
    int nummer = 0;                                // the entry's, told on a wider track
    std::vector<std::optional<Farbe>> farben = {}; // the drivers' colours, lane 1 first

    bool operator==(const Abendpaarung&) const = default;
};

// Where one driver of the night drives next, for the page that follows that driver.
struct Fahrerlauf {
    QString name;
    QString text; // "Dein nächster Lauf: Lauf 5, Spur 3"

    bool operator==(const Fahrerlauf&) const = default;
};

struct Abendanzeige {
    QStringList kopf;
    std::vector<Abendzeile> tabelle;      // ranked, the leader first
    std::optional<Abendpaarung> naechste; // none once the night is over
    QString stelle; // the entry driven or due of all: "Begegnung 2 von 3", "Lauf 4 von 9"
    std::vector<Fahrerlauf> fahrerlaeufe = {}; // every driver with a Lauf still to come

    bool operator==(const Abendanzeige&) const = default;
};
