// The four modem-status inputs of a port the lap sensors are wired to (on the first port
// lane 1 on carrier detect, lane 2 on data set ready, lane 3 on clear to send, lane 4 on
// ring indicator; lanes 5 to 8 the same on a second port), their readings, and what a
// watcher reports about them.
#pragma once

#include <array>
#include <cstdint>

// In the order of the lanes they carry.
enum class Leitung { CD, DSR, CTS, RI };
inline constexpr std::array<Leitung, 4> Leitungen{Leitung::CD, Leitung::DSR, Leitung::CTS,
                                                  Leitung::RI};
inline constexpr int LeitungenJePort = static_cast<int>(Leitungen.size());

// The lane a line carries on sensor port 1 or 2.
constexpr int spurDerLeitung(int port, Leitung leitung) {
    return (port - 1) * LeitungenJePort + static_cast<int>(leitung) + 1;
}

// The line's name as the signal log and the sensor test give it.
constexpr const char* leitungsname(Leitung leitung) {
    switch (leitung) {
    case Leitung::CD: return "CD";
    case Leitung::DSR: return "DSR";
    case Leitung::CTS: return "CTS";
    case Leitung::RI: break;
    }
    return "RI";
}

// Line changes are stamped on the system clock's scale.
inline constexpr int LeitungsticksProSekunde = 1000;

struct Pegel {
    bool cd = false;
    bool dsr = false;
    bool cts = false;
    bool ri = false;

    bool von(Leitung leitung) const {
        return leitung == Leitung::CD    ? cd
               : leitung == Leitung::DSR ? dsr
               : leitung == Leitung::CTS ? cts
                                         : ri;
    }
};

// How often each line has changed since the port was opened, where the driver counts it.
// Many UARTs count only RI's trailing edge.
struct Flankenzaehler {
    std::uint32_t cd = 0;
    std::uint32_t dsr = 0;
    std::uint32_t cts = 0;
    std::uint32_t ri = 0;

    std::uint32_t von(Leitung leitung) const {
        return leitung == Leitung::CD    ? cd
               : leitung == Leitung::DSR ? dsr
               : leitung == Leitung::CTS ? cts
                                         : ri;
    }
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
