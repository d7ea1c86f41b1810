// What the history window shows of a race and of a driver: the list's row, the heading,
// the lines of figures and the chart, in the program's German number format.
#pragma once

#include "VerlaufAnsicht.h"
#include "Verlaufsabfragen.h"

// "2026-05-01T14:03:22+02:00" as "01.05.2026 14:03", the time where the race was driven.
QString datumText(const QString& iso);

Rennzeile rennzeile(const Rennkopf& kopf);
// A race that waits to be stored, under a number of the list's own.
Rennzeile wartendeZeile(qint64 nummer, const Rennaufzeichnung& rennen);
// nummer: none for a race that waits to be stored.
void rennseiteFuellen(VerlaufAnsicht& ansicht, std::optional<qint64> nummer,
                      const Rennaufzeichnung& rennen);
void fahrerseiteFuellen(VerlaufAnsicht& ansicht, const Fahrerbilanz& bilanz);
