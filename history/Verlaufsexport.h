// The history as a file: CSV for German spreadsheet programs (UTF-8 with BOM, ";", decimal
// comma, one row per lap) or JSON (numbers as numbers, ISO dates), chosen by the file's
// ending. A file appears whole or not at all; a named pipe or a device is written into as
// it is, or refused where nobody is to wait for its reader, and never replaced by a file.
#pragma once

#include "Verlaufsabfragen.h"

#include <QJsonObject>
#include <functional>
#include <optional>

// A race handed to the export, with its number in the database (none for a race that
// waits to be stored); false stops the walk.
using Exportbesuch = std::function<bool(std::optional<qint64> nummer, const Rennaufzeichnung&)>;
// Hands the races of an export to the visitor, oldest first; the reason when they could not
// all be read.
using Exportrennen = std::function<std::optional<QString>(const Exportbesuch&)>;

// Every stored race, then the ones still waiting to be stored.
Exportrennen alleRennen(Verlaufsabfragen& abfragen, std::vector<Rennaufzeichnung> wartende);
// One race, as it is.
Exportrennen einRennen(std::optional<qint64> nummer, Rennaufzeichnung rennen);

enum class Sonderdatei { Beschreiben, Ablehnen };

// What the JSON file holds at its top level beside "rennen" (the race nights), filled in after
// the races; the reason when it could not be read. The CSV file has none of it.
using Jsonzusatz = std::function<std::optional<QString>(QJsonObject& oben)>;

// The reason when the file could not be written.
std::optional<QString> verlaufExportieren(const QString& pfad, const Exportrennen& rennen,
                                          Sonderdatei sonderdatei = Sonderdatei::Beschreiben,
                                          const Jsonzusatz& zusatz = {});
