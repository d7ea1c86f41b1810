// Rundomat: lap timing and races for a two-lane slot-car track.
#include "Anwendung.h"
#include "Standardschrift.h"

#include <QApplication>
#include <QTextStream>

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
} // namespace

int main(int argc, char* argv[]) {
    QTextStream fehlerausgabe(stderr);
    if (!anzeigeVorhanden()) {
        fehlerausgabe << "rundomat: Keine grafische Anzeige gefunden (weder DISPLAY noch "
                         "WAYLAND_DISPLAY ist gesetzt). Rundomat braucht einen Bildschirm.\n";
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("rundomat"));
    QApplication::setFont(standardschrift());
    const Programmoptionen optionen =
        programmoptionenLesen(QApplication::arguments(), QApplication::applicationDirPath());
    if (!optionen.hilfetext.isEmpty()) {
        QTextStream(stdout) << optionen.hilfetext;
        return 0;
    }
    if (!optionen.fehler.isEmpty()) {
        fehlerausgabe << "rundomat: " << optionen.fehler << '\n';
        return 2;
    }
    Anwendung anwendung(optionen);
    anwendung.starten();
    return QApplication::exec();
}
