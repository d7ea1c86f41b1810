// The seasons in the history's JSON export: each season's nights, its drop rounds and its
// championship tables, the whole field's and each class's, computed as the history window
// shows them.
#pragma once

#include "Rennabendspeicher.h"

#include <QJsonArray>
#include <map>
#include <vector>

// `platzpunkte`: the season's points per placing of a night; `streichresultate`: season →
// its drop rounds.
QJsonArray saisonsAlsJson(const std::vector<GespeicherterRennabend>& abende,
                          const std::vector<int>& platzpunkte,
                          const std::map<QString, int>& streichresultate);
