// A race night as it is kept: who drives and who left, how it is played, its plan, and which
// stored races drove which entry of the plan. Its standings are computed from those races.
#pragma once

#include "Fahrerliste.h"
#include "Rennabendregeln.h"
#include "Rennplan.h"

#include <QtGlobal>
#include <utility>
#include <vector>

struct Rennabend {
    std::vector<Teilnehmer> teilnehmer;
    QStringList ausgeschieden;
    Rennabendregeln regeln;
    Rennplan plan;
    // The plan's entry (from 1) and the history's race id, in the order they were driven; a
    // repeated entry comes again.
    std::vector<std::pair<int, qint64>> rennen;
};
