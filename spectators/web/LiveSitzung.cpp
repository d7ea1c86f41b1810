#include "LiveSitzung.h"

#include <boost/asio/buffer.hpp>
#include <boost/beast/websocket.hpp>
#include <utility>

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
namespace websocket = beast::websocket;

namespace {
// What a page may send; it sends nothing, so a longer message ends the connection.
constexpr std::size_t MaxNachricht = 1024;
// What the system may hold for an open page: dozens of updates, never megabytes.
constexpr int MaxSendepuffer = 64 * 1024;
} // namespace

LiveSitzung::LiveSitzung(asio::ip::tcp::socket&& socket, Platzmarke platz)
    : m_ws(std::move(socket)), m_platz(std::move(platz)), m_eingang(MaxNachricht) {
    m_platz.uebergeben(*this);
    m_platz.wartet();
}

LiveSitzung::~LiveSitzung() {
    m_platz->seiten.erase(this);
}

void LiveSitzung::annehmen(const http::request<http::empty_body>& anfrage) {
    // The WebSocket keeps its own time limits.
    beast::get_lowest_layer(m_ws).expires_never();
    m_ws.set_option(
        websocket::stream_base::timeout{m_platz->fristen.anfrage, m_platz->fristen.stille, true});
    // What the system holds for a page that does not read stays small, and its send
    // queue stops draining soon enough to be noticed.
    beast::error_code egal;
    beast::get_lowest_layer(m_ws).socket().set_option(
        asio::socket_base::send_buffer_size(MaxSendepuffer), egal);
    m_ws.read_message_max(MaxNachricht);
    m_ws.text(true);
    m_ws.async_accept(anfrage, [selbst = shared_from_this()](beast::error_code fehler) {
        if (!fehler)
            selbst->angenommen();
    });
}

void LiveSitzung::senden(std::shared_ptr<const std::string> json) {
    if (m_schreibt) {
        m_wartend = std::move(json);
        return;
    }
    schreiben(std::move(json));
}

void LiveSitzung::raeumen() {
    beast::get_lowest_layer(m_ws).close();
}

void LiveSitzung::angenommen() {
    m_platz->seiten.insert(this);
    lesen();
    senden(m_platz->json);
}

void LiveSitzung::lesen() {
    m_ws.async_read(m_eingang, [selbst = shared_from_this()](beast::error_code fehler, std::size_t) {
        if (fehler)
            return;
        // A page has nothing to say; whatever comes is dropped.
        selbst->m_eingang.clear();
        selbst->lesen();
    });
}

void LiveSitzung::schreiben(std::shared_ptr<const std::string> json) {
    m_schreibt = true;
    m_platz.wartet();
    m_unterwegs = std::move(json);
    m_ws.async_write(asio::buffer(*m_unterwegs),
                     [selbst = shared_from_this()](beast::error_code fehler, std::size_t) {
                         selbst->m_schreibt = false;
                         selbst->m_unterwegs.reset();
                         if (fehler) {
                             selbst->raeumen();
                             return;
                         }
                         selbst->m_platz.bedient();
                         if (auto naechste = std::exchange(selbst->m_wartend, nullptr))
                             selbst->schreiben(std::move(naechste));
                     });
}
