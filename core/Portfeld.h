// The status bar's port panel: the port or board the race's signals come from (with the
// second sensor port of lanes 5 to 8 after a "+"), or the simulation, and in front of it the
// notice of a silent box. The main window shows it;
// messages about the port name it the same way.
#pragma once

#include "Rennstand.h"

#include <optional>

QString portfeldtext(const Anschlussstand& anschluss);

// Laps of the simulated track shorter than the Prellzeit are lost: each one's crossing falls
// within the Prellzeit of the one before. What the racer is told of it at the start and in
// the port panel; none while the Prellzeit is shorter than every lap.
std::optional<QString> simulationswarnung(const Rennstand& rennen);
