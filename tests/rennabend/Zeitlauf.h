// A stored Lauf by time as the tests of the qualifying and the mains need it: per lane a
// driver, the distance he drove and his best lap; lanes without a driver are free.
#pragma once

#include "Rennabendtabelle.h"

#include <vector>

struct Zeitfahrt {
    QString fahrer; // empty: a free lane
    double distanz = 0;
    double besteRunde = 0; // seconds; 0: no lap at all
};

inline Abendrennen zeitlauf(int nummer, int spurenzahl, const std::vector<Zeitfahrt>& fahrten) {
    Abendrennen r{nummer, {}};
    r.rennen.rennart = Rennlaenge::Zeit;
    r.rennen.renndauer = 60;
    Spuren<Spurfahrt> lauf = Spuren<Spurfahrt>::fuer(spurenzahl);
    for (int spur = 1; spur <= spurenzahl; ++spur) {
        const std::size_t i = static_cast<std::size_t>(spur - 1);
        if (i >= fahrten.size() || fahrten[i].fahrer.isEmpty()) {
            r.rennen.freieSpuren |= 1U << (spur - 1);
            lauf[spur].fahrer = QStringLiteral("Fahrer %1").arg(spur);
            continue;
        }
        Spurfahrt& f = lauf[spur];
        f.fahrer = fahrten[i].fahrer;
        if (fahrten[i].besteRunde > 0)
            f.runden = {{fahrten[i].besteRunde + 0.4, 1, false}, {fahrten[i].besteRunde, 1, false}};
        f.gesamtzeit = 60;
        f.distanz = fahrten[i].distanz;
    }
    r.rennen.laeufe = {lauf};
    return r;
}
