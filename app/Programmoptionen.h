// The command line: where the data files live, the track simulator, the signal log, the
// spectators' live page, the announcement log, and what answers without a window: the export
// of the race history and a race night's plan.
#pragma once

#include "Fahrerklassen.h"
#include "Programmdateien.h"
#include "Rennabendregeln.h"

#include <QString>
#include <QStringList>
#include <optional>

struct Programmoptionen {
    QString datenverzeichnis;         // hof.ini, result files, the race history
    bool datenordnerAnlegen = false;  // the user's data folder, made when first needed
    std::optional<double> simulation; // mean lap time of the simulated cars, seconds
    std::optional<int> spuranzahl;    // --spuren: the track's lanes for this run
    QString signalprotokoll;
    bool seite = false; // --web: the live page runs, whatever the setting says
    // --web=PORT or --web=ADDRESS:PORT; what is not given comes from the settings.
    std::optional<QString> seitenadresse;
    std::optional<quint16> seitenport;
    QString ansageprotokoll;
    QString verlaufsexport;    // not empty: write the race history to this file and end
    QStringList rennabendplan; // not empty: print the plan of a night of these drivers and end
    Rennabendformat rennabendformat = Rennabendformat::JederGegenJeden;
    QStringList rennabend;          // not empty: the program starts with a night of these drivers
    Fahrerklassen rennabendklassen; // and their classes
    QString fehler;                 // not empty: the command line could not be read
    QString ausgabe;                // not empty: --help or --version: printed, then the end
};

// Qt's own option texts are German while the parser's translation is installed.
Programmoptionen programmoptionenLesen(const QStringList& argumente,
                                       const Programmdateien& dateien);

// The help's first line, shown below the error of a command line that could not be read.
QString aufrufzeile();

// Whether the arguments ask for the export or a plan, which need no display; read before the
// program knows whether it may open one.
bool ohneAnzeigeVerlangt(int argc, char* argv[]);
