// How a heat's penalties change its result: each lane's time, distance and average, the
// order of the lanes home and the winner. A heat without penalties keeps its result as
// the race computed it.
#pragma once

#include "Rennstand.h"

// The laps a lane's average goes over, before penalties: by time its distance, by laps all
// of them, fewer for a lane whose race the winner's finish ended short.
double gefahreneRunden(const Rennstand& stand, int spur);

// The lane's average over the laps and the time its penalties leave it; without any its
// race's average (Spurstand::schnitt). The Hall of Fame offers this one.
double gewerteterSchnitt(const Rennstand& stand, int spur);

// Puts the heat's penalties into its result: every lane home gets its penalised values,
// the lanes home are placed after them (by laps the more laps counted first, then the
// shorter time; by time the longer distance, then the earlier arrival, the penalty's time
// added) and in race mode the first place wins; by time two level at the top draw.
void strafenWerten(Laufergebnis& lauf, const Rennstand& stand);
