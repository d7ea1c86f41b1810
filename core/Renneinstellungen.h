// The settings a race runs with, as the options dialog and the box settings window set
// them. The race takes them as one input; the settings store keeps them between runs.
#pragma once

#include "Reihe.h"
#include "Rennformat.h"
#include "Strafe.h"

#include <cstdint>

// The best lap time of a lane that has crossed the line but completed no lap.
constexpr double KeineBestzeit = 999999999;

// Metres. Far beyond any track, and small enough that every speed and average stays a
// finite number the Hall of Fame can hold.
constexpr double GroessteKurslaenge = 10000;

// The timing box's parameters, set in its own window.
struct Boxparameter {
    std::int32_t empfindlichkeit = 0;
    std::int32_t verzoegerung = 0;
    std::int32_t nachlauf = 0;
    bool sensorTausch = false;

    bool operator==(const Boxparameter&) const = default;
};

struct Renneinstellungen {
    double kurslaenge = 5; // metres per lap
    std::int32_t rundenzahl = 10;
    double prellzeit = 2;        // seconds a sensor stays deaf after a signal
    bool rennmodus = true;       // false: training, the lower best lap wins
    bool ohneCountdown = false;  // flying start
    std::int32_t spuranzahl = 2; // lanes of the track, 2 to 8
    // Bit n-1 set: lane n has no car tonight. Its signals are logged, never counted, and it
    // takes no place.
    std::uint32_t freieSpuren = 0;
    // By laps: once the winner is home each other lane's next crossing ends its race, and
    // the places go by laps, then by time. One stuck car then holds nobody up.
    bool nachSiegerBeenden = false;
    bool spurwechsel = false; // two heats, the drivers change lanes (two lanes only)
    bool raceControl = false; // signals and clock come from the timing box
    bool maxGeschwManuell = false;
    bool rundenBeep = false;
    bool schnellsterRundenBeep = false;
    bool permanentesLogging = false;
    bool mitSound = false;   // sound files instead of beeps
    bool ampelbilder = true; // traffic-light pictures instead of plain discs
    // By time the lap count plays no part: the race runs renndauer seconds of race clock
    // and ends by the rule.
    Rennlaenge rennart = Rennlaenge::Runden;
    std::int32_t renndauer = 180;
    Zielregel zielregel = Zielregel::RundeBeenden;
    // A car over the line before green: the start called off, or the countdown runs on and
    // the lane is penalised by so many seconds or a stop and go of so many.
    Fehlstartregel fehlstartregel = Fehlstartregel::Abbruch;
    std::int32_t fehlstartstrafe = 5;
    std::int32_t stopAndGoZeit = 10;
    // What the race director's key for a time penalty gives, in seconds.
    std::int32_t strafzeit = 5;
    // The automatic track call: a lane with a driver that has not crossed for this many
    // times its median lap (from its third lap on) brings the race to a crash pause.
    bool streckenrufautomatik = false;
    std::int32_t streckenruffaktor = 3;
    Boxparameter box;

    bool operator==(const Renneinstellungen&) const = default;

    bool spurFrei(int spur) const {
        return spur >= 1 && spur <= GroessteSpurenzahl && ((freieSpuren >> (spur - 1)) & 1U);
    }
};
