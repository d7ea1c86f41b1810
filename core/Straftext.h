// A penalty in words, as the result file and the race's page in the history list it:
// "5 s Zeitstrafe, Fehlstart", "2 Runden Abzug", "10 s Stop and go".
#pragma once

#include "Strafe.h"

QString straftext(const Strafe& strafe);
