// What the result window of a two-heat race shows, computed from the race's result after
// its second heat.
#pragma once

#include "F2SpurRennenInhalt.h"
#include "Rennergebnis.h"

F2SpurRennenInhalt ergebnisfensterInhalt(const Rennergebnis& ergebnis);
