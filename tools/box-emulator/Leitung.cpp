#include "Leitung.h"

#include <cerrno>
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>
#include <utility>

namespace {

void roh(termios& einstellung, speed_t baud) {
    cfmakeraw(&einstellung);
    cfsetispeed(&einstellung, baud);
    cfsetospeed(&einstellung, baud);
    einstellung.c_cflag &= static_cast<tcflag_t>(~CSTOPB);
    einstellung.c_cflag |= CLOCAL | CREAD;
}

} // namespace

Leitung::Leitung(int ende, int offenGehalten, std::string pfad)
    : m_ende(ende), m_offenGehalten(offenGehalten), m_pfad(std::move(pfad)) {
    fcntl(m_ende, F_SETFL, fcntl(m_ende, F_GETFL) | O_NONBLOCK);
}

Leitung::Leitung(Leitung&& andere) noexcept
    : m_ende(std::exchange(andere.m_ende, -1)),
      m_offenGehalten(std::exchange(andere.m_offenGehalten, -1)), m_pfad(std::move(andere.m_pfad)) {
}

Leitung::~Leitung() {
    for (int fd : {m_ende, m_offenGehalten}) {
        if (fd >= 0)
            close(fd);
    }
}

std::optional<Leitung> Leitung::pseudoterminal(speed_t baud) {
    int master = -1;
    int slave = -1;
    termios einstellung{};
    roh(einstellung, baud);
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

std::optional<Leitung> Leitung::geraet(const std::string& pfad, speed_t baud) {
    const int fd = open(pfad.c_str(), O_RDWR | O_NOCTTY);
    if (fd < 0)
        return std::nullopt;
    termios einstellung{};
    if (tcgetattr(fd, &einstellung) != 0) {
        close(fd);
        return std::nullopt;
    }
    roh(einstellung, baud);
    if (tcsetattr(fd, TCSANOW, &einstellung) != 0) {
        close(fd);
        return std::nullopt;
    }
    return Leitung(fd, -1, pfad);
}

void Leitung::senden(const std::vector<std::uint8_t>& bytes) {
    std::size_t gesendet = 0;
    while (gesendet < bytes.size()) {
        const ssize_t n = write(m_ende, bytes.data() + gesendet, bytes.size() - gesendet);
        if (n > 0)
            gesendet += static_cast<std::size_t>(n);
        else if (n < 0 && errno == EINTR)
            continue;
        else
            return;
    }
}

std::vector<std::uint8_t> Leitung::empfangen() {
    std::vector<std::uint8_t> bytes;
    std::uint8_t puffer[256];
    for (;;) {
        const ssize_t n = read(m_ende, puffer, sizeof puffer);
        if (n > 0)
            bytes.insert(bytes.end(), puffer, puffer + n);
        else if (n < 0 && errno == EINTR)
            continue;
        else
            return bytes;
    }
}
