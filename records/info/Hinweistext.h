// The text of the notes window: readme.txt from the data directory, every line preceded
// by a line break, or a short notice when the file cannot be read.
#pragma once

#include <QByteArrayView>
#include <QString>

// The text built from the file's bytes (UTF-8); a line ends at CR LF, LF or CR.
QString hinweistextBauen(QByteArrayView inhalt);

// Reads readme.txt from the folder; never fails, a missing file gives a notice instead.
QString hinweistextLesen(const QString& datenverzeichnis);
