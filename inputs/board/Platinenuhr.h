// The sensor board's clock as the program's clock: microseconds, from the board's stamps
// and time reports. Between reports it runs on with the host's monotonic clock, so the
// race clock, crash pauses and laps by hand keep going while no byte comes (a lost
// board). A board that restarts (its clock from zero) continues the count where it stood.
#pragma once

#include "Uhr.h"

#include <cstdint>
#include <functional>
#include <optional>

class Platinenuhr final : public Uhr {
public:
    static constexpr int TicksProSekunde = 1'000'000;
    // Monotonic host time in nanoseconds.
    using Hostuhr = std::function<std::int64_t()>;
    explicit Platinenuhr(Hostuhr hostuhr = steadyClock);

    // Never goes back, however the reports jitter.
    std::int64_t ticks() override;
    int ticksProSekunde() const override { return TicksProSekunde; }

    // A board said hello: its clock runs at this rate and stands here now.
    void hallo(std::uint32_t platinenTicksProSekunde, std::uint64_t platinenzeit);
    // A time report of the board that said hello last.
    void zeitmeldung(std::uint64_t platinenzeit);
    // A stamp of that board on this clock.
    std::int64_t stempel(std::uint64_t platinenzeit) const;
    // The board's own time in microseconds (from its reset). Beyond 2^60 us, some
    // ten thousand years, it stands still.
    std::int64_t mikrosekunden(std::uint64_t platinenzeit) const;

    static std::int64_t steadyClock();

private:
    void bezugSetzen(std::int64_t stand);

    struct Bezug {
        std::int64_t stand;    // this clock
        std::int64_t hostzeit; // at this host time
    };

    Hostuhr m_hostuhr;
    std::uint32_t m_platinenTicks = TicksProSekunde;
    std::int64_t m_versatz = 0; // this clock minus the board's, in microseconds
    Bezug m_bezug;
    std::int64_t m_zuletzt = 0;
};
