// A race night as it is kept: who drives and who left, how it is played and how long its
// races run, its plan, and which
// stored races drove which entry of the plan. Its standings are computed from those races.
#pragma once

#include "Abendrennformat.h"
#include "Fahrerklassen.h"
#include "Fahrerliste.h"
#include "Rennabendregeln.h"
#include "Rennabendtabelle.h"
#include "Rennplan.h"

#include <QDateTime>
#include <optional>
#include <vector>

struct Rennabend {
    QString schluessel; // the night's own key in the race database
    QDateTime beginn;
    QString saison; // nights of one season add up; empty for a night of none
    std::vector<Teilnehmer> teilnehmer;
    QStringList ausgeschieden;
    Fahrerklassen klassen; // of the drivers and of those who left
    Rennabendregeln regeln;
    // None only for a night kept from before nights had one and without a race yet: it takes
    // the race's settings when it goes on.
    std::optional<Abendrennformat> rennformat;
    Rennplan plan;
    // The stored races with the plan's entry (from 1) they drove, in the order they were
    // driven; a repeated entry comes again.
    std::vector<Abendrennen> rennen;
    std::vector<int> uebersprungen;  // entries (from 1) passed over without a race
    std::optional<int> wiederholung; // an entry to drive once more before the plan goes on
    bool beendet = false;            // nothing left to drive, or not to be gone on with

    // The standings rank a rotation by distance instead of total time.
    bool nachZeit() const { return rennformat && rennformat->nachZeit(); }
    // The lanes its plan was made for: a night is driven on a track of that many.
    int spurenzahl() const { return plan.empty() ? KleinsteSpurenzahl : plan.front().spurenzahl(); }
};

QStringList fahrernamen(const Rennabend& abend);
