// Many open live pages at once, for the web server's tests and figures: steady clients that
// stay connected and note when each update arrives, and churning clients that connect and
// drop again and again, half of them loading the page, half opening the WebSocket. Talks to
// 127.0.0.1 only and stops by itself after the given seconds.
//   rundomat-webclients PORT STEADY CHURNING SECONDS
// Prints "bereit" once every steady client has had its first message, then per message
// "nachricht CLIENT NANOSECONDS LAPS" (the steady clock, every lane's "laps driven" text), and
// at the end "ende MESSAGES CHURNED FAILED".
#include <boost/asio/connect.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <boost/beast/websocket.hpp>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
namespace websocket = beast::websocket;
using tcp = asio::ip::tcp;

namespace {
struct Zaehler {
    int steadyBereit = 0;
    int steady = 0;
    long nachrichten = 0;
    long gewechselt = 0;
    long fehler = 0;
};

// Every lane's "laps driven" text, lane 1 first, joined by '|', blanks as '_'.
std::string rundenText(const std::string& json) {
    const std::size_t texte = json.find("\"texte\":");
    std::string runden;
    for (int spur = 1;; ++spur) {
        const std::string marke = "\"s" + std::to_string(spur) + "-gefahren\":\"";
        const std::size_t anfang = json.find(marke, texte);
        if (anfang == std::string::npos)
            break;
        const std::size_t ende = json.find('"', anfang + marke.size());
        if (spur > 1)
            runden += '|';
        runden += json.substr(anfang + marke.size(), ende - anfang - marke.size());
    }
    for (char& c : runden)
        if (c == ' ')
            c = '_';
    return runden.empty() ? "?" : runden;
}

class Seite : public std::enable_shared_from_this<Seite> {
public:
    Seite(asio::io_context& io, tcp::endpoint ziel, Zaehler& z, int nummer, bool bleibt)
        : m_io(io), m_ziel(ziel), m_z(z), m_nummer(nummer), m_bleibt(bleibt), m_ws(io) {}

    void oeffnen() {
        beast::get_lowest_layer(m_ws).async_connect(
            m_ziel, [selbst = shared_from_this()](beast::error_code f) {
                if (f)
                    return selbst->fehlgeschlagen();
                if (!selbst->m_bleibt && selbst->m_nummer % 2 == 0)
                    return selbst->seiteLaden();
                selbst->m_ws.async_handshake("127.0.0.1", "/live", [selbst](beast::error_code f2) {
                    if (f2)
                        return selbst->fehlgeschlagen();
                    selbst->lesen();
                });
            });
    }

private:
    void lesen() {
        m_ws.async_read(m_puffer, [selbst = shared_from_this()](beast::error_code f, std::size_t) {
            if (f)
                return selbst->fehlgeschlagen();
            selbst->angekommen();
        });
    }

    void angekommen() {
        const auto jetzt = std::chrono::steady_clock::now().time_since_epoch();
        const std::string json = beast::buffers_to_string(m_puffer.data());
        m_puffer.clear();
        if (!m_bleibt) {
            ++m_z.gewechselt;
            beast::error_code egal;
            beast::get_lowest_layer(m_ws).socket().close(egal);
            return neu();
        }
        ++m_z.nachrichten;
        if (!m_gehoert) {
            m_gehoert = true;
            if (++m_z.steadyBereit == m_z.steady) {
                std::printf("bereit\n");
                std::fflush(stdout);
            }
        }
        std::printf("nachricht %d %lld %s\n", m_nummer,
                    static_cast<long long>(
                        std::chrono::duration_cast<std::chrono::nanoseconds>(jetzt).count()),
                    rundenText(json).c_str());
        lesen();
    }

    void seiteLaden() {
        m_anfrage = {http::verb::get, "/", 11};
        m_anfrage.set(http::field::host, "127.0.0.1");
        http::async_write(beast::get_lowest_layer(m_ws), m_anfrage,
                          [selbst = shared_from_this()](beast::error_code f, std::size_t) {
                              if (f)
                                  return selbst->fehlgeschlagen();
                              http::async_read(
                                  beast::get_lowest_layer(selbst->m_ws), selbst->m_puffer,
                                  selbst->m_antwort, [selbst](beast::error_code f2, std::size_t) {
                                      if (f2 || selbst->m_antwort.result_int() != 200)
                                          return selbst->fehlgeschlagen();
                                      ++selbst->m_z.gewechselt;
                                      beast::error_code egal;
                                      beast::get_lowest_layer(selbst->m_ws).socket().close(egal);
                                      selbst->neu();
                                  });
                          });
    }

    void fehlgeschlagen() {
        ++m_z.fehler;
        if (!m_bleibt)
            neu();
    }

    // A churning client comes back at once as a new connection.
    void neu() { std::make_shared<Seite>(m_io, m_ziel, m_z, m_nummer + 2, false)->oeffnen(); }

    asio::io_context& m_io;
    tcp::endpoint m_ziel;
    Zaehler& m_z;
    int m_nummer;
    bool m_bleibt;
    websocket::stream<beast::tcp_stream> m_ws;
    beast::flat_buffer m_puffer;
    http::request<http::empty_body> m_anfrage;
    http::response<http::string_body> m_antwort;
    bool m_gehoert = false;
};
} // namespace

int main(int argc, char* argv[]) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: rundomat-webclients PORT STEADY CHURNING SECONDS\n");
        return 2;
    }
    const auto port = static_cast<unsigned short>(std::atoi(argv[1]));
    Zaehler z;
    z.steady = std::atoi(argv[2]);
    const int wechselnd = std::atoi(argv[3]);
    // Fully buffered: a write per message would slow the very pages being measured.
    std::setvbuf(stdout, nullptr, _IOFBF, 1 << 16);

    asio::io_context io{1};
    const tcp::endpoint ziel(asio::ip::address_v4::loopback(), port);
    for (int i = 0; i < z.steady; ++i)
        std::make_shared<Seite>(io, ziel, z, i, true)->oeffnen();
    for (int i = 0; i < wechselnd; ++i)
        std::make_shared<Seite>(io, ziel, z, i, false)->oeffnen();
    asio::steady_timer ende(io, std::chrono::seconds(std::atoi(argv[4])));
    ende.async_wait([&](beast::error_code) { io.stop(); });
    io.run();
    std::printf("ende %ld %ld %ld\n", z.nachrichten, z.gewechselt, z.fehler);
    return 0;
}
