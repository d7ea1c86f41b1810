#include "HttpSitzung.h"

#include "LiveSitzung.h"

#include <boost/asio/buffer.hpp>
#include <boost/beast/http.hpp>
#include <chrono>

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
using tcp = asio::ip::tcp;

namespace {
constexpr int MaxAnfragenJeVerbindung = 100;
// After an error answer the rest of the request is read and dropped for a moment, so the
// answer is not lost to a reset; never more than this much, never longer than that.
constexpr std::size_t MaxAuslauf = 1024 * 1024;
constexpr auto Auslauffrist = std::chrono::seconds(2);

const char* statustext(int status) {
    switch (status) {
    case 400: return "Ungültige Anfrage\n";
    case 404: return "Nicht gefunden\n";
    case 405: return "Nur GET und HEAD\n";
    case 408: return "Anfrage kam nicht rechtzeitig\n";
    case 414: return "Adresse zu lang\n";
    case 426: return "Nur als WebSocket\n";
    case 431: return "Anfragekopf zu lang\n";
    default: return "Fehler\n";
    }
}
} // namespace

HttpSitzung::HttpSitzung(tcp::socket&& socket, std::shared_ptr<Gemeinsam> g, std::string absender)
    : m_strom(std::move(socket)), m_frist(m_strom.get_executor()),
      m_g(std::move(g), std::move(absender), *this), m_puffer(MaxKopf + 1024) {}

void HttpSitzung::raeumen() {
    m_strom.close();
}

void HttpSitzung::lesen() {
    m_g.wartet();
    m_parser.emplace();
    kopfparserEinrichten(*m_parser);
    // The stream's own time limit would close the socket; a late request still gets
    // its 408, so the read is cancelled instead.
    m_strom.expires_never();
    m_zuSpaet = false;
    m_frist.expires_after(m_g->fristen.anfrage);
    m_frist.async_wait([selbst = weak_from_this()](beast::error_code fehler) {
        if (const auto s = selbst.lock(); s && !fehler) {
            s->m_zuSpaet = true;
            beast::error_code egal;
            s->m_strom.socket().cancel(egal);
        }
    });
    http::async_read_header(
        m_strom, m_puffer, *m_parser,
        [selbst = shared_from_this()](beast::error_code fehler, std::size_t verbraucht) {
            selbst->gelesen(fehler, verbraucht);
        });
}

void HttpSitzung::gelesen(beast::error_code fehler, std::size_t verbraucht) {
    m_frist.cancel();
    if (m_zuSpaet)
        fehler = beast::error::timeout;
    if (fehler) {
        if (const int status = lesefehlerStatus(*m_parser, fehler, verbraucht))
            fehlerAntworten(status);
        return;
    }
    const Anfragebefund befund = kopfPruefen(*m_parser);
    if (!befund.teil) {
        fehlerAntworten(befund.status, befund.status == 405);
        return;
    }
    if (*befund.teil == Seitenteil::Live) {
        std::make_shared<LiveSitzung>(m_strom.release_socket(), std::move(m_g))
            ->annehmen(m_parser->get());
        return;
    }
    antworten(*befund.teil, m_parser->get());
}

void HttpSitzung::antworten(Seitenteil teil, const Anfrage& anfrage) {
    ++m_anfragen;
    auto antwort =
        std::make_shared<http::response<http::string_body>>(http::status::ok, anfrage.version());
    antwort->set(http::field::server, "Rundomat");
    antwort->set("X-Content-Type-Options", "nosniff");
    antwort->set("Referrer-Policy", "no-referrer");
    switch (teil) {
    case Seitenteil::Seite:
        antwort->set(http::field::content_type, "text/html; charset=utf-8");
        antwort->set(http::field::cache_control, "no-store");
        antwort->set("Content-Security-Policy",
                     "default-src 'self'; style-src 'self' 'unsafe-inline'; "
                     "img-src 'none'; frame-ancestors 'none'");
        antwort->body() = m_g->gefuellteSeite();
        break;
    case Seitenteil::Stil:
        antwort->set(http::field::content_type, "text/css; charset=utf-8");
        antwort->set(http::field::cache_control, "no-cache");
        antwort->body() = m_g->stil;
        break;
    case Seitenteil::Skript:
        antwort->set(http::field::content_type, "text/javascript; charset=utf-8");
        antwort->set(http::field::cache_control, "no-cache");
        antwort->body() = m_g->skript;
        break;
    case Seitenteil::Live: break;
    }
    antwort->prepare_payload();
    if (anfrage.method() == http::verb::head)
        antwort->body().clear(); // the length stays that of the page
    const bool weiter = anfrage.keep_alive() && m_anfragen < MaxAnfragenJeVerbindung;
    antwort->keep_alive(weiter);
    m_g.wartet();
    m_strom.expires_after(m_g->fristen.anfrage);
    http::async_write(
        m_strom, *antwort,
        [selbst = shared_from_this(), antwort, weiter](beast::error_code fehler, std::size_t) {
            if (fehler)
                return;
            if (weiter)
                selbst->lesen();
            else
                selbst->schliessen();
        });
}

void HttpSitzung::fehlerAntworten(int status, bool nurGetUndHead) {
    auto antwort =
        std::make_shared<http::response<http::string_body>>(static_cast<http::status>(status), 11);
    antwort->set(http::field::server, "Rundomat");
    antwort->set(http::field::content_type, "text/plain; charset=utf-8");
    if (nurGetUndHead)
        antwort->set(http::field::allow, "GET, HEAD");
    antwort->body() = statustext(status);
    antwort->keep_alive(false);
    if (status == 426) {
        // Says what to ask for instead.
        antwort->set(http::field::upgrade, "websocket");
        antwort->set(http::field::connection, "Upgrade, close");
    }
    antwort->prepare_payload();
    m_strom.expires_after(m_g->fristen.anfrage);
    http::async_write(m_strom, *antwort,
                      [selbst = shared_from_this(), antwort](beast::error_code fehler, std::size_t) {
                          if (!fehler)
                              selbst->auslaufen();
                      });
}

void HttpSitzung::auslaufen() {
    beast::error_code egal;
    m_strom.socket().shutdown(tcp::socket::shutdown_send, egal);
    m_strom.expires_after(Auslauffrist);
    weiterAuslaufen();
}

void HttpSitzung::weiterAuslaufen() {
    m_strom.async_read_some(asio::buffer(m_abfall),
                            [selbst = shared_from_this()](beast::error_code fehler, std::size_t n) {
                                selbst->m_ausgelaufen += n;
                                if (!fehler && selbst->m_ausgelaufen < MaxAuslauf)
                                    selbst->weiterAuslaufen();
                                else
                                    selbst->schliessen();
                            });
}

void HttpSitzung::schliessen() {
    beast::error_code egal;
    m_strom.socket().shutdown(tcp::socket::shutdown_both, egal);
    m_strom.close();
}
