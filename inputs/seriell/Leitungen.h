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

    bool operator==(const Flankenzaehler&) const = default;
};

// How well a change's time tells its moment.
enum class Zeitgenauigkeit {
    Geweckt, // the change woke the watcher: its moment, to the clock's tick
    // Counted together with a later change of the same line between two readings: it
    // carries that one's moment.
    Zusammengefasst,
    // Found by a reading no change of its own woke: it came at most `spielraum` before.
    Nachgelesen,
};

// One change of a line.
struct Leitungsereignis {
    Leitung leitung = Leitung::CD;
    bool pegel = false;    // the level after the change
    std::int64_t zeit = 0; // steady-clock milliseconds, the scale of the system clock
    Zeitgenauigkeit genauigkeit = Zeitgenauigkeit::Geweckt;
    std::int64_t spielraum = 0; // milliseconds, for Nachgelesen

    bool operator==(const Leitungsereignis&) const = default;
};

// Why an open port stopped reporting on its own.
enum class Stoerung {
    Getrennt,       // unplugged or failed
    KeineLeitungen, // the device has no modem lines to watch
    FremdeFirmware, // a sensor board whose firmware this program does not understand
};
