// Rundomat: lap timing and races for a two-lane slot-car track.
#include "Anwendung.h"
#include "Rennabendplanbefehl.h"
#include "Standardschrift.h"
#include "Verlaufsexportbefehl.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTextStream>
#include <QTranslator>
#include <csignal>
#include <memory>

namespace {
// Without a display Qt would abort with a message about platform plugins; say plainly
// what is missing instead.
bool anzeigeVorhanden() {
#ifdef Q_OS_LINUX
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

// The command line read with Qt's own option texts in German; the translation goes again
// before any window opens, whose buttons stay as they were.
Programmoptionen befehlszeileLesen(const Programmdateien& dateien) {
    QTranslator qtTexte;
    if (qtTexte.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTexte);
    Programmoptionen optionen = programmoptionenLesen(QCoreApplication::arguments(), dateien);
    if (!optionen.fehler.isEmpty())
        optionen.fehler += QLatin1Char('\n') + aufrufzeile();
    return optionen;
}
} // namespace

int main(int argc, char* argv[]) {
#ifdef SIGPIPE
    // A log read through a pipe whose reader has gone must not end the program: the write
    // fails and the race goes on.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    // Help, version, the export and a night's plan answer without a display, so they need no
    // window system.
    const bool fenster = anzeigeVorhanden() && !ohneAnzeigeVerlangt(argc, argv);
    const std::unique_ptr<QCoreApplication> app =
        fenster ? std::make_unique<QApplication>(argc, argv)
                : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("rundomat"));
    QCoreApplication::setApplicationVersion(QStringLiteral(RUNDOMAT_VERSION));
    const Programmdateien dateien(QCoreApplication::applicationDirPath());
    const Programmoptionen optionen = befehlszeileLesen(dateien);
    if (!optionen.ausgabe.isEmpty()) {
        QTextStream(stdout) << optionen.ausgabe;
        return 0;
    }
    if (!optionen.fehler.isEmpty()) {
        QTextStream(stderr) << "rundomat: " << optionen.fehler << '\n';
        return 2;
    }
    if (!optionen.verlaufsexport.isEmpty())
        return verlaufsexportAusfuehren(optionen);
    if (!optionen.rennabendplan.isEmpty())
        return rennabendplanAusgeben(optionen);
    if (!fenster) {
        QTextStream(stderr) << "rundomat: Keine grafische Anzeige gefunden (weder DISPLAY noch "
                               "WAYLAND_DISPLAY ist gesetzt). Rundomat braucht einen "
                               "Bildschirm.\n";
        return 1;
    }
    QApplication::setFont(standardschrift());
    // The desktop finds the program's entry, and so its icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(RUNDOMAT_ID));
    Anwendung anwendung(optionen, dateien);
    anwendung.starten();
    return QApplication::exec();
}
