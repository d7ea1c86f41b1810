// The cars for the simulated board, one per lane: they wait on the grid until the program's
// light turns green (or to a flying start), then lap until it turns amber or dark. One car
// may jump the start: it crosses the line once during the countdown, a second after the
// first red lamp, and starts from the grid at green like the others. Each crossing falls on
// a whole millisecond of simulated time, so the lap times a program shows can be checked to
// the digit.
#pragma once

#include <cstdint>
#include <optional>
#include <random>
#include <vector>

struct Durchfahrt {
    int spur = 0;
    std::int64_t ms = 0; // simulated time
};

class Strecke {
public:
    // `spuren` cars, 1 to 8; the one on lane `fruehstart` jumps the start.
    Strecke(double rundenzeit, unsigned seed, int spuren = 2,
            std::optional<int> fruehstart = std::nullopt);

    // A state of the program's traffic light, seen at this simulated millisecond.
    void ampel(int zustand, std::int64_t ms);
    // The crossings up to this simulated millisecond, in order, each once.
    std::vector<Durchfahrt> bis(std::int64_t ms);
    // When the cars first left the grid.
    std::optional<std::int64_t> gruen() const { return m_gruen; }

private:
    std::int64_t runde(int spur);

    double m_rundenzeit;
    std::mt19937 m_zufall;
    bool m_faehrt = false;
    std::optional<std::int64_t> m_gruen;
    // Each lane's next crossing.
    std::vector<std::int64_t> m_naechste;
    // The lane that jumps the start, and when, once the countdown has begun.
    std::optional<int> m_fruehstartSpur;
    std::optional<std::int64_t> m_fruehstart;
};
