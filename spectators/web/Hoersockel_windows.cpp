#include "Hoersockel.h"

#include <winsock2.h>

int hoersockelVorbereiten(std::intptr_t sockel) {
    const BOOL an = TRUE;
    if (setsockopt(static_cast<SOCKET>(sockel), SOL_SOCKET, SO_EXCLUSIVEADDRUSE,
                   reinterpret_cast<const char*>(&an), sizeof an) == SOCKET_ERROR)
        return WSAGetLastError();
    return 0;
}
