// What the windows say of the running live page: the address a phone types to reach it,
// and who can open it at all.
#pragma once

#include "Hoerort.h"

// Listening on all addresses (or all of one kind): the PC's first address on a network
// interface that is up (not the loopback, not a self-assigned link-local one), IPv4 before
// IPv6, or its host name when it has none. Listening on one address: that one.
QString seitenadresse(const Hoerort& ort);

// Such as "nur auf diesem PC" or "für jedes Gerät in jedem Netz dieses PCs".
QString seitenreichweite(const Hoerort& ort);
