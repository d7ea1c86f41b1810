// Rundomat: lap timing and races for a two-lane slot-car track.
#include "Anwendung.h"
#include "Standardschrift.h"
#include "Verlaufsexportbefehl.h"

#include <QApplication>
#include <QTextStream>
#include <csignal>
#include <functional>

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

// The command line of the program in either form, its folder known.
int befehlszeileAusfuehren(const QString& programmordner,
                           const std::function<int(const Programmoptionen&)>& ausfuehren) {
    const Programmoptionen optionen =
        programmoptionenLesen(QCoreApplication::arguments(), programmordner);
    if (!optionen.hilfetext.isEmpty()) {
        QTextStream(stdout) << optionen.hilfetext;
        return 0;
    }
    if (!optionen.fehler.isEmpty()) {
        QTextStream(stderr) << "rundomat: " << optionen.fehler << '\n';
        return 2;
    }
    return ausfuehren(optionen);
}
} // namespace

int main(int argc, char* argv[]) {
#ifdef SIGPIPE
    // A log read through a pipe whose reader has gone must not end the program: the write
    // fails and the race goes on.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    if (verlaufsexportVerlangt(argc, argv)) {
        QCoreApplication app(argc, argv);
        return befehlszeileAusfuehren(QCoreApplication::applicationDirPath(),
                                      verlaufsexportAusfuehren);
    }
    QTextStream fehlerausgabe(stderr);
    if (!anzeigeVorhanden()) {
        fehlerausgabe << "rundomat: Keine grafische Anzeige gefunden (weder DISPLAY noch "
                         "WAYLAND_DISPLAY ist gesetzt). Rundomat braucht einen Bildschirm.\n";
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("rundomat"));
    QApplication::setFont(standardschrift());
    return befehlszeileAusfuehren(QApplication::applicationDirPath(),
                                  [](const Programmoptionen& optionen) {
                                      Anwendung anwendung(optionen);
                                      anwendung.starten();
                                      return QApplication::exec();
                                  });
}
