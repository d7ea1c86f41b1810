// A plain TCP client for the server's tests: sends bytes as they are, reads the answer
// until the server closes or the time runs out. To 127.0.0.1 unless told, from any address
// of this PC (127.0.0.2 is one, too), with as small a receive buffer as asked.
#pragma once

#include <arpa/inet.h>
#include <chrono>
#include <netinet/in.h>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <unistd.h>

struct Verbindungsweg {
    std::string ziel = "127.0.0.1";
    std::string absender; // empty: the system's choice
    int empfangspuffer = 0;
};

class Rohverbindung {
public:
    explicit Rohverbindung(unsigned short port, const Verbindungsweg& art = {}) {
        const sockaddr_storage ort = adresse(art.ziel, port);
        m_fd = ::socket(ort.ss_family, SOCK_STREAM, 0);
        if (art.empfangspuffer > 0)
            ::setsockopt(m_fd, SOL_SOCKET, SO_RCVBUF, &art.empfangspuffer,
                         sizeof art.empfangspuffer);
        if (!art.absender.empty()) {
            const sockaddr_storage von = adresse(art.absender, 0);
            ::bind(m_fd, reinterpret_cast<const sockaddr*>(&von), sizeof von);
        }
        verbunden = ::connect(m_fd, reinterpret_cast<const sockaddr*>(&ort), sizeof ort) == 0;
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
    static sockaddr_storage adresse(const std::string& text, unsigned short port) {
        sockaddr_storage ort{};
        auto* v4 = reinterpret_cast<sockaddr_in*>(&ort);
        auto* v6 = reinterpret_cast<sockaddr_in6*>(&ort);
        if (::inet_pton(AF_INET, text.c_str(), &v4->sin_addr) == 1) {
            v4->sin_family = AF_INET;
            v4->sin_port = htons(port);
        } else if (::inet_pton(AF_INET6, text.c_str(), &v6->sin6_addr) == 1) {
            v6->sin6_family = AF_INET6;
            v6->sin6_port = htons(port);
        }
        return ort;
    }

    int m_fd = -1;
};

// One request on a connection of its own; the whole answer.
inline std::string anfrage(unsigned short port, const std::string& bytes,
                           const Verbindungsweg& art = {}) {
    Rohverbindung v(port, art);
    v.senden(bytes);
    return v.lesen();
}
