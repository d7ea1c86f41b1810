#include "Verlaufsexportbefehl.h"

#include "Datenverzeichnis.h"
#include "Verlaufsexport.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

int verlaufsexportAusfuehren(const Programmoptionen& optionen) {
    QTextStream fehlerausgabe(stderr);
    const Datenverzeichnis daten(optionen.datenverzeichnis);
    // Read-only: exporting never creates, repairs or upgrades the database.
    Verlaufsdatenbank datenbank(daten.pfad(Verlaufsdatenbank::Dateiname));
    if (QFileInfo::exists(datenbank.pfad()) && !datenbank.verbinden(true)) {
        fehlerausgabe << "rundomat: Die Renndatenbank "
                      << daten.anzeigepfad(Verlaufsdatenbank::Dateiname)
                      << " lässt sich nicht lesen: " << datenbank.fehler() << '\n';
        return 1;
    }
    Verlaufsabfragen abfragen(datenbank);
    if (const std::optional<QString> fehler =
            verlaufExportieren(abfragen, optionen.verlaufsexport)) {
        fehlerausgabe << "rundomat: Der Rennverlauf konnte nicht nach "
                      << QDir::toNativeSeparators(optionen.verlaufsexport)
                      << " exportiert werden: " << *fehler << '\n';
        return 1;
    }
    return 0;
}
