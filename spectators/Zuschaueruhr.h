// The race clock the spectators see: it runs on the system clock from green, stands still
// in a crash pause and at the end, and shows minutes, seconds and the tenth begun.
#pragma once

#include "Uhr.h"

#include <QString>
#include <cstdint>
#include <optional>

class Zuschaueruhr {
public:
    explicit Zuschaueruhr(Uhr& uhr) : m_uhr(uhr) {}

    // Green: the clock starts, once a race.
    void gruen();
    void pause(bool an);
    // The end: the clock stands at `sekunden`, or where it is.
    void anhalten(std::optional<double> sekunden = std::nullopt);
    // No race: no clock.
    void loeschen();

    bool gestartet() const { return m_gruen.has_value(); }
    bool laeuft() const { return m_gruen && !m_pauseSeit && !m_schluss; }
    // Race time in seconds; 0 before green.
    double sekunden() const;
    // "0:07,3", "12:34,5".
    QString text() const;

private:
    Uhr& m_uhr;
    // The system clock's ticks at green, the ticks paused since, and the race time at the end.
    std::optional<std::int64_t> m_gruen;
    std::int64_t m_pausiert = 0;
    std::optional<std::int64_t> m_pauseSeit;
    std::optional<double> m_schluss;
};
