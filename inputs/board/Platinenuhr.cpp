#include "Platinenuhr.h"

#include <algorithm>
#include <chrono>

namespace {
// What a board sends is not to be trusted with the race's arithmetic: no value of this clock
// lies beyond 2^60 us (36,000 years) either way, so sums and differences of a few of them
// cannot overflow.
constexpr std::int64_t Grenze = std::int64_t{1} << 60;

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
    const std::int64_t seither = begrenzt((m_hostuhr() - m_bezug.hostzeit) / 1000);
    m_zuletzt = std::max(m_zuletzt, begrenzt(m_bezug.stand + seither));
    return m_zuletzt;
}

void Platinenuhr::hallo(std::uint32_t platinenTicksProSekunde, std::uint64_t platinenzeit) {
    const std::int64_t jetzt = ticks();
    m_platinenTicks = platinenTicksProSekunde;
    m_versatz = begrenzt(jetzt - mikrosekunden(platinenzeit));
    bezugSetzen(jetzt);
}

void Platinenuhr::zeitmeldung(std::uint64_t platinenzeit) {
    bezugSetzen(stempel(platinenzeit));
}

std::int64_t Platinenuhr::stempel(std::uint64_t platinenzeit) const {
    return begrenzt(m_versatz + mikrosekunden(platinenzeit));
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

void Platinenuhr::bezugSetzen(std::int64_t stand) {
    m_bezug = {stand, m_hostuhr()};
}
