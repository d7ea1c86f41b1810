// The check of the box library: its version as "major.minor", or "FEHLER" after telling
// the user why it cannot be used.
#pragma once

#include "BoxBibliothek.h"
#include "Dialoge.h"

QString RaceControlVersion(BoxBibliothek& box, Dialoge& dialoge);
