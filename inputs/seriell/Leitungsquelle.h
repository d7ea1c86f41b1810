// Where a watcher gets line changes from: a wait for the next change, readings of the
// edge counters and levels, and a way to end a wait from another thread.
#pragma once

#include "Leitungen.h"

enum class Antwort {
    Ok,
    Unterbrochen,      // the wait was cancelled
    NichtUnterstuetzt, // the driver cannot do this; the watcher takes a simpler way
    Getrennt,          // the port is gone
};

class Leitungsquelle {
public:
    virtual ~Leitungsquelle() = default;
    // Blocks until one of the four lines changes, abbrechen() is called, or the port fails.
    // Where the driver counts only RI's trailing edge, only that edge of RI wakes it.
    virtual Antwort warten() = 0;
    // True where a wait only wakes for changes after it began: one between the last
    // reading and the wait then goes unseen until the next change.
    virtual bool blindVorDemWarten() const = 0;
    // Where blind: whether the thread in warten() has surely begun its wait, so that every
    // change from now on wakes it. False when it cannot be told. From any thread.
    virtual bool wartetSchon() = 0;
    // Readings do not block, are never Unterbrochen and may come from any thread.
    virtual Antwort zaehlerLesen(Flankenzaehler& zaehler) = 0;
    virtual Antwort pegelLesen(Pegel& pegel) = 0;
    // Called first on each of a watcher's threads: where the system allows, their
    // wake-ups then come before those of busier threads, since they stamp the changes.
    virtual void fadenBeginnt() {}
    // Callable from any thread, any number of times: a wait in progress returns
    // Unterbrochen. A wait that begins after the call may still block.
    virtual void abbrechen() = 0;
};
