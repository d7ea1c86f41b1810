// One race as JSON, as the export writes it and a waiting race's file keeps it: numbers as
// numbers, dates as ISO text with their offset, colours as #RRGGBB. A value JSON cannot
// hold (infinite, undefined) is written as null.
#pragma once

#include "Rennaufzeichnung.h"

#include <QByteArray>
#include <QJsonObject>
#include <optional>

// nummer: the race's number in the database; null for a race not stored yet.
QByteArray rennenAlsJson(std::optional<qint64> nummer, const Rennaufzeichnung& rennen);

// The race such an object holds; nothing when it holds none.
std::optional<Rennaufzeichnung> rennenAusJson(const QJsonObject& objekt);
