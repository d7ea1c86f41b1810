// The test every sensor signal passes before it becomes a lap signal, for the serial
// lines and the timing box alike: blocked signals and bounces are dropped, the rest is
// remembered as the lane's last signal.
#pragma once

#include "Rennzustand.h"

#include <QString>

enum class Signalausgang {
    Angenommen,
    Geprellt,  // within the debounce time of the lane's last accepted signal
    Gesperrt,  // signals are blocked (no race, crash pause)
    Fehlstart, // accepted before the race was released
    Ignoriert, // no lap signal at all (a rising DSR, the box's port is active)
};

QString ausgangText(Signalausgang ausgang);

// Only an accepted signal (or false start) moves LetztesSignal, so the debounce window
// counts from the last accepted signal, not from the last bounce.
Signalausgang signalAnnehmen(Rennzustand& rennen, int spur, double zeit);
