// A track for races by time: the test track with a lap count of no account, whose clock
// runs in steps of 10 ms and rings the alarm when due.
#pragma once

#include "Rennbahn.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

// Every crossing waits for its moment.
struct Zeitbahn : Rennbahn {
    explicit Zeitbahn(Zielregel regel, std::int32_t dauer = 20) {
        einstellen([&](Renneinstellungen& e) {
            e.rennart = Rennlaenge::Zeit;
            e.renndauer = dauer;
            e.zielregel = regel;
            e.rundenzahl = 2; // plays no part
        });
    }
    void bis(double sekunden) {
        const std::int64_t ziel = Basis + std::llround(sekunden * 1000);
        while (uhr.stand < ziel) {
            uhr.stand = std::min(uhr.stand + 10, ziel);
            if (wecker.klingelt(uhr.stand))
                rennen.rennzeitTick();
        }
    }
    void durch(int spur, double sekunden) {
        bis(sekunden);
        rennen.handrunde(spur);
    }
    // Crossings of a lane every `runde` seconds from `erste` on, until `bisZu`, driven in
    // the order of time with the other lane's by fahren().
    void plan(int spur, double erste, double runde, double bisZu) {
        for (double t = erste; t <= bisZu + 1e-9; t += runde)
            m_plan.push_back({t, spur});
    }
    void fahren(double bisZu) {
        std::sort(m_plan.begin(), m_plan.end());
        while (!m_plan.empty() && m_plan.front().first <= bisZu) {
            durch(m_plan.front().second, m_plan.front().first);
            m_plan.erase(m_plan.begin());
        }
        bis(bisZu);
    }
    double distanz(int spur) const { return stand().spuren[spur].distanz; }

private:
    std::vector<std::pair<double, int>> m_plan;
};
