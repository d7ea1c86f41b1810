#include "Datenverzeichnis.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>
#include <utility>

namespace {

// Windows opens these devices whatever extension follows the name ("NUL.txt"), and
// ignores blanks before the extension.
bool istGeraetename(const QString& dateiname) {
    const QString stamm = dateiname.section(QLatin1Char('.'), 0, 0).trimmed().toUpper();
    static const QStringList geraete{QStringLiteral("CON"),    QStringLiteral("PRN"),
                                     QStringLiteral("AUX"),    QStringLiteral("NUL"),
                                     QStringLiteral("CONIN$"), QStringLiteral("CONOUT$")};
    if (geraete.contains(stamm))
        return true;
    const bool nummeriert =
        stamm.startsWith(QStringLiteral("COM")) || stamm.startsWith(QStringLiteral("LPT"));
    return nummeriert && stamm.size() == 4 &&
           (stamm[3].isDigit() || QStringLiteral("¹²³").contains(stamm[3]));
}

bool verlaesstVerzeichnis(const QString& dateiname) {
    // A colon is a drive ("C:name") or, on Windows, a hidden stream of another file.
    return dateiname.contains(QLatin1Char('/')) || dateiname.contains(QLatin1Char('\\')) ||
           dateiname.contains(QStringLiteral("..")) || dateiname.contains(QLatin1Char(':'));
}

bool hatSteuerzeichen(const QString& dateiname) {
    return std::any_of(dateiname.begin(), dateiname.end(),
                       [](QChar zeichen) { return zeichen.unicode() < 0x20; });
}

// The files that come with the program into its folder, which is the data folder unless
// --data-dir names another. Letter case counts for nothing: on Windows "README.TXT" is
// the same file.
bool istProgrammdatei(const QString& dateiname) {
    static const QStringList programmdateien{QStringLiteral("readme.txt"),
                                             QStringLiteral("hof.ini")};
    return programmdateien.contains(dateiname, Qt::CaseInsensitive);
}

// Why the folder cannot be made: the deepest part of its path that exists is a file, or a
// folder the user may not write into.
QString anlegefehler(const QString& verzeichnis) {
    QFileInfo teil(verzeichnis);
    while (!teil.exists() && !teil.isRoot())
        teil = QFileInfo(teil.absolutePath());
    const QString pfad = QDir::toNativeSeparators(teil.absoluteFilePath());
    return teil.isDir() ? QStringLiteral("im Ordner ") + pfad +
                              QStringLiteral(" darf Rundomat nichts anlegen")
                        : pfad + QStringLiteral(" ist eine Datei, kein Ordner");
}

} // namespace

Datenverzeichnis::Datenverzeichnis(const QString& verzeichnis, bool anlegen)
    : m_verzeichnis(QDir(verzeichnis).absolutePath()), m_anlegen(anlegen),
      m_anlegefehlerGemeldet(std::make_shared<bool>(false)) {}

bool Datenverzeichnis::bereitstellen(Dialoge& dialoge) const {
    if (!m_anlegen || QDir().mkpath(m_verzeichnis))
        return true;
    if (std::exchange(*m_anlegefehlerGemeldet, true))
        return false;
    dialoge.hinweis(QStringLiteral("Der Datenordner ") + QDir::toNativeSeparators(m_verzeichnis) +
                        QStringLiteral(" lässt sich nicht anlegen: ") +
                        anlegefehler(m_verzeichnis) +
                        QStringLiteral(". Hall of Fame, Ergebnisdateien und Rennverlauf werden "
                                       "darum nicht gespeichert; Rundomat läuft weiter. Der "
                                       "Ordner liegt in XDG_DATA_HOME (sonst ~/.local/share), "
                                       "mit --data-dir lässt sich ein anderer wählen."),
                    Anwendungstitel);
    return false;
}

QString Datenverzeichnis::pfad(const QString& dateiname) const {
    return QDir(m_verzeichnis).filePath(dateiname);
}

QString Datenverzeichnis::anzeigepfad(const QString& dateiname) const {
    return QDir::toNativeSeparators(pfad(dateiname));
}

std::optional<QString> Datenverzeichnis::namensfehler(const QString& dateiname) const {
    if (QFileInfo(dateiname).completeBaseName().trimmed().isEmpty())
        return QStringLiteral("Er besteht nur aus Leerzeichen.");
    if (verlaesstVerzeichnis(dateiname) || hatSteuerzeichen(dateiname) || istGeraetename(dateiname))
        return QStringLiteral("Er darf kein /, \\, : oder .. und keine Steuerzeichen enthalten "
                              "und kein Gerätename wie CON, NUL oder COM1 sein.");
    if (istProgrammdatei(dateiname))
        return QStringLiteral("Die Datei gehört zu Rundomat und wird nicht überschrieben.");
    return std::nullopt;
}
