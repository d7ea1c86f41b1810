// The sensor board's clock as the program's clock: microseconds, from the board's stamps
// and time reports. Between reports it runs on with the host's monotonic clock, so the
// race clock, crash pauses and laps by hand keep going while no byte comes (a lost
// board). A board that restarts (its clock from zero) continues the count where it stood,
// whether its hello reaches the program or only its time, which then goes back. A time far
// from the clock as heard is no time of this board (a damaged frame whose checksum still
// fits): it is refused, and only a second report that runs on from it moves the clock.
#pragma once

#include "Uhr.h"

#include <cstdint>
#include <functional>
#include <optional>

class Platinenuhr final : public Uhr {
public:
    static constexpr int TicksProSekunde = 1'000'000;
    // A stamp further than this from the clock as heard is refused. An edge reaches the
    // program well under 0.2 s after its stamp even when the board's queue is full, and
    // reports read in a burst after the program was busy lead the host's count by their
    // spacing, 0.1 s.
    static constexpr std::int64_t Spielraum = TicksProSekunde;

    // Monotonic host time in nanoseconds.
    using Hostuhr = std::function<std::int64_t()>;
    explicit Platinenuhr(Hostuhr hostuhr = steadyClock);

    // Never goes back, however the reports jitter.
    std::int64_t ticks() override;
    int ticksProSekunde() const override { return TicksProSekunde; }

    // A board said hello: its clock runs at this rate and stands here now.
    void hallo(std::uint32_t platinenTicksProSekunde, std::uint64_t platinenzeit);

    enum class Befund {
        Passt,
        Neustart, // behind the last report: the board restarted, the clock goes on from here
        Fern,     // refused: far ahead of the clock as heard
        Versetzt, // the second far report in a row that runs on from the first: taken
    };
    // A time report of the board that said hello last.
    Befund zeitmeldung(std::uint64_t platinenzeit);

    // A stamp of that board on this clock.
    std::int64_t stempel(std::uint64_t platinenzeit) const;
    // How far a stamp lies outside the span from the last report to the clock now, in
    // microseconds: negative before it, positive after it, 0 within.
    std::int64_t abstand(std::uint64_t platinenzeit) const;
    bool fern(std::uint64_t platinenzeit) const;

    // The board's own time in microseconds (from its reset). Beyond 2^60 us, some
    // ten thousand years, it stands still.
    std::int64_t mikrosekunden(std::uint64_t platinenzeit) const;

    static std::int64_t steadyClock();

private:
    void ansetzen(std::uint64_t platinenzeit, std::int64_t jetzt);
    void bezugSetzen(std::int64_t stand);
    std::int64_t geschaetzt() const;

    struct Bezug {
        std::int64_t stand;    // this clock
        std::int64_t hostzeit; // at this host time
    };
    struct Meldung {
        std::uint64_t platinenzeit;
        std::int64_t hostzeit;
    };

    Hostuhr m_hostuhr;
    std::uint32_t m_platinenTicks = TicksProSekunde;
    std::int64_t m_versatz = 0; // this clock minus the board's, in microseconds
    Bezug m_bezug;
    std::int64_t m_zuletzt = 0;
    std::uint64_t m_letzteMeldung = 0; // the board time of the last report taken
    std::optional<Meldung> m_ferne;    // a refused report a next one may confirm
};
