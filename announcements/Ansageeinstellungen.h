// What the announcements say and how: each kind on or off, the voice's tempo and volume.
// Read from the settings store at start-up, written by the "Ansagen" window.
#pragma once

#include "Einstellungswerte.h"

struct Ansageeinstellungen {
    bool an = false;             // announcements at all
    bool rundenzeit = false;     // every lap's time
    bool fahrername = false;     // the driver's name before the lap time
    bool bestzeit = false;       // a new best lap of the race
    bool restrunden = false;     // laps to go at 10, 5, 3 and the last lap
    bool rennereignisse = false; // false start, crash pause, winner and gap, Hall of Fame
    int tempo = 0;               // words per minute
    int lautstaerke = 0;         // percent

    static constexpr int TempoMin = 80;
    static constexpr int TempoMax = 400;

    // Every value from the store; one missing or not readable takes its default.
    static Ansageeinstellungen lesen(Einstellungswerte& werte);
    // Writes every value, after any change in the window.
    void speichern(Einstellungswerte& werte) const;

    bool operator==(const Ansageeinstellungen&) const = default;
};
