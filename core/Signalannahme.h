// The test every sensor signal passes before it becomes a lap signal, for the serial
// lines and the timing box alike: blocked signals and bounces are dropped, the rest is
// remembered as the lane's last signal.
#pragma once

#include "Rennzustand.h"

#include <QString>
#include <cstdint>

enum class Signalausgang {
    Angenommen,
    Geprellt,  // within the debounce time of the lane's last accepted signal
    Gesperrt,  // signals are blocked (no race, crash pause)
    Fehlstart, // accepted before the race was released
    Ignoriert, // no lap signal at all (a rising DSR, the box's port is active)
};

QString ausgangText(Signalausgang ausgang);

// One raw signal and what became of it, for the signal log.
struct Signaleintrag {
    std::int64_t tick = 0; // clock ticks of the source at the change
    int ticksProSekunde = 1000;
    QString ereignis; // "CD steigt", "DSR fällt", a box event code ...
    int spur = 0;     // the lane it stands for; 0 for none
    double zeit = 0;  // signal time in seconds
    Signalausgang ausgang = Signalausgang::Ignoriert;
    QString anmerkung; // anything else worth knowing, or empty
};

// Only an accepted signal (or false start) moves LetztesSignal, so the debounce window
// counts from the last accepted signal, not from the last bounce.
Signalausgang signalAnnehmen(Rennzustand& rennen, int spur, double zeit);
