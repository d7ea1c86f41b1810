#include "Programmoptionen.h"

#include "Fahrerliste.h"
#include "Hoerort.h"
#include "Reihe.h"
#include "Zahlenformat.h"

#include <QCommandLineParser>
#include <QDir>

namespace {

// Where a user's data lives on Linux; a relative XDG_DATA_HOME is invalid and ignored.
QString benutzerdatenordner() {
    QString basis = qEnvironmentVariable("XDG_DATA_HOME");
    if (basis.isEmpty() || QDir::isRelativePath(basis))
        basis = QDir::homePath() + QStringLiteral("/.local/share");
    return QDir(basis).filePath(QStringLiteral("rundomat"));
}

void grundoptionen(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral("Rundomat – Zeitnahme und Rennen für Autorennbahnen mit 2 bis 8 Spuren"));
    parser.addHelpOption();
    parser.addVersionOption();
}

// The format first: it says how many drivers the roster may have. A wider track has only
// the round over every lane, which is also its format without --format.
void rennabendplanLesen(const QString& namen, bool mitFormat, const QString& format,
                        Programmoptionen& optionen) {
    const int spuren = optionen.spuranzahl.value_or(KleinsteSpurenzahl);
    if (!mitFormat)
        optionen.rennabendformat = rennabendformatFuer(Rennabendformat::JederGegenJeden, spuren);
    else if (format == QStringLiteral("jeder-gegen-jeden"))
        optionen.rennabendformat = Rennabendformat::JederGegenJeden;
    else if (format == QStringLiteral("rotation"))
        optionen.rennabendformat = Rennabendformat::Rotation;
    else if (format == QStringLiteral("spurrotation"))
        optionen.rennabendformat = Rennabendformat::Spurrotation;
    else {
        optionen.fehler = QStringLiteral("--format erwartet jeder-gegen-jeden, rotation oder "
                                         "spurrotation, nicht „%1“.")
                              .arg(format);
        return;
    }
    if (rennabendformatFuer(optionen.rennabendformat, spuren) != optionen.rennabendformat) {
        optionen.fehler = QStringLiteral("--format %1 fährt auf zwei Spuren; auf %2 Spuren gibt "
                                         "es nur spurrotation.")
                              .arg(format)
                              .arg(spuren);
        return;
    }
    optionen.rennabendplan = fahrernamenTrennen(namen);
    if (const std::optional<QString> fehler =
            fahrerlisteFehler(optionen.rennabendplan, meisteFahrer(optionen.rennabendformat)))
        optionen.fehler = QStringLiteral("--rennabend-plan: ") + *fehler;
}

} // namespace

QString aufrufzeile() {
    QCommandLineParser parser;
    grundoptionen(parser);
    return parser.helpText().section(QLatin1Char('\n'), 0, 0);
}

Programmoptionen programmoptionenLesen(const QStringList& argumente,
                                       const Programmdateien& dateien) {
    QCommandLineParser parser;
    grundoptionen(parser);
    const QCommandLineOption daten(
        QStringLiteral("data-dir"),
        QStringLiteral("Ordner für hof.ini, Ergebnisdateien und den Rennverlauf (sonst der "
                       "Programmordner, bei einer Installation ~/.local/share/rundomat)."),
        QStringLiteral("ORDNER"));
    const QCommandLineOption protokoll(
        QStringLiteral("signal-log"),
        QStringLiteral("Schreibt jedes Sensorsignal und was daraus wurde in diese Datei."),
        QStringLiteral("DATEI"));
    const QCommandLineOption ansagen(
        QStringLiteral("ansage-log"),
        QStringLiteral("Schreibt jede Ansage in diese Datei, wenn sie ansteht (Millisekunden seit "
                       "dem Programmstart, Tabulator, Text), und \"verworfen\", wenn sie "
                       "ungesagt entfällt; auch ohne Tonausgabe."),
        QStringLiteral("DATEI"));
    const QCommandLineOption verlauf(
        QStringLiteral("verlauf-export"),
        QStringLiteral("Schreibt den Rennverlauf (rennen.sqlite im Datenordner) in diese Datei, "
                       "als CSV für Tabellenkalkulationen (.csv) oder als JSON (.json), und "
                       "endet; braucht keinen Bildschirm."),
        QStringLiteral("DATEI"));
    const QCommandLineOption plan(
        QStringLiteral("rennabend-plan"),
        QStringLiteral(
            "Gibt den Plan eines Rennabends mit diesen 3 bis 16 Fahrern (in der Spurrotation "
            "bis 32) aus (Namen durch Kommas getrennt), eine Zeile je Begegnung oder Lauf: "
            "Nummer, dann der Fahrer jeder Spur (leer für eine freie Spur), durch Tabulatoren "
            "getrennt; braucht keinen Bildschirm."),
        QStringLiteral("NAMEN"));
    const QCommandLineOption abend(
        QStringLiteral("rennabend"),
        QStringLiteral("Beginnt mit einem Rennabend dieser 3 bis 16 Fahrer (Namen durch Kommas "
                       "getrennt) im gespeicherten Format; die erste Begegnung steht bereit."),
        QStringLiteral("NAMEN"));
    const QCommandLineOption format(
        QStringLiteral("format"),
        QStringLiteral("Das Format zu --rennabend-plan: jeder-gegen-jeden (jedes Paar eine "
                       "Begegnung aus zwei Läufen, so ohne --format), rotation (einzelne "
                       "Läufe, jeder gleich viele, halb auf jeder Spur) oder spurrotation (jeder "
                       "einmal auf jeder Spur, so ohne --format auf mehr als zwei Spuren, die "
                       "--spuren angibt)."),
        QStringLiteral("FORMAT"));
    const QCommandLineOption spuren(
        QStringLiteral("spuren"),
        QStringLiteral("Die Bahn hat für diesen Lauf des Programms so viele Spuren (2 bis 8), "
                       "statt der gespeicherten Spurenzahl."),
        QStringLiteral("N"));
    // --simulate and --web are read before the parser sees the arguments (below); here only
    // for the help.
    const QCommandLineOption simulation(
        QStringLiteral("simulate"),
        QStringLiteral("Fährt ohne Sensoren auf einer simulierten Bahn; --simulate=SEKUNDEN "
                       "wählt die mittlere Rundenzeit (0,5 bis 3600, sonst 4)."));
    const QCommandLineOption seite(
        QStringLiteral("web"),
        QStringLiteral("Zeigt den Stand als Live-Seite fürs Handy, auf Port 8080 oder dem "
                       "gespeicherten, für jedes Gerät in jedem Netz dieses PCs (IPv6 und IPv4); "
                       "--web=PORT wählt einen anderen Port, --web=ADRESSE:PORT hört nur auf "
                       "dieser Adresse: --web=127.0.0.1:8080 oder --web=[::1]:8080 nur auf "
                       "diesem PC."));
    parser.addOption(daten);
    parser.addOption(simulation);
    parser.addOption(seite);
    parser.addOption(protokoll);
    parser.addOption(ansagen);
    parser.addOption(verlauf);
    parser.addOption(plan);
    parser.addOption(format);
    parser.addOption(abend);
    parser.addOption(spuren);

    // --simulate and --web take an optional value, which QCommandLineParser cannot express.
    QStringList rest;
    Programmoptionen optionen;
    for (const QString& argument : argumente) {
        if (argument == QStringLiteral("--simulate")) {
            optionen.simulation = 4.0;
        } else if (argument.startsWith(QStringLiteral("--simulate="))) {
            QString wert = argument.mid(11);
            const std::optional<double> sekunden =
                Zahlenformat::zahlLesen(wert.replace(QLatin1Char('.'), QLatin1Char(',')));
            if (!sekunden || *sekunden < 0.5 || *sekunden > 3600) {
                optionen.fehler = QStringLiteral("--simulate erwartet eine mittlere Rundenzeit "
                                                 "zwischen 0,5 und 3600 Sekunden.");
                return optionen;
            }
            optionen.simulation = *sekunden;
        } else if (argument == QStringLiteral("--web")) {
            optionen.seite = true;
        } else if (argument.startsWith(QStringLiteral("--web="))) {
            const std::optional<Hoerangabe> angabe = hoerangabeLesen(argument.mid(6));
            if (!angabe) {
                optionen.fehler =
                    QStringLiteral("--web erwartet eine Portnummer zwischen 1 und 65535, wahlweise "
                                   "mit einer IP-Adresse dieses PCs davor: --web=8080, "
                                   "--web=127.0.0.1:8080 oder --web=[::1]:8080.");
                return optionen;
            }
            optionen.seite = true;
            optionen.seitenadresse = angabe->adresse;
            optionen.seitenport = angabe->port;
        } else {
            rest << argument;
        }
    }
    if (!parser.parse(rest)) {
        optionen.fehler = parser.errorText();
        return optionen;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        optionen.ausgabe = parser.helpText();
        return optionen;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        optionen.ausgabe = QCoreApplication::applicationName() + QLatin1Char(' ') +
                           QCoreApplication::applicationVersion() + QLatin1Char('\n');
        return optionen;
    }
    if (parser.isSet(daten)) {
        optionen.datenverzeichnis = parser.value(daten);
    } else if (dateien.installiert()) {
        optionen.datenverzeichnis = benutzerdatenordner();
        optionen.datenordnerAnlegen = true;
    } else {
        optionen.datenverzeichnis = dateien.programmordner();
    }
    optionen.signalprotokoll = parser.value(protokoll);
    optionen.ansageprotokoll = parser.value(ansagen);
    optionen.verlaufsexport = parser.value(verlauf);
    if (parser.isSet(verlauf) && optionen.verlaufsexport.isEmpty())
        optionen.fehler = QStringLiteral("--verlauf-export braucht einen Dateinamen.");
    if (parser.isSet(spuren)) {
        const std::optional<std::int32_t> anzahl =
            Zahlenformat::ganzzahlLesen(parser.value(spuren));
        if (anzahl && *anzahl >= KleinsteSpurenzahl && *anzahl <= GroessteSpurenzahl &&
            QString::number(*anzahl) == parser.value(spuren).trimmed())
            optionen.spuranzahl = *anzahl;
        else
            optionen.fehler = QStringLiteral("--spuren erwartet eine Spurenzahl von 2 bis 8, "
                                             "nicht „%1“.")
                                  .arg(parser.value(spuren));
    }
    if (parser.isSet(plan))
        rennabendplanLesen(parser.value(plan), parser.isSet(format), parser.value(format),
                           optionen);
    else if (parser.isSet(format))
        optionen.fehler = QStringLiteral("--format gilt nur zusammen mit --rennabend-plan.");
    if (parser.isSet(abend)) {
        optionen.rennabend = fahrernamenTrennen(parser.value(abend));
        optionen.rennabendklassen = fahrerklassenTrennen(parser.value(abend));
        if (const std::optional<QString> fehler = fahrerlisteFehler(optionen.rennabend))
            optionen.fehler = QStringLiteral("--rennabend: ") + *fehler;
    }
    return optionen;
}

bool ohneAnzeigeVerlangt(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        for (const char* option : {"--verlauf-export", "--rennabend-plan"})
            if (argument == option || argument.startsWith(QByteArray(option) + '='))
                return true;
    }
    return false;
}
