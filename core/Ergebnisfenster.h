// What the result window of a two-heat race shows, computed from the race after its
// second heat.
#pragma once

#include "F2SpurRennenInhalt.h"
#include "Rennstand.h"

F2SpurRennenInhalt ergebnisfensterInhalt(const Rennstand& rennen);
