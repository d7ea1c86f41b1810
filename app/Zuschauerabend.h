// The race night handed to the spectators as their own plain value: the standings in the
// columns a big screen has room for, the entry due and where the night stands.
#pragma once

#include "Abendanzeige.h"
#include "Rennabendleiter.h"

// None without a night. A rotation of races by time ranks by distance.
std::optional<Abendanzeige> zuschauerabend(const Rennabendleiter& leiter);
