#include "Hoerort.h"

#include <algorithm>
#include <boost/asio/ip/address.hpp>

namespace {
std::optional<quint16> portLesen(const QString& text) {
    bool zahl = false;
    const uint port = text.toUInt(&zahl);
    // toUInt takes a sign and blanks; a port is digits alone.
    const bool ziffern = std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
    if (!zahl || !ziffern || port < 1 || port > 65535)
        return std::nullopt;
    return static_cast<quint16>(port);
}
} // namespace

bool ipAdresse(const QString& text) {
    boost::system::error_code fehler;
    boost::asio::ip::make_address(text.toStdString(), fehler);
    return !fehler && !text.isEmpty();
}

std::optional<Hoerangabe> hoerangabeLesen(const QString& text) {
    const qsizetype trenner = text.lastIndexOf(QLatin1Char(':'));
    if (trenner < 0) {
        const std::optional<quint16> port = portLesen(text);
        return port ? std::optional(Hoerangabe{std::nullopt, *port}) : std::nullopt;
    }
    QString adresse = text.left(trenner);
    const std::optional<quint16> port = portLesen(text.mid(trenner + 1));
    // An IPv6 address has colons of its own, so it comes in brackets, as in a web address.
    const bool klammern =
        adresse.startsWith(QLatin1Char('[')) && adresse.endsWith(QLatin1Char(']'));
    if (klammern)
        adresse = adresse.mid(1, adresse.size() - 2);
    if (!port || !ipAdresse(adresse) || klammern != adresse.contains(QLatin1Char(':')))
        return std::nullopt;
    return Hoerangabe{adresse, *port};
}
