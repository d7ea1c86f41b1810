// The signal log for hunting missed laps: every raw line change and every box event, with
// its time and what became of it, one text line each.
#pragma once

#include "Protokolldatei.h"
#include "Signalausgang.h"

#include <QString>

class Signalprotokoll {
public:
    // Appends to the file, so earlier runs stay readable; false when it cannot be written.
    // Never waits: a named pipe nobody reads from is refused at once.
    bool oeffnen(const QString& datei);
    QString fehlertext() const { return m_datei.fehlertext(); }

    // Written through at once, so a crash loses nothing of what led to it.
    void eintragen(const Signaleintrag& eintrag);

private:
    Protokolldatei m_datei;
};
