#include "Dateiausgabe.h"

#include <QSaveFile>

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
    return {static_cast<int>(fehler), text};
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
    if (!datei.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return dateifehler(datei);
    if (datei.write(inhalt) != inhalt.size()) {
        const Laufzeitfehler fehler = datei.error() == QFileDevice::NoError
                                          ? fehlerMit(QFileDevice::WriteError, QString())
                                          : dateifehler(datei);
        datei.cancelWriting();
        return fehler;
    }
    if (!datei.commit())
        return dateifehler(datei);
    return std::nullopt;
}
