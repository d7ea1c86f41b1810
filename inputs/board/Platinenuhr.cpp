#include "Platinenuhr.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>

namespace {
// What a board sends is not to be trusted with the race's arithmetic: no value of this clock
// lies beyond 2^60 us (36,000 years) either way, so sums and differences of a few of them
// cannot overflow.
constexpr std::int64_t Grenze = std::int64_t{1} << 60;

// Two reports in a row run on together when their board times lie apart by the host time
// between their arrival, give or take this: reports read in one burst arrive together.
constexpr std::int64_t Gleichlauf = Platinenuhr::TicksProSekunde / 4;

std::int64_t begrenzt(std::int64_t wert) {
    return std::clamp(wert, -Grenze, Grenze);
}
} // namespace

Platinenuhr::Platinenuhr(Hostuhr hostuhr)
    : m_hostuhr(std::move(hostuhr)), m_bezug{0, m_hostuhr()} {}

std::int64_t Platinenuhr::steadyClock() {
    using namespace std::chrono;
    return duration_cast<nanoseconds>(steady_clock::now().time_since_epoch()).count();
}

std::int64_t Platinenuhr::ticks() {
    m_zuletzt = std::max(m_zuletzt, geschaetzt());
    return m_zuletzt;
}

// The clock from the last report and the host's count since, without the guard against
// going back.
std::int64_t Platinenuhr::geschaetzt() const {
    return begrenzt(m_bezug.stand + begrenzt((m_hostuhr() - m_bezug.hostzeit) / 1000));
}

void Platinenuhr::hallo(std::uint32_t platinenTicksProSekunde, std::uint64_t platinenzeit) {
    m_platinenTicks = platinenTicksProSekunde;
    ansetzen(platinenzeit, ticks());
}

Platinenuhr::Befund Platinenuhr::zeitmeldung(std::uint64_t platinenzeit) {
    // From the count since the last report, not from ticks(): a program that was kept from
    // reading for a while may have shown the clock ahead in the meantime.
    if (platinenzeit < m_letzteMeldung) {
        ansetzen(platinenzeit, geschaetzt());
        return Befund::Neustart;
    }
    if (abstand(platinenzeit) <= Spielraum) {
        m_ferne.reset();
        m_letzteMeldung = platinenzeit;
        bezugSetzen(stempel(platinenzeit));
        return Befund::Passt;
    }
    const Meldung meldung{platinenzeit, m_hostuhr()};
    if (m_ferne && platinenzeit > m_ferne->platinenzeit &&
        std::abs(mikrosekunden(platinenzeit) - mikrosekunden(m_ferne->platinenzeit) -
                 (meldung.hostzeit - m_ferne->hostzeit) / 1000) <= Gleichlauf) {
        ansetzen(platinenzeit, geschaetzt());
        return Befund::Versetzt;
    }
    m_ferne = meldung;
    return Befund::Fern;
}

std::int64_t Platinenuhr::stempel(std::uint64_t platinenzeit) const {
    return begrenzt(m_versatz + mikrosekunden(platinenzeit));
}

std::int64_t Platinenuhr::abstand(std::uint64_t platinenzeit) const {
    const std::int64_t zeit = stempel(platinenzeit);
    if (zeit < m_bezug.stand)
        return zeit - m_bezug.stand;
    return std::max<std::int64_t>(0, zeit - geschaetzt());
}

bool Platinenuhr::fern(std::uint64_t platinenzeit) const {
    return std::abs(abstand(platinenzeit)) > Spielraum;
}

std::int64_t Platinenuhr::mikrosekunden(std::uint64_t platinenzeit) const {
    // In whole seconds and the rest, so no product overflows.
    const std::uint64_t rate = m_platinenTicks;
    const std::uint64_t sekunden = platinenzeit / rate;
    if (sekunden >= static_cast<std::uint64_t>(Grenze / TicksProSekunde))
        return Grenze;
    return static_cast<std::int64_t>(sekunden * TicksProSekunde +
                                     platinenzeit % rate * TicksProSekunde / rate);
}

// The board's clock stands at this time when this clock stands at `jetzt`.
void Platinenuhr::ansetzen(std::uint64_t platinenzeit, std::int64_t jetzt) {
    m_versatz = begrenzt(jetzt - mikrosekunden(platinenzeit));
    m_letzteMeldung = platinenzeit;
    m_ferne.reset();
    bezugSetzen(jetzt);
}

void Platinenuhr::bezugSetzen(std::int64_t stand) {
    m_bezug = {stand, m_hostuhr()};
}
