#include "Netzadresse.h"

#include <QHostInfo>
#include <QNetworkInterface>

namespace {
QString rechnerImNetz() {
    const auto schnittstellen = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface& s : schnittstellen) {
        const auto flaggen = s.flags();
        if (!flaggen.testFlag(QNetworkInterface::IsUp) ||
            !flaggen.testFlag(QNetworkInterface::IsRunning) ||
            flaggen.testFlag(QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry& eintrag : s.addressEntries()) {
            const QHostAddress adresse = eintrag.ip();
            if (adresse.protocol() == QAbstractSocket::IPv4Protocol && !adresse.isLinkLocal())
                return adresse.toString();
        }
    }
    return QHostInfo::localHostName();
}
} // namespace

QString seitenadresse(quint16 port) {
    return QStringLiteral("http://%1:%2/").arg(rechnerImNetz()).arg(port);
}
