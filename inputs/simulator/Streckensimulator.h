// Two cars on a track without sensors, for trying the program and for tests. They wait
// at the line until the light turns green (or roll in at a flying start), lap at about the
// mean lap time with some spread and now and then a slow lap, stand still during a crash
// pause and park once their lane has finished. Each passage changes the lane's line as a
// real sensor does: CD with a contact bounce, DSR on and off again.
#pragma once

#include "Leitungen.h"
#include "Rennstand.h"

#include <cstdint>
#include <optional>
#include <random>
#include <vector>

class Streckensimulator {
public:
    Streckensimulator(const Rennstand& rennen, double mittlereRundenzeit, std::uint32_t startwert);

    // The line changes due by `jetzt` (milliseconds on the race's system clock), oldest
    // first, each stamped with the moment it happened.
    std::vector<Leitungsereignis> fortschreiten(std::int64_t jetzt);
    // Seconds: no lap is shorter.
    double kuerzesteRunde() const;

private:
    struct Auto {
        bool faehrt = false;
        std::int64_t durchfahrt = 0; // track time of the next passage
    };
    struct Geplant {
        std::int64_t bahnzeit;
        Leitungsereignis ereignis;
    };

    void durchfahrtPlanen(int spur, std::int64_t bahnzeit);
    void planen(std::int64_t bahnzeit, Leitung leitung, bool pegel);
    std::int64_t rundenzeit();
    std::int64_t gleichverteilt(std::int64_t von, std::int64_t bis);

    const Rennstand& m_rennen;
    double m_mittel; // milliseconds
    std::mt19937 m_zufall;
    std::optional<std::int64_t> m_letzteZeit;
    // Runs with the clock except during a crash pause, when the whole track stands still.
    std::int64_t m_bahnzeit = 0;
    Spuren<Auto> m_autos;
    std::vector<Geplant> m_geplant; // by track time
};
