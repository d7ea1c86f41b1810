// The file format of hof.ini: one line per rank, value ";" name, CR LF, in Windows-1252,
// values with a decimal comma. Pure functions of the bytes, so the reader can be fuzzed.
#pragma once

#include "Hofliste.h"

#include <QByteArray>
#include <QByteArrayView>
#include <optional>

namespace HofDatei {

// The list these bytes hold; ranks after the last line are empty. Nothing when the bytes
// are no Hall of Fame: a line without ";", a value that is no number, a sixth line.
std::optional<Hofliste> lesen(QByteArrayView inhalt);

// Always exactly five lines.
QByteArray schreiben(const Hofliste& liste);

// A name as a line can hold it: ";" would end the name and a line break the line, so they
// become "," and blanks; nothing is cut.
QString nameFuerDatei(QString name);

} // namespace HofDatei
