// The command line: where the data files live, the track simulator, the signal log.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

struct Programmoptionen {
    QString datenverzeichnis;         // hof.ini, result files, readme.txt
    std::optional<double> simulation; // mean lap time of the simulated cars, seconds
    QString signalprotokoll;
    QString fehler;    // not empty: the command line could not be read
    QString hilfetext; // not empty: --help was asked for
};

Programmoptionen programmoptionenLesen(const QStringList& argumente, const QString& programmordner);
