// rundomat-sensor-emulator: a serial port whose CD, DSR, CTS and RI lines it drives and
// whose RTS line it reads, on a pseudo-terminal, for trying and testing the program's sensor
// path without hardware; a second one for lanes 5 to 8. The program sees the lines through
// the preload library. Prints the terminal's path first, then the LD_PRELOAD setting that
// the program needs, then the second terminal's path if there is one.
#include "Emulatorlauf.h"
#include "KurzeZeitscheibe.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <ctime>
#include <dlfcn.h>
#include <pty.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t aufhoeren = 0;

void fehler(const QString& text) {
    std::fprintf(stderr, "rundomat-sensor-emulator: %s\n", text.toLocal8Bit().constData());
}

std::optional<double> sekunden(const QCommandLineParser& befehl, const QString& name,
                               double kleinste) {
    bool ok = false;
    const double wert = befehl.value(name).toDouble(&ok);
    if (!ok || !(wert >= kleinste) || wert > 86400)
        return std::nullopt;
    return wert;
}

// The two numbers of "A,B" or "A:B".
std::optional<std::pair<double, double>> paar(const QString& text, QChar trenner) {
    const QStringList teile = text.split(trenner);
    bool ok1 = false;
    bool ok2 = false;
    if (teile.size() != 2)
        return std::nullopt;
    const double a = teile[0].toDouble(&ok1);
    const double b = teile[1].toDouble(&ok2);
    if (!ok1 || !ok2)
        return std::nullopt;
    return std::pair{a, b};
}

std::optional<Rennparameter> rennparameter(const QCommandLineParser& b, QString& meldung) {
    Rennparameter p;
    bool ok = true;
    p.spuren = b.value(QStringLiteral("lanes")).toInt(&ok);
    if (!ok || p.spuren < 1 || p.spuren > 8) {
        meldung = QStringLiteral("--lanes: 1 bis 8 Spuren");
        return std::nullopt;
    }
    const auto rundenzeit = sekunden(b, QStringLiteral("lap"), 0.1);
    const auto streuung = sekunden(b, QStringLiteral("spread"), 0);
    if (!rundenzeit || !streuung || *streuung >= *rundenzeit) {
        meldung = QStringLiteral("--lap: Rundenzeit ab 0.1 s; --spread: kleiner als sie");
        return std::nullopt;
    }
    p.rundenzeit = *rundenzeit;
    p.streuung = *streuung;
    const auto prellen = paar(b.value(QStringLiteral("bounce")), QLatin1Char(','));
    if (!prellen || prellen->first < 2 || prellen->first > 64 ||
        static_cast<int>(prellen->first) % 2 != 0 || prellen->second <= 0 ||
        prellen->second / 1000 >= p.rundenzeit - p.streuung) {
        meldung = QStringLiteral("--bounce N,MS: eine gerade Zahl von 2 bis 64 Flanken innerhalb "
                                 "von MS Millisekunden, kürzer als die kürzeste Runde");
        return std::nullopt;
    }
    p.flanken = static_cast<int>(prellen->first);
    p.prellen = prellen->second / 1000;
    if (b.isSet(QStringLiteral("laps"))) {
        p.runden = b.value(QStringLiteral("laps")).toInt(&ok);
        if (!ok || *p.runden < 1) {
            meldung = QStringLiteral("--laps: eine Rundenzahl ab 1");
            return std::nullopt;
        }
    }
    if (b.isSet(QStringLiteral("stop"))) {
        const auto halt = paar(b.value(QStringLiteral("stop")), QLatin1Char(':'));
        if (!halt || halt->first < 1 || halt->first > p.spuren ||
            halt->first != static_cast<int>(halt->first) || halt->second < 0) {
            meldung = QStringLiteral("--stop SPUR:RUNDE: eine Spur des Rennens, Runde ab 0");
            return std::nullopt;
        }
        p.halt = std::pair{static_cast<int>(halt->first), static_cast<int>(halt->second)};
    }
    p.startwert = b.value(QStringLiteral("seed")).toUInt(&ok);
    if (!ok) {
        meldung = QStringLiteral("--seed: eine ganze Zahl ab 0");
        return std::nullopt;
    }
    return p;
}

// Whether the library can be loaded at all; the reason when not.
QString bibliothekPruefen(const QString& datei) {
    if (!QFileInfo::exists(datei))
        return QStringLiteral("fehlt");
    void* griff = dlopen(datei.toLocal8Bit().constData(), RTLD_NOW | RTLD_LOCAL);
    if (!griff)
        return QString::fromLocal8Bit(dlerror());
    dlclose(griff);
    return {};
}

// A pseudo-terminal and the memory of its lines, removed with it.
struct Terminal {
    int master = -1;
    int slave = -1;
    std::string name;
    std::string speicherdatei;
    Leitungsspeicher::Speicher* speicher = nullptr;

    ~Terminal() {
        if (speicher)
            unlink(speicherdatei.c_str());
        if (master >= 0)
            close(master);
        if (slave >= 0)
            close(slave);
    }
};

// Opens a terminal and sets its lines' memory up; the problem when it cannot.
QString terminalOeffnen(Terminal& t) {
    struct stat angaben {};
    const char* name = nullptr;
    if (openpty(&t.master, &t.slave, nullptr, nullptr, nullptr) != 0 ||
        (name = ttyname(t.slave)) == nullptr || fstat(t.slave, &angaben) != 0)
        return QStringLiteral("Das System gibt kein Pseudoterminal her.");
    t.name = name;
    t.speicherdatei = Leitungsspeicher::pfad(angaben.st_rdev);
    t.speicher = Leitungsspeicher::anlegen(t.speicherdatei);
    if (!t.speicher)
        return QStringLiteral("Der gemeinsame Speicher %1 lässt sich nicht anlegen.")
            .arg(QString::fromStdString(t.speicherdatei));
    t.speicher->kennung.store(Leitungsspeicher::Kennung, std::memory_order_release);
    return {};
}

pid_t programmStarten(const QStringList& aufruf, const QString& bibliothek,
                      const std::string& speicherdatei) {
    const pid_t kind = fork();
    if (kind != 0)
        return kind;
    QByteArray vorladen = bibliothek.toLocal8Bit();
    if (const char* bisher = std::getenv("LD_PRELOAD"); bisher && *bisher)
        vorladen += QByteArray(":") + bisher;
    setenv("LD_PRELOAD", vorladen.constData(), 1);
    setenv("RUNDOMAT_SENSOR_EMULATOR_SPEICHER", speicherdatei.c_str(), 1);
    std::vector<QByteArray> teile;
    for (const QString& teil : aufruf)
        teile.push_back(teil.toLocal8Bit());
    std::vector<char*> argumente;
    for (QByteArray& teil : teile)
        argumente.push_back(teil.data());
    argumente.push_back(nullptr);
    execvp(argumente[0], argumente.data());
    std::fprintf(stderr, "rundomat-sensor-emulator: %s lässt sich nicht starten: %s\n",
                 argumente[0], std::strerror(errno));
    _exit(127);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    // The parser's own words ("Aufruf", "Optionen", the help option's text) in German, as
    // the rest of the help is.
    QTranslator qtTexte;
    if (qtTexte.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTexte);
    QCommandLineParser befehl;
    befehl.setApplicationDescription(QStringLiteral(
        "Emuliert die Sensorleitungen einer seriellen Schnittstelle auf einem Pseudoterminal: "
        "CD, DSR, CTS und RI (Spur 1 bis 4) nach einem Skript oder einem simulierten Rennen, "
        "RTS wird mitgeschrieben; RI meldet wie viele UARTs nur seine fallende Flanke. Spur 5 "
        "bis 8 liegen ebenso auf einem zweiten Terminal. Ausgabe: Zeile 1 der Pfad des "
        "Terminals, Zeile 2 die LD_PRELOAD-Einstellung, mit der das Programm die Leitungen "
        "sieht, Zeile 3 der Pfad des zweiten Terminals, wenn es eines gibt. Mit -- PROGRAMM "
        "startet der Emulator das Programm selbst mit dieser Einstellung."));
    befehl.addHelpOption();
    const auto option = [](const char* name, const char* text, const char* wert = nullptr,
                           const char* vorgabe = nullptr) {
        QCommandLineOption o(QString::fromLatin1(name), QString::fromUtf8(text));
        if (wert)
            o.setValueName(QString::fromLatin1(wert));
        if (vorgabe)
            o.setDefaultValue(QString::fromLatin1(vorgabe));
        return o;
    };
    befehl.addOptions({
        option("script",
               "Skript: Zeilen \"Zeit Spur\", \"Zeit Leitung Pegel\" oder \"Zeit halt "
               "Sekunden\" (das nächste Warten des Programms beginnt so viel später).",
               "DATEI"),
        option("lap", "Simuliertes Rennen mit dieser mittleren Rundenzeit (startet bei Grün).",
               "SEKUNDEN"),
        option("lanes", "Autos im simulierten Rennen, eines je Spur ab Spur 1.", "N", "2"),
        option("spread", "Rundenzeiten gleichmäßig in Mittel ± Streuung.", "SEKUNDEN", "0"),
        option("laps", "Jedes Auto fährt so viele Runden und hält dann.", "N"),
        option("bounce", "Jede Durchfahrt: N Flanken (gerade) innerhalb von MS Millisekunden.",
               "N,MS", "2,20"),
        option("stop", "Das Auto der Spur hält nach dieser Runde.", "SPUR:RUNDE"),
        option("seed", "Startwert des Zufalls.", "N", "1"),
        option("at-green",
               "Skript- und Trennzeiten zählen ab Grün (RTS fällt), nicht ab dem Start."),
        option("unplug",
               "Die Schnittstelle fällt so viele Sekunden nach dem Nullpunkt aus "
               "wie ein abgezogener USB-Adapter (EIO).",
               "SEKUNDEN"),
        option("unplug2", "Ebenso die zweite Schnittstelle (Spur 5 bis 8).", "SEKUNDEN"),
        option("record", "Schreibt Flanken, Durchfahrten, RTS und Weckzeiten in die Datei.",
               "DATEI"),
        option("preload", "Die Vorladebibliothek (Vorgabe: neben dem Emulator).", "DATEI"),
    });
    befehl.addPositionalArgument(QStringLiteral("programm"),
                                 QStringLiteral("Nach --: Programm und Argumente."),
                                 QStringLiteral("[-- PROGRAMM [ARGUMENTE]]"));
    befehl.process(app);
    // Called bare, it would hold a terminal whose lines never move; --record alone is such a
    // run on purpose.
    if (QCoreApplication::arguments().size() == 1) {
        std::fputs(befehl.helpText().toLocal8Bit().constData(), stderr);
        return 2;
    }

    Laufvorgaben vorgaben;
    vorgaben.abGruen =
        befehl.isSet(QStringLiteral("at-green")) || befehl.isSet(QStringLiteral("lap"));
    if (befehl.isSet(QStringLiteral("script")) && befehl.isSet(QStringLiteral("lap"))) {
        fehler(QStringLiteral("--script und --lap schließen einander aus."));
        return 2;
    }
    if (befehl.isSet(QStringLiteral("script"))) {
        auto plan = skriptLesen(befehl.value(QStringLiteral("script")).toStdString());
        if (auto* text = std::get_if<std::string>(&plan)) {
            fehler(QString::fromStdString(*text));
            return 2;
        }
        vorgaben.plan = std::move(std::get<std::unique_ptr<Fahrplan>>(plan));
    } else if (befehl.isSet(QStringLiteral("lap"))) {
        QString meldung;
        const std::optional<Rennparameter> p = rennparameter(befehl, meldung);
        if (!p) {
            fehler(meldung);
            return 2;
        }
        vorgaben.plan = rennplan(*p);
    }
    for (const int port : {0, 1}) {
        const QString name = port == 0 ? QStringLiteral("unplug") : QStringLiteral("unplug2");
        if (!befehl.isSet(name))
            continue;
        vorgaben.trennenNach[port] = sekunden(befehl, name, 0);
        if (!vorgaben.trennenNach[port]) {
            fehler(QStringLiteral("--%1: Sekunden ab 0").arg(name));
            return 2;
        }
    }
    std::FILE* aufzeichnung = nullptr;
    if (befehl.isSet(QStringLiteral("record"))) {
        aufzeichnung = std::fopen(befehl.value(QStringLiteral("record")).toLocal8Bit(), "w");
        if (!aufzeichnung) {
            fehler(QStringLiteral("Die Aufzeichnung %1 lässt sich nicht schreiben.")
                       .arg(befehl.value(QStringLiteral("record"))));
            return 1;
        }
    }
    vorgaben.aufzeichnung = aufzeichnung;
    vorgaben.meldungen = stdout;

    // The second terminal only for a plan with lanes 5 to 8 (or one told to fail it).
    const int ports =
        std::max(vorgaben.plan ? vorgaben.plan->ports() : 1, vorgaben.trennenNach[1] ? 2 : 1);
    Terminal terminals[2];
    std::vector<Leitungsspeicher::Speicher*> speicher;
    for (int port = 0; port < ports; ++port) {
        if (const QString problem = terminalOeffnen(terminals[port]); !problem.isEmpty()) {
            fehler(problem);
            return 1;
        }
        speicher.push_back(terminals[port].speicher);
    }

    const QString bibliothek =
        befehl.isSet(QStringLiteral("preload"))
            ? QFileInfo(befehl.value(QStringLiteral("preload"))).absoluteFilePath()
            : QDir(QCoreApplication::applicationDirPath())
                  .filePath(QStringLiteral("librundomat-modemleitungen.so"));
    std::printf("%s\nLD_PRELOAD=%s\n", terminals[0].name.c_str(),
                bibliothek.toLocal8Bit().constData());
    if (ports == 2)
        std::printf("%s\n", terminals[1].name.c_str());
    std::fflush(stdout);
    if (const QString grund = bibliothekPruefen(bibliothek); !grund.isEmpty())
        fehler(QStringLiteral("Die Vorladebibliothek %1 lässt sich nicht laden (%2): ein Programm "
                              "sieht an diesem Port keine Modemleitungen.")
                   .arg(bibliothek, grund));

    pid_t programm = 0;
    if (!befehl.positionalArguments().isEmpty())
        programm =
            programmStarten(befehl.positionalArguments(), bibliothek, terminals[0].speicherdatei);
    for (int s : {SIGINT, SIGTERM, SIGHUP})
        std::signal(s, [](int) { aufhoeren = 1; });
    // Edges as close to their time as the timer allows.
    prctl(PR_SET_TIMERSLACK, 1UL);
    // Edges at their time on a busy machine too: edges late by a few of the others' slices
    // would press a bounce burst together.
    kurzeZeitscheibe();

    Emulatorlauf lauf(speicher, std::move(vorgaben));
    const std::int64_t beginn = Leitungsspeicher::jetzt();
    bool gewarnt = false;
    int ergebnis = 0;
    while (!aufhoeren) {
        const std::int64_t schlaf = lauf.runde();
        if (programm > 0) {
            int status = 0;
            if (waitpid(programm, &status, WNOHANG) == programm) {
                ergebnis = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
                if (terminals[0].speicher->programm.load() == 0)
                    fehler(QStringLiteral("Das Programm hat die Vorladebibliothek nicht geladen."));
                break;
            }
            if (!gewarnt && terminals[0].speicher->programm.load() == 0 &&
                Leitungsspeicher::jetzt() - beginn > 10'000'000'000) {
                gewarnt = true;
                fehler(QStringLiteral("Das Programm hat die Vorladebibliothek nicht geladen "
                                      "(LD_PRELOAD abgewiesen?); es läuft ohne sie und sieht an "
                                      "diesem Port keine Modemleitungen."));
            }
        }
        const timespec dauer{0, static_cast<long>(schlaf)};
        nanosleep(&dauer, nullptr);
    }
    lauf.beenden();
    if (programm > 0 && aufhoeren)
        kill(programm, SIGTERM);
    return ergebnis;
}
