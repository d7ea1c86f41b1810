// The check of the box library: its version as "major.minor", or nothing after telling
// the user why it cannot be used.
#pragma once

#include "BoxBibliothek.h"
#include "Dialoge.h"

#include <optional>

std::optional<QString> RaceControlVersion(BoxBibliothek& box, Dialoge& dialoge);
