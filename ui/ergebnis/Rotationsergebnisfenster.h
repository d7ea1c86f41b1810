// The result window of a lane rotation on more than two lanes: a row per driver with each
// heat, the total and the place, on the blue of the two-lane result window. OK or Return
// closes it.
#pragma once

#include "Rotationsergebnis.h"
#include "Twips.h"

class QWidget;

// Shows the window modally over eltern and returns when it has been closed.
void rotationsergebnisZeigen(const RotationsergebnisInhalt& inhalt, QWidget* eltern,
                             const Massstab& massstab = {});
