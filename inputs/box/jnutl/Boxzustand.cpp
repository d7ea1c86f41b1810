#include "Boxzustand.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr std::uint16_t DurchfahrtSensor1 = 0x202;
constexpr std::uint16_t DurchfahrtSensor2 = 0x203;
constexpr std::int64_t BoxTicksProSekunde = 4800;
constexpr std::int64_t NanosekundenProSekunde = 1'000'000'000;
constexpr std::uint32_t TicksProNachlaufschritt = BoxTicksProSekunde / 10;
// A pulse counts when its level plus the sensitivity reaches this.
constexpr int Pegelschwelle = 130;
// A time frame is stamped as its first byte leaves the box; its nine bytes of ten bits
// each take this long at 4800 baud before the frame is complete here.
constexpr std::int64_t Uebertragung = 9 * 10 * NanosekundenProSekunde / 4800;
// Time frames within this span count for the clock: their least delayed one gives it.
constexpr std::int64_t Fenster = 2 * NanosekundenProSekunde;
// A frame whose clock lies further than this from the one heard is a stray one, unless
// further frames agree with it: then the box clock has jumped (the box was restarted).
constexpr std::int64_t Sprungschwelle = BoxTicksProSekunde;
constexpr std::size_t Sprungbestaetigung = 3;

bool istFehler(std::uint16_t code) {
    return code >> 8 == 5;
}

// Host nanoseconds as box ticks, in whole seconds and the rest, so weeks cannot overflow.
std::int64_t ticks(std::int64_t nanosekunden) {
    return nanosekunden / NanosekundenProSekunde * BoxTicksProSekunde +
           nanosekunden % NanosekundenProSekunde * BoxTicksProSekunde / NanosekundenProSekunde;
}

} // namespace

Boxzustand::Boxzustand(Hostuhr hostuhr) : m_hostuhr(std::move(hostuhr)) {}

std::int16_t Boxzustand::InitBoxes() {
    m_leser.zuruecksetzen();
    m_scharf.reset();
    m_bereit.reset();
    m_letzteDurchfahrt = {};
    return JnutlVersion;
}

std::int16_t Boxzustand::OpenBox(std::int32_t box, const std::int16_t* konfiguration) {
    if (box != 0 || konfiguration == nullptr)
        return -1;
    // The store may hold values no window ever accepted; the box takes the nearest limit.
    m_scharf = Parameter{std::clamp<int>(konfiguration[2], 0, 130),
                         std::clamp<int>(konfiguration[3], 0, 50),
                         std::clamp<int>(konfiguration[4], 0, 15), konfiguration[6] != 0};
    m_letzteDurchfahrt = {};
    return 0;
}

std::int16_t Boxzustand::RX_data(std::int32_t box, std::int32_t byte) {
    if (box != 0)
        return -1;
    m_leser.aufnehmen(static_cast<std::uint8_t>(byte & 0xFF));
    while (const std::optional<Boxprotokoll::Rahmen> rahmen = m_leser.naechsterRahmen()) {
        if (const auto* zeit = std::get_if<Boxprotokoll::Zeitrahmen>(&*rahmen)) {
            zeitGehoert(zeit->boxzeit);
            continue;
        }
        // Frames behind this event wait in the reader for the next byte; the caller
        // fetches one event per byte.
        m_bereit = melden(std::get<Boxprotokoll::Ereignisrahmen>(*rahmen));
        if (m_bereit)
            return JnutlEreignisBereit;
    }
    return 0;
}

std::optional<JnutlEreignis> Boxzustand::melden(const Boxprotokoll::Ereignisrahmen& rahmen) {
    std::int32_t code = rahmen.code;
    const auto zeitstempel = static_cast<std::int32_t>(rahmen.zeitstempel);
    // Code 0 is what Get_Event hands out for "no event": a frame with it reports nothing.
    if (code == 0)
        return std::nullopt;
    if (istFehler(rahmen.code))
        return JnutlEreignis{code, zeitstempel};
    if (!m_scharf)
        return std::nullopt;
    if (code == DurchfahrtSensor1 || code == DurchfahrtSensor2) {
        if (!durchfahrtZaehlt(rahmen))
            return std::nullopt;
        if (m_scharf->sensorTausch)
            code = code == DurchfahrtSensor1 ? DurchfahrtSensor2 : DurchfahrtSensor1;
    }
    return JnutlEreignis{code, zeitstempel};
}

bool Boxzustand::durchfahrtZaehlt(const Boxprotokoll::Ereignisrahmen& rahmen) {
    if (rahmen.pegel + m_scharf->empfindlichkeit < Pegelschwelle ||
        rahmen.dauerMs < m_scharf->verzoegerungMs)
        return false;
    auto& letzte = m_letzteDurchfahrt[static_cast<std::size_t>(rahmen.code - DurchfahrtSensor1)];
    // Unsigned difference: correct across the wrap of the box clock.
    if (letzte && rahmen.zeitstempel - *letzte <
                      static_cast<std::uint32_t>(m_scharf->nachlauf) * TicksProNachlaufschritt)
        return false;
    letzte = rahmen.zeitstempel;
    return true;
}

std::int16_t Boxzustand::Get_Event(JnutlEreignis* ereignis) {
    if (ereignis == nullptr)
        return -1;
    *ereignis = m_bereit.value_or(JnutlEreignis{0, 0});
    const bool warBereit = m_bereit.has_value();
    m_bereit.reset();
    return warBereit ? 0 : -1;
}

void Boxzustand::zeitGehoert(std::uint32_t boxzeit) {
    const Zeitbezug neu{boxzeit, m_hostuhr() - Uebertragung};
    const auto nahe = [](std::int64_t abstand) { return std::abs(abstand) <= Sprungschwelle; };
    if (m_bezuege.empty() || nahe(vorsprung(neu, besterBezug()))) {
        m_bezuege.push_back(neu);
        m_sprung.clear();
    } else {
        if (!m_sprung.empty() && !nahe(vorsprung(neu, m_sprung.back())))
            m_sprung.clear();
        m_sprung.push_back(neu);
        if (m_sprung.size() < Sprungbestaetigung)
            return;
        m_bezuege.assign(m_sprung.begin(), m_sprung.end());
        m_sprung.clear();
    }
    while (m_bezuege.front().hostzeit < m_bezuege.back().hostzeit - Fenster)
        m_bezuege.pop_front();
}

std::int32_t Boxzustand::vorsprung(const Zeitbezug& a, const Zeitbezug& b) {
    // Modulo the counter, like the box clock itself, so any time between them works.
    const auto vonB = static_cast<std::uint32_t>(ticks(a.hostzeit - b.hostzeit));
    return static_cast<std::int32_t>(a.boxzeit - (b.boxzeit + vonB));
}

const Boxzustand::Zeitbezug& Boxzustand::besterBezug() const {
    return *std::max_element(
        m_bezuege.begin(), m_bezuege.end(),
        [](const Zeitbezug& a, const Zeitbezug& b) { return vorsprung(b, a) > 0; });
}

std::int32_t Boxzustand::Get_TStamp(std::int32_t box) {
    if (box != 0 || m_bezuege.empty())
        return 0;
    const Zeitbezug& bezug = besterBezug();
    const std::int64_t vergangen = std::max<std::int64_t>(m_hostuhr() - bezug.hostzeit, 0);
    return static_cast<std::int32_t>(bezug.boxzeit + static_cast<std::uint32_t>(ticks(vergangen)));
}
