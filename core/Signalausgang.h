// What became of a raw signal, for the signal log: the race's verdict on a sensor signal
// and the log's entry for it. The serial lines, the sensor board and the timing box write
// the same entries.
#pragma once

#include <QString>
#include <cstdint>

enum class Signalausgang {
    Angenommen,
    Geprellt,   // within the debounce time of the lane's last accepted signal
    Gesperrt,   // signals are blocked (no race, crash pause)
    Fehlstart,  // accepted before the race was released
    Ignoriert,  // no lap signal at all (a rising DSR, the box's port is active)
    Gestrichen, // Ctrl+1/2 took the lane's last lap back
    KeineSpur,  // a lane the track does not have (a board or port with more inputs)
    FreieSpur,  // a lane marked free: no car drives on it tonight
    StopAndGo,  // the lane stands out a stop and go: no lap
};

QString ausgangText(Signalausgang ausgang);

// The signal goes on to the race as a lap signal.
constexpr bool weitergeben(Signalausgang ausgang) {
    return ausgang == Signalausgang::Angenommen || ausgang == Signalausgang::Fehlstart;
}

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
