// A log file that a racer or a test reads while the program runs: appended to, and every
// line written through at once. It never holds the program up: a named pipe that nobody
// reads is refused when it is opened, and a line its reader has no room for is lost.
#pragma once

#include <QFile>
#include <QString>

class Protokolldatei {
public:
    // False when the file cannot be written; fehlertext() says why.
    bool oeffnen(const QString& pfad);
    QString fehlertext() const { return m_fehler; }

    // Writes the text and a line end; does nothing while the file is not open.
    void zeile(const QString& text);

private:
    QFile m_datei;
    QString m_fehler;
};
