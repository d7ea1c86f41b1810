#include "Rahmung.h"

#include <algorithm>
#include <array>

namespace Rahmung {

namespace {
constexpr std::size_t Kopf = 3; // sync, kind, length
constexpr std::size_t Schwanz = 2;
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

void schreiben(std::vector<std::uint8_t>& ziel, std::uint64_t wert, std::size_t bytes) {
    for (std::size_t i = 0; i < bytes; ++i)
        ziel.push_back(static_cast<std::uint8_t>(wert >> (8 * i)));
}

std::uint64_t lesen(const std::uint8_t* daten, std::size_t bytes) {
    std::uint64_t wert = 0;
    for (std::size_t i = bytes; i-- > 0;)
        wert = wert << 8 | daten[i];
    return wert;
}

std::vector<std::uint8_t> kodieren(std::uint8_t art, const std::vector<std::uint8_t>& nutzdaten) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(Kopf + nutzdaten.size() + Schwanz);
    bytes.push_back(Sync);
    bytes.push_back(art);
    bytes.push_back(static_cast<std::uint8_t>(nutzdaten.size()));
    bytes.insert(bytes.end(), nutzdaten.begin(), nutzdaten.end());
    schreiben(bytes, pruefsumme(bytes.data() + 1, bytes.size() - 1), Schwanz);
    return bytes;
}

std::optional<Rohrahmen> Leser::naechster() {
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
        if (pruefsumme(rahmen.data() + 1, Kopf - 1 + laenge) !=
            lesen(rahmen.data() + Kopf + laenge, Schwanz)) {
            // Not a frame after all: its sync byte was garbage or the frame was damaged.
            // A real frame may begin at any later byte.
            m_puffer.pop_front();
            continue;
        }
        m_puffer.erase(m_puffer.begin(), m_puffer.begin() + static_cast<std::ptrdiff_t>(gesamt));
        return Rohrahmen{rahmen[1], {rahmen.begin() + Kopf, rahmen.begin() + Kopf + laenge}};
    }
}

} // namespace Rahmung
