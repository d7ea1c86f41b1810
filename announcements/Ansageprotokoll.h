// The announcement log (--ansage-log): each announcement when it is queued, as the
// milliseconds since the program started, a TAB and the text; the same again with a TAB
// and "verworfen" when it was dropped unsaid or cut off. So a racer can read what was said,
// and a test can check it on a machine without an audio device.
#pragma once

#include "Protokolldatei.h"

#include <QElapsedTimer>

class Ansageprotokoll {
public:
    // The clock starts with the object, which the program makes at its start.
    Ansageprotokoll() { m_uhr.start(); }

    bool oeffnen(const QString& pfad) { return m_datei.oeffnen(pfad); }
    QString fehlertext() const { return m_datei.fehlertext(); }

    void eintragen(const QString& text, bool verworfen);

private:
    Protokolldatei m_datei;
    QElapsedTimer m_uhr;
};
