// The signal log for hunting missed laps: every raw line change and every box event, with
// its time and what became of it, one text line each.
#pragma once

#include "Signalannahme.h"

#include <QFile>
#include <QString>
#include <cstdint>

struct Signaleintrag {
    std::int64_t tick = 0; // clock ticks of the source at the change
    int ticksProSekunde = 1000;
    QString ereignis; // "CD steigt", "DSR fällt", a box event code ...
    int spur = 0;     // the lane it stands for; 0 for none
    double zeit = 0;  // signal time in seconds
    Signalausgang ausgang = Signalausgang::Ignoriert;
    QString anmerkung; // anything else worth knowing, or empty
};

class Signalprotokoll {
public:
    // Appends to the file, so earlier runs stay readable; false when it cannot be written.
    bool oeffnen(const QString& datei);
    QString fehlertext() const { return m_datei.errorString(); }

    // Written through at once, so a crash loses nothing of what led to it.
    void eintragen(const Signaleintrag& eintrag);

private:
    QFile m_datei;
};
