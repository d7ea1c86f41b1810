// A plain TCP client to 127.0.0.1 for the server's tests: sends bytes as they are, reads
// the answer until the server closes or the time runs out.
#pragma once

#include <arpa/inet.h>
#include <chrono>
#include <netinet/in.h>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <unistd.h>

class Rohverbindung {
public:
    explicit Rohverbindung(unsigned short port) : m_fd(::socket(AF_INET, SOCK_STREAM, 0)) {
        sockaddr_in ort{};
        ort.sin_family = AF_INET;
        ort.sin_port = htons(port);
        ort.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        verbunden = ::connect(m_fd, reinterpret_cast<sockaddr*>(&ort), sizeof ort) == 0;
    }
    ~Rohverbindung() { ::close(m_fd); }
    Rohverbindung(const Rohverbindung&) = delete;
    Rohverbindung& operator=(const Rohverbindung&) = delete;

    // False when the server stopped taking bytes (it closed).
    bool senden(const std::string& bytes) {
        std::size_t gesendet = 0;
        while (gesendet < bytes.size()) {
            const ssize_t n =
                ::send(m_fd, bytes.data() + gesendet, bytes.size() - gesendet, MSG_NOSIGNAL);
            if (n <= 0)
                return false;
            gesendet += static_cast<std::size_t>(n);
        }
        return true;
    }

    // Everything until the server closes, at most `frist` long; stops early once `bis`
    // has arrived, when given.
    std::string lesen(std::chrono::milliseconds frist = std::chrono::seconds(5),
                      const std::string& bis = {}) {
        std::string antwort;
        const auto ende = std::chrono::steady_clock::now() + frist;
        char puffer[65536];
        while (std::chrono::steady_clock::now() < ende) {
            pollfd p{m_fd, POLLIN, 0};
            const auto rest = std::chrono::duration_cast<std::chrono::milliseconds>(
                ende - std::chrono::steady_clock::now());
            if (::poll(&p, 1, static_cast<int>(rest.count()) + 1) <= 0)
                break;
            const ssize_t n = ::recv(m_fd, puffer, sizeof puffer, 0);
            if (n <= 0)
                break;
            antwort.append(puffer, static_cast<std::size_t>(n));
            if (!bis.empty() && antwort.find(bis) != std::string::npos)
                break;
        }
        return antwort;
    }

    bool verbunden = false;

private:
    int m_fd;
};

// One request on a connection of its own; the whole answer.
inline std::string anfrage(unsigned short port, const std::string& bytes) {
    Rohverbindung v(port);
    v.senden(bytes);
    return v.lesen();
}
