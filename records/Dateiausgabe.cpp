#include "Dateiausgabe.h"

#include "Dateiursache.h"

#include <QSaveFile>
#include <cerrno>

namespace {

QString beschreibung(QFileDevice::FileError fehler) {
    switch (fehler) {
    case QFileDevice::ReadError: return QStringLiteral("Die Datei konnte nicht gelesen werden");
    case QFileDevice::WriteError:
        return QStringLiteral("Die Datei konnte nicht geschrieben werden");
    case QFileDevice::ResourceError:
        return QStringLiteral("Der Speicherplatz oder die Systemmittel reichen nicht aus");
    case QFileDevice::OpenError: return QStringLiteral("Die Datei konnte nicht geöffnet werden");
    case QFileDevice::RenameError: return QStringLiteral("Die Datei konnte nicht umbenannt werden");
    case QFileDevice::PermissionsError: return QStringLiteral("Zugriff verweigert");
    default: return QStringLiteral("Unbekannter Dateifehler");
    }
}

Laufzeitfehler fehlerMit(QFileDevice::FileError fehler, const QString& systemtext) {
    QString text = beschreibung(fehler);
    if (!systemtext.isEmpty())
        text += QStringLiteral(" (") + systemtext + QLatin1Char(')');
    return {static_cast<int>(fehler), text, {}};
}

// The error number is read before anything else can change it.
Laufzeitfehler mitUrsache(const QString& pfad, Laufzeitfehler fehler, int fehlernummer) {
    fehler.ursache = dateiursache(pfad, fehlernummer);
    return fehler;
}

} // namespace

Laufzeitfehler dateifehler(const QFileDevice& datei) {
    return fehlerMit(datei.error(), datei.errorString());
}

std::optional<Laufzeitfehler> dateiErsetzen(const QString& pfad, const QByteArray& inhalt) {
    QSaveFile datei(pfad);
    // Unbuffered, so a full disk that takes only part of the bytes shows in what write()
    // returns: Qt reports no error for such a short write, and committing then would
    // replace the old file with a truncated one.
    errno = 0;
    if (!datei.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return mitUrsache(pfad, dateifehler(datei), errno);
    if (datei.write(inhalt) != inhalt.size()) {
        const int fehlernummer = errno;
        const Laufzeitfehler fehler = datei.error() == QFileDevice::NoError
                                          ? fehlerMit(QFileDevice::WriteError, QString())
                                          : dateifehler(datei);
        datei.cancelWriting();
        return mitUrsache(pfad, fehler, fehlernummer);
    }
    if (!datei.commit())
        return mitUrsache(pfad, dateifehler(datei), errno);
    return std::nullopt;
}
