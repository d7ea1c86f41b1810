// The address a phone in the same network types to reach the live page: the PC's first
// IPv4 address on a network interface that is up (not the loopback, not a self-assigned
// 169.254 one), or its host name when it has none.
#pragma once

#include <QString>

QString seitenadresse(quint16 port);
