// The result file: every lane's lap table with the drivers' names as tab-separated text for
// a spreadsheet, on demand or after every race with permanent logging. The tables are the
// race's, as the main window shows them.
#pragma once

#include "Datenverzeichnis.h"
#include "Dialoge.h"
#include "Tagesuhr.h"

class Rennen;

class Ergebnisexport {
public:
    Ergebnisexport(const Datenverzeichnis& daten, Dialoge& dialoge, Tagesuhr& uhr);

    void ErgebnisSpeichern(const Rennen& rennen);

private:
    // The message of every failure, with its reason on the lines below.
    void fehlerMelden(const QString& grund);

    Datenverzeichnis m_daten;
    Dialoge& m_dialoge;
    Tagesuhr& m_uhr;
};
