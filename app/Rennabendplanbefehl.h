// `rundomat --rennabend-plan NAMEN [--format …]`: a night's plan on stdout, without a window.
#pragma once

#include "Programmoptionen.h"

// One line per entry: number, lane-1 driver, lane-2 driver, separated by tabs. Exit code 0.
int rennabendplanAusgeben(const Programmoptionen& optionen);
