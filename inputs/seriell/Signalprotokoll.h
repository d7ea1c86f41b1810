// The signal log for hunting missed laps: every raw line change and every box event, with
// its time and what became of it, one text line each.
#pragma once

#include "Signalannahme.h"

#include <QFile>
#include <QString>
#include <optional>

class Signalprotokoll {
public:
    // Appends to the file, so earlier runs stay readable; false when it cannot be written.
    // Never waits: a named pipe nobody reads from is refused at once.
    bool oeffnen(const QString& datei);
    // Why it could not be opened.
    QString fehlertext() const { return m_fehlertext; }

    // Written through at once, so a crash loses nothing of what led to it.
    void eintragen(const Signaleintrag& eintrag);

private:
    // Opens m_datei on the platform's terms; why not, as the user is to read it.
    std::optional<QString> zielOeffnen(const QString& datei);

    QFile m_datei;
    QString m_fehlertext;
};
