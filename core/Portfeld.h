// The status bar's port panel: the port or board the race's signals come from, or the
// simulation, and in front of it the notice of a silent box. The main window shows it;
// messages about the port name it the same way.
#pragma once

#include "Rennstand.h"

QString portfeldtext(const Anschlussstand& anschluss);
