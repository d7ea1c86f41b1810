// What the sensor emulator does to the lines, and when: the edges of a script or of a
// simulated race, in time order, counted from the emulator's zero (its start, or the green
// light). Lanes 1 to 4 are CD, DSR, CTS and RI of the first terminal, lanes 5 to 8 the
// same of a second. Every line rests low, like an open input; a car passing makes CD
// change, and counts on the other lines when they drop.
#pragma once

#include "Leitungsspeicher.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

struct Auftrag {
    std::int64_t zeit = 0; // ns after the emulator's zero
    Leitungsspeicher::Modemleitung leitung = Leitungsspeicher::CD;
    bool pegel = false; // its level after the edge
    // The edge a race counts for a car's passage: passage `durchfahrt` (0 is the first,
    // which starts lap 1) of lane `spur`. Lane 0 for edges that count for no passage.
    int spur = 0;
    int durchfahrt = 0;
    // Not an edge when above 0: the program's next wait for a line change begins this many
    // ns late (Leitungsspeicher::Speicher::warteverzug).
    std::int64_t halt = 0;
    int port = 0; // the terminal: 0 the first, 1 the second

    bool operator==(const Auftrag&) const = default;
};

// The terminal and line of a lane from 1 to 8.
inline int portDerSpur(int spur) {
    return (spur - 1) / Leitungsspeicher::Modemleitungen;
}
inline Leitungsspeicher::Modemleitung leitungDerSpur(int spur) {
    return Leitungsspeicher::Modemleitung((spur - 1) % Leitungsspeicher::Modemleitungen);
}

class Fahrplan {
public:
    virtual ~Fahrplan() = default;
    // The next edge; nothing once the plan is done.
    virtual std::optional<Auftrag> naechster() = 0;
    // How many terminals its edges need: 2 once a lane from 5 to 8 is in it.
    virtual int ports() const = 0;
};

// A script: one step a line, "time lane" (a car passes lane 1 to 8: CD changes, or the
// lane's other line drops, rising 10 ms before if it is low), "time line level" (CD, DSR,
// CTS or RI, with a 2 for the second terminal's, as in CTS2; 0 or 1) or "time halt
// seconds" (the program's next wait begins that late); times in seconds, not decreasing;
// "#" starts a comment. The error names the file and line.
std::variant<std::unique_ptr<Fahrplan>, std::string> skriptLesen(const std::string& datei);

struct Rennparameter {
    int spuren = 2;                          // cars, one a lane from lane 1 on
    double rundenzeit = 5;                   // mean lap time, seconds
    double streuung = 0;                     // laps spread evenly over mean ± this
    int flanken = 2;                         // edges per passage, even: the line comes back
    double prellen = 0.02;                   // they all fall within this many seconds
    std::optional<int> runden;               // laps each car drives, then it parks
    std::optional<std::pair<int, int>> halt; // lane and lap after which that car stops
    std::uint32_t startwert = 1;
};

// Cars from a standing start: each crosses the line a moment after zero, then once a
// lap, each passage a burst of edges like a bouncing reed contact or light barrier.
std::unique_ptr<Fahrplan> rennplan(const Rennparameter& parameter);
