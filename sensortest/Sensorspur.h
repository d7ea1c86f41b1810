// What one lane's sensor did while the sensor test watched it: its edges grouped into
// bursts (one passage: the contact bouncing, the car over the sensor), the bounce within
// a burst and the lap time between bursts, as a race would count them.
#pragma once

#include "Leitungen.h"

#include <cstdint>
#include <optional>

// Edges closer together than this belong to one passage.
inline constexpr std::int64_t Buendelpause = 500; // ms

class Sensorspur {
public:
    // An edge of this lane's line at `zeit` (ms on the system clock). `zaehlt`: the line
    // handler would take it as a lap signal (any CD change, a DSR drop).
    void flanke(std::int64_t zeit, bool pegel, bool zaehlt);
    void pegelSetzen(bool pegel) { m_pegel = pegel; }

    std::optional<bool> pegel() const { return m_pegel; }
    int flanken() const { return m_flanken; }
    std::optional<std::int64_t> letzteFlanke() const { return m_letzte; }
    // The shortest gap between two edges of the last burst, ms.
    std::optional<std::int64_t> prellabstand() const { return m_prellabstand; }
    // The time between the first lap signals of the last two bursts, ms.
    std::optional<std::int64_t> rundenzeit() const { return m_rundenzeit; }
    std::optional<std::int64_t> kuerzesteRunde() const { return m_kuerzesteRunde; }
    // The longest time from a burst's first lap signal to its last, ms: a debounce time
    // must be longer, or the burst counts twice.
    std::optional<std::int64_t> laengstesPrellen() const { return m_laengstesPrellen; }

private:
    std::optional<bool> m_pegel;
    int m_flanken = 0;
    std::optional<std::int64_t> m_letzte;
    std::optional<std::int64_t> m_prellabstand;
    std::optional<std::int64_t> m_rundenzeit;
    std::optional<std::int64_t> m_kuerzesteRunde;
    std::optional<std::int64_t> m_laengstesPrellen;
    // The burst under way: its first lap signal, and the one of the burst before.
    std::optional<std::int64_t> m_buendelSignal;
    std::optional<std::int64_t> m_vorigesSignal;
};
