// What the race tells its listeners (the race history, announcements, the spectators'
// standings, the sensor board) about a race as it happens. Every method does nothing
// unless overridden, so a listener takes only what it needs. They are called on the GUI
// thread, inside the input that caused them, after the race has changed its facts: the
// race passed in shows the outcome. A listener reads the race; it tells the race
// something only through the race's inputs, never from inside one of these calls.
#pragma once

#include "Ampel.h"
#include "Strafe.h"
#include "Streckenruf.h"

#include <cstdint>

class Rennen;

// A lap the race has just counted.
struct Rundenmeldung {
    int spur = 1;
    int runde = 1;              // the lap's number, from 1
    double rundenzeit = 0;      // seconds, as in the lap table
    double geschwindigkeit = 0; // metres per second, as in the lap table
    double rennzeit = 0;        // seconds since the race clock started, at the line
    bool vonHand = false;       // given with Shift+1 or Shift+2, not by a sensor or the box
    bool neueBestzeit = false;  // the lane's fastest lap of this race so far
    bool neueHoechstgeschwindigkeit = false; // above the top speed in the status bar
};

// Ctrl+1 or Ctrl+2: a lane's last counted lap taken back, or a key that found none to
// take back (or the lane home already) and changed nothing.
struct Streichmeldung {
    int spur = 1;
    int runde = 0;         // the number of the lap taken back; 0: nothing was taken back
    double rundenzeit = 0; // the lap taken back, seconds
    double zeit = 0;       // signal time of the key press
    std::int64_t tick = 0; // the race clock's ticks at the key press
    int ticksProSekunde = 1000;
};

class Rennbeobachter {
public:
    virtual ~Rennbeobachter() = default;

    // Start was pressed and a race (or the second heat of a lane-change race) is under
    // way: the countdown runs, or the flying start waits for the first car.
    virtual void rennenGestartet(const Rennen&) {}
    // The start light shows a new state.
    virtual void ampelGesetzt(const Rennen&, Ampel) {}
    virtual void rundeGezaehlt(const Rennen&, const Rundenmeldung&) {}
    // Every sensor signal that reached the race, at its signal time, whatever became of it.
    virtual void signalGeprueft(const Rennen&, int /*spur*/, double /*zeit*/) {}
    // After the race has dropped the lap: the lane's laps, best lap and the top speed
    // already say so.
    virtual void rundeGestrichen(const Rennen&, const Streichmeldung&) {}
    // A car crossed the line before green and the start is called off (the false-start
    // rule Abbruch); under a penalty rule the race hears strafe instead.
    virtual void fehlstart(const Rennen&, int /*spur*/) {}
    // A penalty was given, by the race director or for a false start under a penalty rule
    // (then the countdown runs on); the race's penalties already hold it.
    virtual void strafe(const Rennen&, const Strafe&) {}
    // The heat's last penalty was taken back; the race's penalties no longer hold it.
    virtual void strafeZurueckgenommen(const Rennen&, const Strafe&) {}
    // A crash pause began (true) or ended (false).
    virtual void crashPause(const Rennen&, bool /*an*/) {}
    // A track call began, just after crashPause(true): by hand (lane 0), or automatically
    // for the lane overdue.
    virtual void streckenrufBegonnen(const Rennen&, const Streckenruf&, int /*spur*/) {}
    // A lane's power is cut for a stop and go (false), or given back once it is served or
    // the race is over (true). Only where the sensor board switches each lane's power.
    virtual void spurstrom(const Rennen&, int /*spur*/, bool /*an*/) {}
    // The time left of a race by time went down to this many whole seconds; 0: the time
    // is up.
    virtual void restzeit(const Rennen&, std::int32_t /*sekunden*/) {}
    // A lane has driven all its laps at this race time; place 1 is the first lane home.
    virtual void spurFertig(const Rennen&, int /*spur*/, double /*rennzeit*/, int /*platz*/) {}
    // Both lanes are home, before the Hall of Fame, the result file or the result window
    // are dealt with, and before the race returns to idle (Start, amber light). The
    // winning lane of this race or heat (race mode: the first home; training: the lower
    // best lap), 0 for a draw. In lane-change mode it is called after each heat; during
    // the call the race's zweiterLauf still tells which heat it was.
    virtual void rennende(const Rennen&, int /*siegerSpur*/) {}
    // The race was stopped with Stop before both lanes were home; a crash pause ends with it.
    virtual void rennenGestoppt(const Rennen&) {}
    // The race has handled an input: anything derived from its facts (names, settings,
    // the countdown, the port) may have changed.
    virtual void geaendert(const Rennen&) {}
};
