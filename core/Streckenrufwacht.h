// The automatic track call's watch: when a lane with a driver has not crossed the line for
// k times its median lap, from its third lap on, the race is called to a crash pause. The
// watch is no part of the race: it sets its alarm to the moment the first lane becomes
// overdue and gives the race the input streckenrufAusloesen then, which is what a record
// keeps, so a replay calls the same track call without any watch.
#pragma once

#include "Rennbeobachter.h"
#include "Rennstand.h"
#include "Wecker.h"

#include <functional>
#include <optional>

// The lane that becomes overdue first, and the race time at which it does.
struct Ueberfaelligkeit {
    int spur = 0;
    double rennzeit = 0;

    bool operator==(const Ueberfaelligkeit&) const = default;
};

// The median of the lane's counted laps; 0 without any.
double medianRunde(const std::vector<Rundenwert>& runden);

// The first lane to become overdue with this factor: of the lanes with a driver that are not
// home, have driven three laps and have no stop and go still to begin. Its time runs from the
// later of its last crossing, the end of its stop and go and the end of the last track call
// (the race clock stands during one). None while the race clock does not run.
std::optional<Ueberfaelligkeit> naechsteUeberfaelligkeit(const Rennstand& stand, int faktor);

class Rennen;

class Streckenrufwacht final : public Rennbeobachter {
public:
    // `rennuhr` reads the race clock now, in seconds since its start, past any recorder of
    // the race's inputs; `ausloesen` gives the race the input that calls the track call for
    // the lane overdue.
    Streckenrufwacht(Wecker& wecker, std::function<double()> rennuhr,
                     std::function<void(int spur)> ausloesen)
        : m_wecker(wecker), m_rennuhr(std::move(rennuhr)), m_ausloesen(std::move(ausloesen)) {}

    // Whatever the race did, the first moment a lane is overdue may have moved.
    void geaendert(const Rennen& rennen) override { stellen(rennen); }
    // The alarm rang: a lane overdue now is called; one not yet (a clock that went a little
    // slower than the alarm) gets the alarm again.
    void wecken(const Rennen& rennen);

private:
    std::optional<Ueberfaelligkeit> faellig(const Rennen& rennen) const;
    void stellen(const Rennen& rennen);

    Wecker& m_wecker;
    std::function<double()> m_rennuhr;
    std::function<void(int)> m_ausloesen;
};
