// Where the windows find the pictures the view state names: the start-light lamps of both
// picture sets and the lane-change arrows, as paths into the program's resources.
#pragma once

#include "Ampel.h"
#include "HauptfensterAnsicht.h"

#include <QString>

QString bilddatei(Lampenbild bild);
QString bilddatei(Pfeil pfeil);
