// `rundomat --rennabend-plan NAMEN [--format …] [--spuren N]`: a night's plan on stdout,
// without a window.
#pragma once

#include "Programmoptionen.h"

// One line per entry: number, then the driver of each lane (empty for a free lane),
// separated by tabs. Exit code 0.
int rennabendplanAusgeben(const Programmoptionen& optionen);
