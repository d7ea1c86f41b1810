#include "Schreibursache.h"

#include "Dateiursache.h"

#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>

namespace {
// SQLite's primary result codes that name the cause themselves.
constexpr int SqliteBelegt = 5;
constexpr int SqliteGesperrt = 6;
constexpr int SqliteVoll = 13;

QString ursacheOder(const QFileDevice& datei, int fehlernummer) {
    const QString ursache = dateiursache(datei.fileName(), fehlernummer);
    return ursache.isEmpty() ? datei.errorString() : ursache;
}
} // namespace

Schreibursache schreibursacheFinden(const QString& datenbank, const Datenbankfehler& fehler) {
    if (fehler.code == SqliteBelegt || fehler.code == SqliteGesperrt)
        return {datenbank, false,
                QStringLiteral("Ein anderes Programm hält die Datei länger als 5 Sekunden "
                               "gesperrt.")};
    if (fehler.code == SqliteVoll)
        return {datenbank, false, dateiursache(datenbank, ENOSPC)};
    // SQLite says only that it cannot write; each file it writes is tried as it would be.
    // A file left read-only by another user, such as the -shm, shows here.
    for (const QString& endung : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")}) {
        QFile datei(datenbank + endung);
        errno = 0;
        if (datei.exists() && !datei.open(QIODevice::ReadWrite | QIODevice::ExistingOnly))
            return {datei.fileName(), false, ursacheOder(datei, errno)};
    }
    const QString ordner = QFileInfo(datenbank).absolutePath();
    QTemporaryFile probe(ordner + QStringLiteral("/.rundomat-probe-XXXXXX"));
    errno = 0;
    if (!probe.open())
        return {ordner, true, ursacheOder(probe, errno)};
    probe.remove();
    const QString ursache = dateiursache(datenbank, 0);
    return {datenbank, false, ursache.isEmpty() ? fehler.text : ursache};
}
