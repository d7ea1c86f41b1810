// Rosters for the plan tests and what a racer would count on a night's chart.
#pragma once

#include "Rennplan.h"
#include "Rotationsplan.h"

#include <QStringList>
#include <algorithm>
#include <map>

inline QStringList nummerierteFahrer(int n) {
    QStringList namen;
    for (int i = 0; i < n; ++i)
        namen << QStringLiteral("F%1").arg(i + 1);
    return namen;
}

// A two-lane plan as the Läufe it drives.
inline Spurplan laeufeVon(const Rennplan& plan) {
    Spurplan laeufe;
    for (const Paarung& p : plan)
        laeufe.push_back({p.spur1, p.spur2});
    return laeufe;
}

// Over every driver: the longest and shortest distance between two of its Läufe, and the
// most Läufe it drives in a row.
struct Wartezeiten {
    int laengste = 0, kuerzeste = 1 << 20, laengsteSerie = 0;
};

inline Wartezeiten wartezeiten(const Spurplan& plan) {
    std::map<QString, int> zuletzt, serie;
    Wartezeiten w;
    for (int h = 0; h < int(plan.size()); ++h)
        for (const QString& name : plan[static_cast<std::size_t>(h)]) {
            if (name.isEmpty())
                continue;
            if (zuletzt.count(name)) {
                w.laengste = std::max(w.laengste, h - zuletzt[name]);
                w.kuerzeste = std::min(w.kuerzeste, h - zuletzt[name]);
            }
            serie[name] = zuletzt.count(name) && zuletzt[name] == h - 1 ? serie[name] + 1 : 1;
            w.laengsteSerie = std::max(w.laengsteSerie, serie[name]);
            zuletzt[name] = h;
        }
    return w;
}
