#include "Boxprotokoll.h"

#include <algorithm>
#include <array>

namespace Boxprotokoll {

namespace {

constexpr std::size_t Kopf = 3; // sync, type, length
constexpr std::size_t Schwanz = 2;
constexpr std::size_t LaengeZeit = 4;
constexpr std::size_t LaengeEreignis = 8;

void schreiben16(std::vector<std::uint8_t>& ziel, std::uint16_t wert) {
    ziel.push_back(static_cast<std::uint8_t>(wert & 0xFF));
    ziel.push_back(static_cast<std::uint8_t>(wert >> 8));
}

void schreiben32(std::vector<std::uint8_t>& ziel, std::uint32_t wert) {
    schreiben16(ziel, static_cast<std::uint16_t>(wert & 0xFFFF));
    schreiben16(ziel, static_cast<std::uint16_t>(wert >> 16));
}

std::uint16_t lesen16(const std::uint8_t* daten) {
    return static_cast<std::uint16_t>(daten[0] | (daten[1] << 8));
}

std::uint32_t lesen32(const std::uint8_t* daten) {
    return lesen16(daten) | (std::uint32_t{lesen16(daten + 2)} << 16);
}

// A checked frame's payload; nothing for kinds this reader does not know, or a known
// kind of the wrong length.
std::optional<Rahmen> auslesen(std::uint8_t typ, const std::uint8_t* nutzdaten,
                               std::size_t laenge) {
    if (typ == TypZeit && laenge == LaengeZeit)
        return Zeitrahmen{lesen32(nutzdaten)};
    if (typ == TypEreignis && laenge == LaengeEreignis)
        return Ereignisrahmen{lesen16(nutzdaten), lesen32(nutzdaten + 2), nutzdaten[6],
                              nutzdaten[7]};
    return std::nullopt;
}

} // namespace

std::uint16_t pruefsumme(const std::uint8_t* daten, std::size_t laenge) {
    std::uint16_t crc = 0xFFFF;
    for (std::size_t i = 0; i < laenge; ++i) {
        crc ^= static_cast<std::uint16_t>(daten[i] << 8);
        for (int bit = 0; bit < 8; ++bit)
            crc = static_cast<std::uint16_t>((crc & 0x8000) ? (crc << 1) ^ 0x1021 : crc << 1);
    }
    return crc;
}

std::vector<std::uint8_t> kodieren(const Rahmen& rahmen) {
    std::vector<std::uint8_t> bytes{Sync};
    if (const auto* zeit = std::get_if<Zeitrahmen>(&rahmen)) {
        bytes.insert(bytes.end(), {TypZeit, LaengeZeit});
        schreiben32(bytes, zeit->boxzeit);
    } else {
        const auto& ereignis = std::get<Ereignisrahmen>(rahmen);
        bytes.insert(bytes.end(), {TypEreignis, LaengeEreignis});
        schreiben16(bytes, ereignis.code);
        schreiben32(bytes, ereignis.zeitstempel);
        bytes.insert(bytes.end(), {ereignis.pegel, ereignis.dauerMs});
    }
    schreiben16(bytes, pruefsumme(bytes.data() + 1, bytes.size() - 1));
    return bytes;
}

void Rahmenleser::aufnehmen(std::uint8_t byte) {
    m_puffer.push_back(byte);
}

std::optional<Rahmen> Rahmenleser::naechsterRahmen() {
    std::array<std::uint8_t, Kopf + MaxNutzdaten + Schwanz> rahmen{};
    for (;;) {
        while (!m_puffer.empty() && m_puffer.front() != Sync)
            m_puffer.pop_front();
        if (m_puffer.size() < Kopf)
            return std::nullopt;
        const std::size_t laenge = m_puffer[2];
        if (laenge > MaxNutzdaten) {
            m_puffer.pop_front();
            continue;
        }
        const std::size_t gesamt = Kopf + laenge + Schwanz;
        if (m_puffer.size() < gesamt)
            return std::nullopt;
        std::copy_n(m_puffer.begin(), gesamt, rahmen.begin());
        if (pruefsumme(rahmen.data() + 1, gesamt - 1 - Schwanz) !=
            lesen16(rahmen.data() + gesamt - Schwanz)) {
            // Not a frame after all: its sync byte was garbage or the frame was damaged.
            // A real frame may begin at any later byte.
            m_puffer.pop_front();
            continue;
        }
        m_puffer.erase(m_puffer.begin(), m_puffer.begin() + static_cast<std::ptrdiff_t>(gesamt));
        if (std::optional<Rahmen> gelesen = auslesen(rahmen[1], rahmen.data() + Kopf, laenge))
            return gelesen;
    }
}

} // namespace Boxprotokoll
