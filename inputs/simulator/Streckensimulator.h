// A car per lane on a track without sensors, for trying the program and for tests. They
// wait at the line until the light turns green (or roll in at a flying start), lap at about
// their own mean lap time with some spread and now and then a slow lap, stand still during
// a crash pause and park once their lane has finished; a lane marked free has no car. Each
// passage changes the lane's line as a real sensor does, on the port and line the lane is
// wired to (lanes 1 to 4 on the first port, 5 to 8 on the second): CD with a contact
// bounce, DSR, CTS and RI on and off again.
#pragma once

#include "Leitungen.h"
#include "Rennstand.h"

#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <vector>

// The line changes due on each sensor port, the first port's first.
using Portereignisse = std::array<std::vector<Leitungsereignis>, 2>;

class Streckensimulator {
public:
    Streckensimulator(const Rennstand& rennen, double mittlereRundenzeit, std::uint32_t startwert);

    // The line changes due by `jetzt` (milliseconds on the race's system clock), oldest
    // first, each stamped with the moment it happened.
    Portereignisse fortschreiten(std::int64_t jetzt);
    // Seconds: no lap of the track's cars is shorter.
    double kuerzesteRunde() const;

private:
    struct Auto {
        bool faehrt = false;
        std::int64_t durchfahrt = 0; // track time of the next passage
    };
    struct Geplant {
        std::int64_t bahnzeit;
        int port;
        Leitungsereignis ereignis;
    };

    void durchfahrtPlanen(int spur, std::int64_t bahnzeit);
    void planen(std::int64_t bahnzeit, int spur, bool pegel);
    std::int64_t rundenzeit(int spur);
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
