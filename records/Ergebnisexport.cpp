#include "Ergebnisexport.h"

#include "Dateiausgabe.h"
#include "Rennen.h"
#include "Rundentabelle.h"
#include "Straftext.h"
#include "Windows1252.h"

namespace {

const QString Tab = QStringLiteral("\t");
const QString Zeilenende = QStringLiteral("\r\n");

// Every row below the heading, empty rows and the summary row included; a column pair per
// lane, whose lap column repeats the first lane's and is left out. A lane with no car
// tonight has no laps to number: the first lane with a car numbers them.
QByteArray ergebnistext(const Rennen& rennen) {
    const Spuren<Spurstand>& spuren = rennen.stand().spuren;
    std::vector<Rundentabelle> tabellen;
    QString fahrer, spalten = QStringLiteral("Runde");
    for (int spur = 1; spur <= spuren.anzahl(); ++spur) {
        tabellen.emplace_back(rennen, spur);
        const QString nummer = QString::number(spur);
        fahrer += Tab + QStringLiteral("Fahrer ") + nummer + Tab + spuren[spur].fahrer;
        spalten +=
            Tab + QStringLiteral("Zeit ") + nummer + Tab + QStringLiteral("Geschw. ") + nummer;
    }
    QByteArray text = Windows1252::kodieren(fahrer + Tab + Zeilenende + spalten + Zeilenende);
    int nummern = 1;
    while (nummern < spuren.anzahl() && !rennen.spurBelegt(nummern))
        ++nummern;
    const Rundentabelle& nummerntabelle = tabellen[static_cast<std::size_t>(nummern - 1)];
    for (int zeile = 1; zeile < nummerntabelle.zeilenzahl(); ++zeile) {
        QString zeilentext = nummerntabelle.zelle(zeile, 0).text;
        for (const Rundentabelle& tabelle : tabellen)
            zeilentext += Tab + tabelle.zelle(zeile, 1).text + Tab + tabelle.zelle(zeile, 2).text;
        text += Windows1252::kodieren(zeilentext + Zeilenende);
    }
    text += Windows1252::kodieren(Zeilenende);
    // The heat's penalties below its tables, one a line; a race without them ends as it
    // always did.
    for (const Strafe& strafe : rennen.stand().strafen)
        text += Windows1252::kodieren(QStringLiteral("Strafe Spur %1 (").arg(strafe.spur) +
                                      spuren[strafe.spur].fahrer + QStringLiteral("): ") +
                                      straftext(strafe) + Zeilenende);
    return text;
}

} // namespace

Ergebnisexport::Ergebnisexport(const Datenverzeichnis& daten, Dialoge& dialoge, Tagesuhr& uhr)
    : m_daten(daten), m_dialoge(dialoge), m_uhr(uhr) {}

void Ergebnisexport::ErgebnisSpeichern(const Rennen& rennen) {
    if (!m_daten.bereitstellen(m_dialoge))
        return;
    const QByteArray inhalt = ergebnistext(rennen);
    // Within the same second an automatic file replaces the one before it.
    const QString name =
        rennen.einstellungen().permanentesLogging
            ? QStringLiteral("Rennergebnis") + m_uhr.jetzt().toString(QStringLiteral("hhmmss"))
            : m_dialoge.eingabe(QStringLiteral("Wie soll die Datei heißen, in der das aktuelle "
                                               "Ergebnis gespeichert werden soll?"),
                                QStringLiteral("Dateiname"), QStringLiteral("Rennergebnis"));
    if (name.isEmpty())
        return;

    const QString dateiname = name + QStringLiteral(".txt");
    // A refused name says why, so the racer can choose another.
    if (const std::optional<QString> grund = m_daten.namensfehler(dateiname)) {
        fehlerMelden(QStringLiteral("„") + dateiname +
                     QStringLiteral("“ ist als Dateiname nicht erlaubt: ") + *grund);
        return;
    }
    if (const std::optional<Laufzeitfehler> fehler =
            dateiErsetzen(m_daten.pfad(dateiname), inhalt)) {
        fehlerMelden(m_daten.anzeigepfad(dateiname) + QStringLiteral("\r\nFehlercode: ") +
                     QString::number(fehler->nummer) + QStringLiteral(" - ") +
                     fehler->beschreibung);
        return;
    }
    if (!rennen.einstellungen().permanentesLogging)
        m_dialoge.meldung(QStringLiteral("Das Ergebnis wurde in: ") +
                              m_daten.anzeigepfad(dateiname) + QStringLiteral(" geschrieben"),
                          Anwendungstitel);
}

void Ergebnisexport::fehlerMelden(const QString& grund) {
    m_dialoge.hinweis(QStringLiteral("Es trat ein Fehler bei der Dateiausgabe auf.\r\n") + grund,
                      Anwendungstitel);
}
