#include "Pannen.h"

#include "Platinenprotokoll.h"

#include <algorithm>

namespace {
constexpr std::uint64_t EineStunde = 3600ULL * 2'000'000;
} // namespace

bool Pannen::faellig(std::optional<std::int64_t> wann, std::optional<std::int64_t> gruen,
                     std::int64_t ms) {
    return wann && gruen && ms >= *gruen + *wann;
}

bool Pannen::neustartFaellig(std::optional<std::int64_t> gruen, std::int64_t ms) {
    if (m_neugestartet || !faellig(m_plan.neustart, gruen, ms))
        return false;
    m_neugestartet = true;
    // The new firmware says hello first thing; a frame the old one left torn is the
    // program's to skip.
    m_verschlucken = PROTOKOLL_KOPF + LAENGE_HALLO + PROTOKOLL_SCHWANZ;
    m_kopf = m_rest = 0;
    return true;
}

std::vector<std::uint8_t> Pannen::zumProgramm(const std::vector<std::uint8_t>& bytes) {
    const std::size_t verschluckt = std::min(m_verschlucken, bytes.size());
    m_verschlucken -= verschluckt;
    std::vector<std::uint8_t> weiter(bytes.begin() + static_cast<std::ptrdiff_t>(verschluckt),
                                     bytes.end());
    for (const std::uint8_t byte : weiter)
        verfolgen(byte);
    return weiter;
}

std::vector<std::uint8_t> Pannen::falscheZeiten(std::optional<std::int64_t> gruen, std::int64_t ms,
                                                std::uint64_t platinenzeit) {
    std::vector<std::uint8_t> bytes;
    if (m_gefaelscht || !faellig(m_plan.falscheZeiten, gruen, ms) || m_kopf != 0 || m_rest != 0)
        return bytes;
    m_gefaelscht = true;
    using namespace Platinenprotokoll;
    for (const Meldung& m : {Meldung{Flanke{1, false, platinenzeit + EineStunde}},
                             Meldung{Zeit{platinenzeit + EineStunde}}}) {
        const std::vector<std::uint8_t> rahmen = kodieren(m);
        bytes.insert(bytes.end(), rahmen.begin(), rahmen.end());
    }
    return bytes;
}

void Pannen::verfolgen(std::uint8_t byte) {
    if (m_kopf == 0 && m_rest == 0) {
        if (byte == PROTOKOLL_SYNC)
            m_kopf = PROTOKOLL_KOPF - 1;
    } else if (m_kopf > 0) {
        // Kind, then length: the payload and the CRC follow.
        if (--m_kopf > 0)
            m_art = byte;
        else
            m_rest = byte + PROTOKOLL_SCHWANZ;
    } else if (--m_rest == 0 && m_art == MELDUNG_ZEIT) {
        ++m_zeitmeldungen;
    }
}

bool Pannen::zurPlatine(std::vector<std::uint8_t>& bytes) {
    if (m_beschaedigt || !m_plan.kaputteAmpel)
        return false;
    // The program writes each command at once, so it arrives whole in one read.
    const std::vector<std::uint8_t> befehl =
        Platinenprotokoll::ampel(static_cast<std::uint8_t>(*m_plan.kaputteAmpel));
    const auto stelle = std::search(bytes.begin(), bytes.end(), befehl.begin(), befehl.end());
    if (stelle == bytes.end())
        return false;
    m_beschaedigt = true;
    *(stelle + static_cast<std::ptrdiff_t>(befehl.size()) - 1) ^= 0x01;
    return true;
}
