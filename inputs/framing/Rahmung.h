// The framing the timing box and the sensor board share on their lines: a sync byte, the
// kind, the payload length, the payload and a CRC-16. The reader finds the good frames in
// a byte stream that may hold garbage, torn or corrupted frames. See docs/box-protocol.md.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

namespace Rahmung {

constexpr std::uint8_t Sync = 0xA5;
// Longer announced payloads are taken for garbage, which bounds how long a false start
// can hold up the frames behind it.
constexpr std::size_t MaxNutzdaten = 16;

// CRC-16/CCITT-FALSE (polynomial 0x1021, start value 0xFFFF).
std::uint16_t pruefsumme(const std::uint8_t* daten, std::size_t laenge);

// A checked frame as it stood on the line, its kind not yet interpreted.
struct Rohrahmen {
    std::uint8_t art = 0;
    std::vector<std::uint8_t> nutzdaten;
};

std::vector<std::uint8_t> kodieren(std::uint8_t art, const std::vector<std::uint8_t>& nutzdaten);

// Little-endian numbers, as both peers write them.
void schreiben(std::vector<std::uint8_t>& ziel, std::uint64_t wert, std::size_t bytes);
std::uint64_t lesen(const std::uint8_t* daten, std::size_t bytes);

// Every byte position is tried as a frame start, so a real frame that begins inside a
// false one is still found.
class Leser {
public:
    void aufnehmen(std::uint8_t byte) { m_puffer.push_back(byte); }
    // The next good frame among the bytes taken so far. Callers take frames until there
    // is none, or the bytes of unread frames pile up.
    std::optional<Rohrahmen> naechster();
    void zuruecksetzen() { m_puffer.clear(); }

private:
    std::deque<std::uint8_t> m_puffer;
};

} // namespace Rahmung
