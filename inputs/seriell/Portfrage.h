// The prompts for a serial port that does not open, shared by the sensor ports and the
// timing box's: the user is asked again, every time, until a port opens or the answer is
// empty.
#pragma once

#include "Dialoge.h"

#include <QString>
#include <functional>

inline const QString Porttitel = QStringLiteral("welche Schnittstelle");

// The prompt after `porttext` failed; `wofuer` says what the port is for ("die Rundomat").
QString fehlerfrage(const QString& porttext, const QString& wofuer);

// Opens `porttext` or, after each failure, the answer to the error prompt (preset
// `vorgabe`). The text of the port that opened; empty once the user gave an empty answer.
QString portErfragen(Dialoge& dialoge, QString porttext, const QString& wofuer,
                     const QString& vorgabe, const std::function<bool(const QString&)>& oeffnen);
