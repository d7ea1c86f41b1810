// The order a stored Lauf finished in, for a night that scores the places of its Läufe: the
// record keeps laps and totals, and the places follow from them as the race decided them.
#pragma once

#include "Rennaufzeichnung.h"

#include <functional>
#include <vector>

// The lanes (from 1) of `lauf`, a heat of `rennen`, first home first: by time the longer
// distance ahead, by laps the more laps; then the earlier finish. Free lanes and lanes that
// `zaehlt` turns down take no place; lanes level keep the lanes' order.
std::vector<int> laufreihenfolge(const Rennaufzeichnung& rennen, const Spuren<Spurfahrt>& lauf,
                                 const std::function<bool(const QString&)>& zaehlt);
