// The history as a file: CSV for German spreadsheet programs (UTF-8 with BOM, ";", decimal
// comma, one row per lap) or JSON (numbers as numbers, ISO dates), chosen by the file's
// ending. The file appears whole or not at all.
#pragma once

#include "Verlaufsabfragen.h"

#include <optional>

// Writes every race, or the one numbered. The reason when it could not.
std::optional<QString> verlaufExportieren(Verlaufsabfragen& abfragen, const QString& pfad,
                                          std::optional<qint64> nurRennen = std::nullopt);
