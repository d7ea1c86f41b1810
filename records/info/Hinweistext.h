// The text of the notes window: readme.txt, one of the program's own files, every line
// preceded by a line break, or a short notice when the file cannot be read.
#pragma once

#include <QByteArrayView>
#include <QString>

// The text built from the file's bytes: UTF-8, or Windows-1252 when they are not valid
// UTF-8 (a copy saved by an older editor); a line ends at CR LF, LF or CR.
QString hinweistextBauen(QByteArrayView inhalt);

// Reads the readme.txt at this path; never fails, a missing file gives a notice instead.
QString hinweistextLesen(const QString& pfad);
