// A penalty in words, as the result file and the race's page in the history list it:
// "5 s Zeitstrafe, Fehlstart", "2 Runden Abzug", "10 s Stop and go".
#pragma once

#include "Strafe.h"

QString straftext(const Strafe& strafe);

// What a lane's penalties of the heat add up to, short enough to stand beside its name:
// "+5 s", "−1 Rd.", "+10 s −2 Rd."; empty without. A stop and go shows while it is served.
QString strafvermerk(const std::vector<Strafe>& strafen, int spur);
