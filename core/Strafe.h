// Penalties of a heat: a time added to a lane's race, laps its result does not count, or a
// stop and go it must serve. The race keeps them for the heat under way and hands them to
// its result, which ranks the lanes after them.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

enum class Strafart {
    Zeit,     // seconds added to the lane's finish time (by time: to its total)
    Runden,   // laps the lane drives but its result does not count
    StopAndGo // the lane stops this many seconds
};

// Seconds a time penalty or a stop and go may be.
constexpr double KuerzesteStrafzeit = 1;
constexpr double LaengsteStrafzeit = 600;
// Laps a lap penalty may take.
constexpr double GroessteStrafrunden = 999;

struct Strafe {
    int lauf = 0; // the heat of a lane-change race, from 0
    int spur = 1;
    Strafart art = Strafart::Zeit;
    double wert = 0;     // seconds, or laps
    double rennzeit = 0; // on the race clock when given; 0 before it runs
    QString grund;       // "Fehlstart", or what the race director said

    bool operator==(const Strafe&) const = default;
};

// A value the penalty of this kind can have: 1 to 600 s, or a whole number of laps.
bool strafwertZulaessig(Strafart art, double wert);

// What the lane's penalties add up to.
double strafzeit(const std::vector<Strafe>& strafen, int spur);
std::int32_t strafrunden(const std::vector<Strafe>& strafen, int spur);

// What a car over the line before green costs its driver.
enum class Fehlstartregel {
    Abbruch,    // the start is called off with a message
    Zeitstrafe, // the countdown runs on; seconds on the lane's time
    StopAndGo   // the countdown runs on; the lane serves a stop and go
};

// The names of the settings store: "Abbruch", "Zeitstrafe", "StopAndGo".
QString fehlstartregelName(Fehlstartregel regel);
std::optional<Fehlstartregel> fehlstartregelLesen(const QString& name);
