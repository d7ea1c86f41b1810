// A race night as it is kept: who drives and who left, how it is played, its plan, and which
// stored races drove which entry of the plan. Its standings are computed from those races.
#pragma once

#include "Fahrerliste.h"
#include "Rennabendregeln.h"
#include "Rennabendtabelle.h"
#include "Rennplan.h"

#include <vector>

struct Rennabend {
    QString saison; // nights of one season add up to its championship; empty for none
    std::vector<Teilnehmer> teilnehmer;
    QStringList ausgeschieden;
    Rennabendregeln regeln;
    Rennplan plan;
    // The stored races with the plan's entry (from 1) they drove, in the order they were
    // driven; a repeated entry comes again.
    std::vector<Abendrennen> rennen;
    std::vector<int> uebersprungen; // entries (from 1) passed over without a race
};

QStringList fahrernamen(const Rennabend& abend);
