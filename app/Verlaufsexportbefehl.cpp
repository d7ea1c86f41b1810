#include "Verlaufsexportbefehl.h"

#include "Datenverzeichnis.h"
#include "QtEinstellungsspeicher.h"
#include "Rennabendexport.h"
#include "Rennwarteschlange.h"
#include "Saisontabelle.h"
#include "Stillbetrieb.h"
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
    // The races that wait beside it to be stored are read first: one that a running program
    // stores meanwhile is then exported once, from the database.
    std::vector<Rennaufzeichnung> wartende;
    for (Rennwarteschlange::Eintrag& e : Rennwarteschlange(daten.verzeichnis()).lesen())
        wartende.push_back(std::move(e.rennen));
    Verlaufsabfragen abfragen(datenbank);
    // The seasons are counted with the points the history window counts them with. Reading
    // the settings writes nothing, so nothing is there to report.
    Stillbetrieb::Stummdialoge keineDialoge;
    QtEinstellungsspeicher speicher(keineDialoge);
    Einstellungswerte werte(speicher);
    const Jsonzusatz rennabende =
        rennabendeExportieren(datenbank, wartende, saisonpunkteLesen(werte));
    if (const std::optional<QString> fehler =
            verlaufExportieren(optionen.verlaufsexport, alleRennen(abfragen, std::move(wartende)),
                               Sonderdatei::Beschreiben, rennabende)) {
        fehlerausgabe << "rundomat: Der Rennverlauf konnte nicht nach "
                      << QDir::toNativeSeparators(optionen.verlaufsexport)
                      << " exportiert werden: " << *fehler << '\n';
        return 1;
    }
    return 0;
}
