// The about box: the program, its version and licence, the Qt it runs on, and where its
// settings and records live, so a racer can find them.
#pragma once

#include "Dialoge.h"

struct Programmangaben {
    QString version;
    QString qtVersion;
    QString einstellungen;  // the settings file
    QString hof;            // hof.ini
    QString ergebnisse;     // the folder of the result files and the race history
    QString zuschauerseite; // the live page's address to type on a phone; empty when it is off
};

void InfoAnzeigen(Dialoge& dialoge, const Programmangaben& angaben);
