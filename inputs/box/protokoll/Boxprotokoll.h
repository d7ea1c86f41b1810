// The timing box's wire protocol: framed time and event reports with a CRC, written by
// the box (and its emulator) and read back by the box library. See docs/box-protocol.md.
#pragma once

#include "Rahmung.h"

#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

namespace Boxprotokoll {

using Rahmung::MaxNutzdaten;
using Rahmung::pruefsumme;
using Rahmung::Sync;
constexpr std::uint8_t TypZeit = 0x54;
constexpr std::uint8_t TypEreignis = 0x45;

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

std::vector<std::uint8_t> kodieren(const Rahmen& rahmen);

// The box's frames in a byte stream that may hold garbage, torn or corrupted frames;
// frames of other kinds, or of a known kind with the wrong length, are skipped.
class Rahmenleser {
public:
    void aufnehmen(std::uint8_t byte) { m_leser.aufnehmen(byte); }
    std::optional<Rahmen> naechsterRahmen();
    void zuruecksetzen() { m_leser.zuruecksetzen(); }

private:
    Rahmung::Leser m_leser;
};

} // namespace Boxprotokoll
