// What the sensor emulator does to the lines, and when: the edges of a script or of a
// simulated race, in time order, counted from the emulator's zero (its start, or the green
// light). Both lines rest low, like an open input; a car passing lane 1 makes CD change,
// and lane 2 counts when DSR drops.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

struct Auftrag {
    std::int64_t zeit = 0; // ns after the emulator's zero
    bool dsr = false;      // the line: DSR, else CD
    bool pegel = false;    // its level after the edge
    // The edge a race counts for a car's passage: passage `durchfahrt` (0 is the first,
    // which starts lap 1) of lane `spur`. Lane 0 for edges that count for no passage.
    int spur = 0;
    int durchfahrt = 0;
    // Not an edge when above 0: the program's next wait for a line change begins this many
    // ns late (Leitungsspeicher::Speicher::warteverzug).
    std::int64_t halt = 0;

    bool operator==(const Auftrag&) const = default;
};

class Fahrplan {
public:
    virtual ~Fahrplan() = default;
    // The next edge; nothing once the plan is done.
    virtual std::optional<Auftrag> naechster() = 0;
};

// A script: one step a line, "time lane" (a car passes: CD changes, or DSR drops, rising
// 10 ms before if it is low), "time line level" (CD or DSR, 0 or 1) or "time halt seconds"
// (the program's next wait begins that late); times in seconds, not decreasing; "#"
// starts a comment. The error names the file and line.
std::variant<std::unique_ptr<Fahrplan>, std::string> skriptLesen(const std::string& datei);

struct Rennparameter {
    double rundenzeit = 5;                   // mean lap time, seconds
    double streuung = 0;                     // laps spread evenly over mean ± this
    int flanken = 2;                         // edges per passage, even: the line comes back
    double prellen = 0.02;                   // they all fall within this many seconds
    std::optional<int> runden;               // laps each car drives, then it parks
    std::optional<std::pair<int, int>> halt; // lane and lap after which that car stops
    std::uint32_t startwert = 1;
};

// Two cars from a standing start: each crosses the line a moment after zero, then once a
// lap, each passage a burst of edges like a bouncing reed contact or light barrier.
std::unique_ptr<Fahrplan> rennplan(const Rennparameter& parameter);
