// The race nights in the history's JSON export: per night its date, season, format and
// rules, drivers and their classes, plan, which stored race drove which entry, and the standings
// computed from those races.
#pragma once

#include "Rennabendspeicher.h"
#include "Verlaufsexport.h"

#include <QJsonArray>

QJsonArray rennabendeAlsJson(const std::vector<GespeicherterRennabend>& abende);

// The export's top-level lists "rennabende" and "saisons" (Saisonexport.h), read from the
// database the races come from; `saisonpunkte` are the season's points per placing.
Jsonzusatz rennabendeExportieren(Verlaufsdatenbank& datenbank,
                                 std::vector<Rennaufzeichnung> wartende,
                                 std::vector<int> saisonpunkte);
