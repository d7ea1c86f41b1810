// `rundomat --verlauf-export DATEI`: the race history of the data folder into a file,
// without a window; what went wrong on stderr.
#pragma once

#include "Programmoptionen.h"

// The program's exit code: 0 when the file was written.
int verlaufsexportAusfuehren(const Programmoptionen& optionen);
