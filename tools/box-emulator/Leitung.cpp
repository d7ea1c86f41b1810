#include "Leitung.h"

#include <cerrno>
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>
#include <utility>

namespace {

void roh4800(termios& einstellung) {
    cfmakeraw(&einstellung);
    cfsetispeed(&einstellung, B4800);
    cfsetospeed(&einstellung, B4800);
    einstellung.c_cflag &= static_cast<tcflag_t>(~CSTOPB);
    einstellung.c_cflag |= CLOCAL | CREAD;
}

} // namespace

Leitung::Leitung(int schreibende, int offenGehalten, std::string pfad)
    : m_schreibende(schreibende), m_offenGehalten(offenGehalten), m_pfad(std::move(pfad)) {
    fcntl(m_schreibende, F_SETFL, fcntl(m_schreibende, F_GETFL) | O_NONBLOCK);
}

Leitung::Leitung(Leitung&& andere) noexcept
    : m_schreibende(std::exchange(andere.m_schreibende, -1)),
      m_offenGehalten(std::exchange(andere.m_offenGehalten, -1)), m_pfad(std::move(andere.m_pfad)) {
}

Leitung::~Leitung() {
    for (int fd : {m_schreibende, m_offenGehalten}) {
        if (fd >= 0)
            close(fd);
    }
}

std::optional<Leitung> Leitung::pseudoterminal() {
    int master = -1;
    int slave = -1;
    termios einstellung{};
    roh4800(einstellung);
    if (openpty(&master, &slave, nullptr, &einstellung, nullptr) != 0)
        return std::nullopt;
    char* name = ttyname(slave);
    if (name == nullptr) {
        close(master);
        close(slave);
        return std::nullopt;
    }
    return Leitung(master, slave, name);
}

std::optional<Leitung> Leitung::geraet(const std::string& pfad) {
    const int fd = open(pfad.c_str(), O_RDWR | O_NOCTTY);
    if (fd < 0)
        return std::nullopt;
    termios einstellung{};
    if (tcgetattr(fd, &einstellung) != 0) {
        close(fd);
        return std::nullopt;
    }
    roh4800(einstellung);
    if (tcsetattr(fd, TCSANOW, &einstellung) != 0) {
        close(fd);
        return std::nullopt;
    }
    return Leitung(fd, -1, pfad);
}

void Leitung::senden(const std::vector<std::uint8_t>& bytes) {
    std::size_t gesendet = 0;
    while (gesendet < bytes.size()) {
        const ssize_t n = write(m_schreibende, bytes.data() + gesendet, bytes.size() - gesendet);
        if (n > 0)
            gesendet += static_cast<std::size_t>(n);
        else if (n < 0 && errno == EINTR)
            continue;
        else
            return;
    }
}
