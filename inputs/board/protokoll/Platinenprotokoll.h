// The sensor board's wire protocol as the program reads and writes it: the board's hello,
// edges, time and error reports, and the commands it takes. The numbers come from the
// firmware's own header; docs/board-protocol.md says what they mean.
#pragma once

#include "Rahmung.h"
#include "protokoll.h"

#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

namespace Platinenprotokoll {

// The board's version, what it can do and its clock when it (re)starts or is asked.
struct Hallo {
    std::uint8_t major = 0;
    std::uint8_t minor = 0;
    std::uint8_t spuren = 0;
    std::uint32_t ticksProSekunde = 0;
    std::uint64_t platinenzeit = 0;
    bool operator==(const Hallo&) const = default;
};

// The first edge of a burst on a lane input: the lane (1 to the hello's count, at most 8),
// the level after it, and the board clock when the interrupt saw it.
struct Flanke {
    std::uint8_t spur = 0;
    bool pegel = false;
    std::uint64_t stempel = 0;
    bool operator==(const Flanke&) const = default;
};

// The board clock at the moment the report was sent; about every 100 ms.
struct Zeit {
    std::uint64_t platinenzeit = 0;
    bool operator==(const Zeit&) const = default;
};

enum class Fehlercode : std::uint8_t {
    Ueberlauf = FEHLER_UEBERLAUF,   // detail: instants with edges the board could not report
    Unbekannt = FEHLER_UNBEKANNT,   // detail: the kind of command it does not know
    Ungueltig = FEHLER_UNGUELTIG,   // detail: the kind of command whose value it refused
    Pruefsumme = FEHLER_PRUEFSUMME, // detail: the kind of command whose CRC did not match
};

struct Fehler {
    std::uint8_t code = 0;
    std::uint16_t detail = 0;
    bool operator==(const Fehler&) const = default;
};

using Meldung = std::variant<Hallo, Flanke, Zeit, Fehler>;

// The version this program speaks: a board of the same major version is understood.
constexpr std::uint8_t Major = FIRMWARE_MAJOR;
constexpr std::uint8_t Minor = FIRMWARE_MINOR;
// The lane inputs of the firmware that comes with this program; older boards may have fewer.
constexpr int Eingaenge = PLATINE_SPUREN;
constexpr int Baud = PROTOKOLL_BAUD;
constexpr std::uint16_t TotzeitMaxMs = TOTZEIT_MAX_MS;
constexpr int AmpelMaxZustand = AMPEL_MAX_ZUSTAND;
// A board of this major version and at least this minor has a power output per lane input.
constexpr std::uint8_t SpurstromAbMinor = SPURSTROM_AB_MINOR;

// As the board writes them; for tests and emulators.
std::vector<std::uint8_t> kodieren(const Meldung& meldung);

// The commands. The hello request is chosen so that a bootloader still waiting after the
// board's reset takes it for noise and starts the firmware.
std::vector<std::uint8_t> halloAnfrage();
std::vector<std::uint8_t> totzeit(std::uint16_t ms);
std::vector<std::uint8_t> ampel(std::uint8_t zustand);
// The lanes that have power, bit 0 for lane 1.
std::vector<std::uint8_t> spurstrom(std::uint8_t mitStrom);

// The board's reports in a byte stream that may hold garbage and torn frames. Frames of
// kinds it does not know, of the wrong length, a hello without a clock rate or an edge with
// a level other than 0 or 1 are skipped.
class Leser {
public:
    void aufnehmen(std::uint8_t byte) { m_leser.aufnehmen(byte); }
    std::optional<Meldung> naechste();
    void zuruecksetzen() { m_leser.zuruecksetzen(); }

private:
    Rahmung::Leser m_leser;
};

} // namespace Platinenprotokoll
