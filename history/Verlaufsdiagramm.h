// Draws a chart of the history window: lines with their best laps and hand laps marked,
// laps or days along the bottom, times up the side, in German number format.
#pragma once

#include "Twips.h"
#include "VerlaufAnsicht.h"

#include <QChart>

// A new chart for the view, its texts, markers and lines at the zoom; the caller owns it.
QChart* diagrammBauen(const Diagramm& diagramm, const Massstab& massstab = {});
