// Where the live page listens: one IP address of this PC, or every one (IPv6 and IPv4),
// and a port; read from --web=… and from the settings.
#pragma once

#include <QString>
#include <optional>

struct Hoerort {
    // An IPv4 or IPv6 address of this PC, without brackets; empty: all of them.
    QString adresse;
    quint16 port = 0; // 0: any free one
};

// What follows --web=: "8080", "127.0.0.1:8080" or "[::1]:8080". The address is nothing
// when only a port is given; the whole is nothing when the text is none of these.
struct Hoerangabe {
    std::optional<QString> adresse;
    quint16 port = 0;
};
std::optional<Hoerangabe> hoerangabeLesen(const QString& text);

// Whether the text is an IPv4 address or an IPv6 address without brackets.
bool ipAdresse(const QString& text);
