// The two modem-status inputs the lap sensors are wired to (lane 1 on carrier detect,
// lane 2 on data set ready), their readings, and what a watcher reports about them.
#pragma once

#include <cstdint>

enum class Leitung { CD, DSR };

// Line changes are stamped on the system clock's scale.
inline constexpr int LeitungsticksProSekunde = 1000;

struct Pegel {
    bool cd = false;
    bool dsr = false;
};

// How often each line has changed since the port was opened, where the driver counts it.
struct Flankenzaehler {
    std::uint32_t cd = 0;
    std::uint32_t dsr = 0;
};

// One change of a line.
struct Leitungsereignis {
    Leitung leitung = Leitung::CD;
    bool pegel = false;    // the level after the change
    std::int64_t zeit = 0; // steady-clock milliseconds, the scale of the system clock
    // False when the change was counted together with a later one of the same line
    // between two wake-ups: its own moment is unknown, it carries the later one's.
    bool genau = true;

    bool operator==(const Leitungsereignis&) const = default;
};

// Why an open port stopped reporting on its own.
enum class Stoerung {
    Getrennt,       // unplugged or failed
    KeineLeitungen, // the device has no modem lines to watch
    FremdeFirmware, // a sensor board whose firmware this program does not understand
};
