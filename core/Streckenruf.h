// A track call: the race stands still while a car is put back on the track. Space calls it
// by hand; the track-call watch calls it when a car is overdue. The race keeps the calls of
// the heat under way and hands them to its result, for the history.
#pragma once

#include <QString>
#include <optional>
#include <vector>

enum class Streckenrufursache { Hand, Automatisch };

// The median laps a lane may be overdue before the automatic track call, as the settings
// allow it.
constexpr int KleinsterStreckenruffaktor = 2;
constexpr int GroessterStreckenruffaktor = 10;

struct Streckenruf {
    int lauf = 0;      // the heat of a lane-change race, from 0
    double beginn = 0; // seconds on the race clock when called
    // When the race went on: the call's start plus its length, so on a clock that runs
    // through the pause. None while it lasts.
    std::optional<double> ende;
    Streckenrufursache ursache = Streckenrufursache::Hand;

    bool operator==(const Streckenruf&) const = default;
};

// The names the history and its export use: "Hand", "Automatisch".
QString streckenrufursacheName(Streckenrufursache ursache);
std::optional<Streckenrufursache> streckenrufursacheLesen(const QString& name);
