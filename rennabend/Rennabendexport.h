// The race nights in the history's JSON export: per night its date, season, format and
// rules, drivers, plan, which stored race drove which entry, and the standings computed from
// those races.
#pragma once

#include "Rennabendspeicher.h"
#include "Verlaufsexport.h"

#include <QJsonArray>

QJsonArray rennabendeAlsJson(const std::vector<GespeicherterRennabend>& abende);

// The export's top-level list "rennabende", read from the database the races come from.
Jsonzusatz rennabendeExportieren(Verlaufsdatenbank& datenbank,
                                 std::vector<Rennaufzeichnung> wartende);
