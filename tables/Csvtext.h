// CSV for German spreadsheet programs, as every export of the program writes it: UTF-8 with
// its byte order mark (without it Excel reads the names as Windows-1252), ";" between the
// fields and CR LF after each row.
#pragma once

#include <QByteArray>
#include <QStringList>

// What the file begins with: the byte order mark and the header row.
QByteArray csvKopf(const QStringList& kopf);
// One row. A field that a spreadsheet would take for a formula ("=1+2", "@SUMME(A1)",
// "+3-1") starts with ' and stays text; one with the separator, a quote or a line break is
// quoted.
QByteArray csvZeile(const QStringList& felder);
