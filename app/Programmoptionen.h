// The command line: where the data files live, the track simulator, the signal log, the
// announcement log, and the export of the race history without a window.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

struct Programmoptionen {
    QString datenverzeichnis;         // hof.ini, result files, readme.txt
    std::optional<double> simulation; // mean lap time of the simulated cars, seconds
    QString signalprotokoll;
    QString ansageprotokoll;
    QString verlaufsexport; // not empty: write the race history to this file and end
    QString fehler;         // not empty: the command line could not be read
    QString hilfetext;      // not empty: --help was asked for
};

Programmoptionen programmoptionenLesen(const QStringList& argumente, const QString& programmordner);

// Whether the arguments ask for the export, which needs no display; read before the
// program knows whether it may open one.
bool verlaufsexportVerlangt(int argc, char* argv[]);
