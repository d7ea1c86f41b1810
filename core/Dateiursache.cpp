#include "Dateiursache.h"

#include <QFileInfo>
#include <QStorageInfo>
#include <cerrno>

namespace {
const QString Voll = QStringLiteral("Der Datenträger ist voll.");
const QString Schreibgeschuetzt = QStringLiteral("Der Datenträger ist schreibgeschützt.");

QString ausFehlernummer(int fehlernummer) {
    switch (fehlernummer) {
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return Voll;
    case EROFS: return Schreibgeschuetzt;
    case EACCES:
    case EPERM: return QStringLiteral("Die Berechtigung zum Schreiben fehlt.");
    case EFBIG: return QStringLiteral("Die Datei wird für den Datenträger zu groß.");
    case EIO: return QStringLiteral("Der Datenträger meldet einen Ein-/Ausgabefehler.");
    case ENOENT: return QStringLiteral("Der Ordner fehlt.");
    case EISDIR: return QStringLiteral("Das ist ein Ordner.");
    case ENXIO: return QStringLiteral("Niemand liest aus dieser benannten Pipe.");
    default: return {};
    }
}
} // namespace

QString dateiursache(const QString& pfad, int fehlernummer) {
    if (QString ursache = ausFehlernummer(fehlernummer); !ursache.isEmpty())
        return ursache;
    // The number may be lost in a library; the disk itself still tells the common causes.
    const QStorageInfo datentraeger(QFileInfo(pfad).absolutePath());
    if (!datentraeger.isValid())
        return {};
    if (datentraeger.isReadOnly())
        return Schreibgeschuetzt;
    if (datentraeger.bytesAvailable() == 0)
        return Voll;
    return {};
}
