#include "Netzadresse.h"

#include <QHostAddress>
#include <QHostInfo>
#include <QNetworkInterface>

namespace {
// The address to show for a server on every address of the given kind (or of both).
QString rechnerImNetz(std::optional<QAbstractSocket::NetworkLayerProtocol> art) {
    const auto schnittstellen = QNetworkInterface::allInterfaces();
    for (const QAbstractSocket::NetworkLayerProtocol protokoll :
         {QAbstractSocket::IPv4Protocol, QAbstractSocket::IPv6Protocol}) {
        if (art && *art != protokoll)
            continue;
        for (const QNetworkInterface& s : schnittstellen) {
            const auto flaggen = s.flags();
            if (!flaggen.testFlag(QNetworkInterface::IsUp) ||
                !flaggen.testFlag(QNetworkInterface::IsRunning) ||
                flaggen.testFlag(QNetworkInterface::IsLoopBack))
                continue;
            for (const QNetworkAddressEntry& eintrag : s.addressEntries()) {
                const QHostAddress adresse = eintrag.ip();
                if (adresse.protocol() == protokoll && !adresse.isLinkLocal())
                    return adresse.toString();
            }
        }
    }
    return QHostInfo::localHostName();
}

std::optional<QAbstractSocket::NetworkLayerProtocol> alleVon(const QString& adresse) {
    if (adresse.isEmpty())
        return std::nullopt;
    return QHostAddress(adresse).protocol();
}

bool alle(const QString& adresse) {
    return adresse.isEmpty() || QHostAddress(adresse).isEqual(QHostAddress::AnyIPv4) ||
           QHostAddress(adresse).isEqual(QHostAddress::AnyIPv6);
}
} // namespace

QString seitenadresse(const Hoerort& ort) {
    QString rechner = alle(ort.adresse) ? rechnerImNetz(alleVon(ort.adresse)) : ort.adresse;
    if (rechner.contains(QLatin1Char(':')))
        rechner = QLatin1Char('[') + rechner + QLatin1Char(']');
    return QStringLiteral("http://%1:%2/").arg(rechner).arg(ort.port);
}

QString seitenreichweite(const Hoerort& ort) {
    if (ort.adresse.isEmpty())
        return QStringLiteral("für jedes Gerät in jedem Netz dieses PCs");
    const QHostAddress adresse(ort.adresse);
    if (adresse.isLoopback())
        return QStringLiteral("nur auf diesem PC");
    if (adresse.isEqual(QHostAddress::AnyIPv4))
        return QStringLiteral("für jedes Gerät in jedem IPv4-Netz dieses PCs");
    if (adresse.isEqual(QHostAddress::AnyIPv6))
        return QStringLiteral("für jedes Gerät in jedem IPv6-Netz dieses PCs");
    return QStringLiteral("für jedes Gerät, das diesen PC unter dieser Adresse erreicht");
}
