// The timing box's wire protocol: framed time and event reports with a CRC, written by
// the box (and its emulator) and read back by the box library. See docs/box-protocol.md.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <variant>
#include <vector>

namespace Boxprotokoll {

constexpr std::uint8_t Sync = 0xA5;
constexpr std::uint8_t TypZeit = 0x54;
constexpr std::uint8_t TypEreignis = 0x45;
// Longer announced payloads are taken for garbage, which bounds how long a false start
// can hold up the frames behind it.
constexpr std::size_t MaxNutzdaten = 16;

// The box clock (4800 ticks per second, wrapping at 2^32) at the moment the frame is sent.
struct Zeitrahmen {
    std::uint32_t boxzeit = 0;
    bool operator==(const Zeitrahmen&) const = default;
};

// Something the box noticed: a sensor pulse (0x202, 0x203) with its level and length,
// or a box error (0x5xx).
struct Ereignisrahmen {
    std::uint16_t code = 0;
    std::uint32_t zeitstempel = 0;
    std::uint8_t pegel = 0;
    std::uint8_t dauerMs = 0;
    bool operator==(const Ereignisrahmen&) const = default;
};

using Rahmen = std::variant<Zeitrahmen, Ereignisrahmen>;

// CRC-16/CCITT-FALSE (polynomial 0x1021, start value 0xFFFF).
std::uint16_t pruefsumme(const std::uint8_t* daten, std::size_t laenge);

std::vector<std::uint8_t> kodieren(const Rahmen& rahmen);

// Finds the good frames in a byte stream that may hold garbage, torn or corrupted
// frames. Every byte position is tried as a frame start, so a real frame that begins
// inside a false one is still found.
class Rahmenleser {
public:
    void aufnehmen(std::uint8_t byte);
    // The next good frame among the bytes taken so far. Callers take frames until there
    // is none, or the bytes of unread frames pile up.
    std::optional<Rahmen> naechsterRahmen();
    void zuruecksetzen() { m_puffer.clear(); }

private:
    std::deque<std::uint8_t> m_puffer;
};

} // namespace Boxprotokoll
