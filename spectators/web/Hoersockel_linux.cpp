#include "Hoersockel.h"

#include <cerrno>
#include <sys/socket.h>

int hoersockelVorbereiten(std::intptr_t sockel) {
    const int an = 1;
    if (setsockopt(static_cast<int>(sockel), SOL_SOCKET, SO_REUSEADDR, &an, sizeof an) != 0)
        return errno;
    return 0;
}
