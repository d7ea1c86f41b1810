// How long a race runs: a number of laps, or a time with the rule that ends it. The names
// are those of the settings store and the history's export.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

enum class Rennlaenge { Runden, Zeit };

// What happens when a race by time reaches zero.
enum class Zielregel {
    Sofort,           // the race is over; the lap in progress counts by its fraction
    RundeBeenden,     // each car's next crossing is its last
    FuehrenderBeendet // the leader's next crossing is its last, then every other car's
};

// Seconds a race by time may last.
constexpr std::int32_t KuerzesteRenndauer = 10;
constexpr std::int32_t LaengsteRenndauer = 36000;

QString rennartName(Rennlaenge art);
std::optional<Rennlaenge> rennartLesen(const QString& name);
QString zielregelName(Zielregel regel);
std::optional<Zielregel> zielregelLesen(const QString& name);
