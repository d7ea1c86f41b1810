// A table as HTML for printing: a heading, a line under it and the rows with their header.
// The standings of a race night and a season's championship are printed this way.
#pragma once

#include <QStringList>
#include <vector>

QString tabellenHtml(const QString& titel, const QString& unterzeile, const QStringList& kopf,
                     const std::vector<QStringList>& zeilen);
