#include "Webserver.h"

#include "Fadenrang.h"
#include "Kopfpruefung.h"
#include "Seitenwerte.h"

#include <QFile>
#include <array>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/post.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <boost/beast/websocket.hpp>
#include <mutex>
#include <thread>

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
namespace websocket = beast::websocket;
using tcp = asio::ip::tcp;

namespace {
constexpr int MaxAnfragenJeVerbindung = 100;
// What a page may send; it sends nothing, so a longer message ends the connection.
constexpr std::size_t MaxNachricht = 1024;
// After an error answer the rest of the request is read and dropped for a moment, so the
// answer is not lost to a reset; never more than this much, never longer than that.
constexpr std::size_t MaxAuslauf = 1024 * 1024;
constexpr auto Auslauffrist = std::chrono::seconds(2);

std::string ressource(const QString& pfad) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return {};
    return datei.readAll().toStdString();
}

class LiveSitzung;

// What the connections share. Lives on the server's thread; only its counters outlive it
// with the last connection.
struct Gemeinsam {
    Webserver::Fristen fristen;
    QString vorlage = QString::fromStdString(ressource(QStringLiteral(":/zuschauer/index.html")));
    std::string stil = ressource(QStringLiteral(":/zuschauer/zuschauer.css"));
    std::string skript = ressource(QStringLiteral(":/zuschauer/zuschauer.js"));
    Zuschaueransicht ansicht;
    std::shared_ptr<const std::string> json =
        std::make_shared<const std::string>(seitenJson(ansicht).toStdString());
    std::optional<std::string> seite; // the page filled with ansicht, once asked for
    std::vector<std::weak_ptr<LiveSitzung>> live;
    int verbindungen = 0;

    const std::string& gefuellteSeite() {
        if (!seite)
            seite = seiteFuellen(vorlage, ansicht).toStdString();
        return *seite;
    }
};

// Counts a connection for as long as it lives.
class Verbindungszaehler {
public:
    explicit Verbindungszaehler(std::shared_ptr<Gemeinsam> g) : m_g(std::move(g)) {
        ++m_g->verbindungen;
    }
    ~Verbindungszaehler() { --m_g->verbindungen; }
    Verbindungszaehler(const Verbindungszaehler&) = delete;
    Verbindungszaehler& operator=(const Verbindungszaehler&) = delete;
    Gemeinsam* operator->() const { return m_g.get(); }
    const std::shared_ptr<Gemeinsam>& geteilt() const { return m_g; }

private:
    std::shared_ptr<Gemeinsam> m_g;
};

// An open page: gets the standings at once and after every change. A page that reads
// slowly has one message on its way and at most the newest waiting, never a queue.
class LiveSitzung : public std::enable_shared_from_this<LiveSitzung> {
public:
    LiveSitzung(tcp::socket&& socket, std::shared_ptr<Gemeinsam> g)
        : m_ws(std::move(socket)), m_g(std::move(g)) {}

    void annehmen(const http::request<http::empty_body>& anfrage) {
        // The WebSocket keeps its own time limits.
        beast::get_lowest_layer(m_ws).expires_never();
        m_ws.set_option(
            websocket::stream_base::timeout{m_g->fristen.anfrage, m_g->fristen.stille, true});
        m_ws.read_message_max(MaxNachricht);
        m_ws.text(true);
        m_ws.async_accept(anfrage, [selbst = shared_from_this()](beast::error_code fehler) {
            if (!fehler)
                selbst->angenommen();
        });
    }

    void senden(std::shared_ptr<const std::string> json) {
        if (m_schreibt) {
            m_wartend = std::move(json);
            return;
        }
        schreiben(std::move(json));
    }

private:
    void angenommen() {
        m_g->live.push_back(weak_from_this());
        lesen();
        senden(m_g->json);
    }

    void lesen() {
        m_ws.async_read(m_eingang,
                        [selbst = shared_from_this()](beast::error_code fehler, std::size_t) {
                            if (fehler)
                                return;
                            // A page has nothing to say; whatever comes is dropped.
                            selbst->m_eingang.clear();
                            selbst->lesen();
                        });
    }

    void schreiben(std::shared_ptr<const std::string> json) {
        m_schreibt = true;
        m_unterwegs = std::move(json);
        m_ws.async_write(asio::buffer(*m_unterwegs),
                         [selbst = shared_from_this()](beast::error_code fehler, std::size_t) {
                             selbst->m_schreibt = false;
                             selbst->m_unterwegs.reset();
                             if (fehler) {
                                 beast::error_code egal;
                                 beast::get_lowest_layer(selbst->m_ws).socket().close(egal);
                                 return;
                             }
                             if (auto naechste = std::exchange(selbst->m_wartend, nullptr))
                                 selbst->schreiben(std::move(naechste));
                         });
    }

    websocket::stream<beast::tcp_stream> m_ws;
    Verbindungszaehler m_g;
    beast::flat_buffer m_eingang{MaxNachricht};
    bool m_schreibt = false;
    std::shared_ptr<const std::string> m_unterwegs;
    std::shared_ptr<const std::string> m_wartend;
};

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

// One HTTP connection: reads request heads, answers each, and hands a WebSocket request
// over to a LiveSitzung. The body of a request is never read.
class HttpSitzung : public std::enable_shared_from_this<HttpSitzung> {
public:
    HttpSitzung(tcp::socket&& socket, std::shared_ptr<Gemeinsam> g)
        : m_strom(std::move(socket)), m_frist(m_strom.get_executor()), m_g(std::move(g)) {}

    void lesen() {
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

private:
    // `verbraucht`: the bytes of the request head the parser has taken so far.
    void gelesen(beast::error_code fehler, std::size_t verbraucht) {
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
            std::make_shared<LiveSitzung>(m_strom.release_socket(), m_g.geteilt())
                ->annehmen(m_parser->get());
            return;
        }
        antworten(*befund.teil, m_parser->get());
    }

    void antworten(Seitenteil teil, const http::request<http::empty_body>& anfrage) {
        ++m_anfragen;
        auto antwort = std::make_shared<http::response<http::string_body>>(http::status::ok,
                                                                           anfrage.version());
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

    void fehlerAntworten(int status, bool nurGetUndHead = false) {
        auto antwort = std::make_shared<http::response<http::string_body>>(
            static_cast<http::status>(status), 11);
        antwort->set(http::field::server, "Rundomat");
        antwort->set(http::field::content_type, "text/plain; charset=utf-8");
        if (nurGetUndHead)
            antwort->set(http::field::allow, "GET, HEAD");
        antwort->body() = statustext(status);
        antwort->keep_alive(false);
        antwort->prepare_payload();
        m_strom.expires_after(m_g->fristen.anfrage);
        http::async_write(
            m_strom, *antwort,
            [selbst = shared_from_this(), antwort](beast::error_code fehler, std::size_t) {
                if (!fehler)
                    selbst->auslaufen();
            });
    }

    // Says no more and drops what the client still sends for a moment, then closes.
    void auslaufen() {
        beast::error_code egal;
        m_strom.socket().shutdown(tcp::socket::shutdown_send, egal);
        m_strom.expires_after(Auslauffrist);
        weiterAuslaufen();
    }
    void weiterAuslaufen() {
        m_strom.async_read_some(
            asio::buffer(m_abfall),
            [selbst = shared_from_this()](beast::error_code fehler, std::size_t n) {
                selbst->m_ausgelaufen += n;
                if (!fehler && selbst->m_ausgelaufen < MaxAuslauf)
                    selbst->weiterAuslaufen();
                else
                    selbst->schliessen();
            });
    }

    void schliessen() {
        beast::error_code egal;
        m_strom.socket().shutdown(tcp::socket::shutdown_both, egal);
        m_strom.close();
    }

    beast::tcp_stream m_strom;
    asio::steady_timer m_frist;
    bool m_zuSpaet = false;
    Verbindungszaehler m_g;
    beast::flat_buffer m_puffer{MaxKopf + 1024};
    std::optional<Kopfparser> m_parser;
    int m_anfragen = 0;
    std::array<char, 4096> m_abfall{};
    std::size_t m_ausgelaufen = 0;
};
} // namespace

struct Webserver::Betrieb {
    asio::io_context io{1};
    tcp::acceptor annahme{io};
    asio::steady_timer pause{io};
    std::shared_ptr<Gemeinsam> gemeinsam;
    std::thread faden;
    quint16 port = 0;

    // Handed from the GUI thread to the server's: only the newest state waits.
    std::mutex sperre;
    std::optional<Zuschaueransicht> neu;

    ~Betrieb() {
        io.stop();
        if (faden.joinable())
            faden.join();
    }

    void annehmen() {
        annahme.async_accept([this](beast::error_code fehler, tcp::socket socket) {
            if (fehler == asio::error::operation_aborted)
                return;
            if (fehler) {
                // Out of file handles, say: try again in a moment rather than spin.
                pause.expires_after(std::chrono::milliseconds(100));
                pause.async_wait([this](beast::error_code f) {
                    if (!f)
                        annehmen();
                });
                return;
            }
            if (gemeinsam->verbindungen < MaxVerbindungen) {
                beast::error_code egal;
                socket.set_option(tcp::no_delay(true), egal);
                std::make_shared<HttpSitzung>(std::move(socket), gemeinsam)->lesen();
            }
            annehmen();
        });
    }

    void verteilen() {
        {
            const std::lock_guard halten(sperre);
            if (!neu)
                return;
            gemeinsam->ansicht = std::move(*neu);
            neu.reset();
        }
        Gemeinsam& g = *gemeinsam;
        g.seite.reset();
        g.json = std::make_shared<const std::string>(seitenJson(g.ansicht).toStdString());
        std::erase_if(g.live, [](const std::weak_ptr<LiveSitzung>& w) { return w.expired(); });
        for (const std::weak_ptr<LiveSitzung>& w : g.live)
            if (const std::shared_ptr<LiveSitzung> sitzung = w.lock())
                sitzung->senden(g.json);
    }
};

Webserver::Webserver(Fristen fristen) : m_fristen(fristen) {}

Webserver::~Webserver() {
    beenden();
}

std::optional<QString> Webserver::starten(quint16 port, bool nurLokal) {
    beenden();
    auto betrieb = std::make_unique<Betrieb>();
    betrieb->gemeinsam = std::make_shared<Gemeinsam>();
    betrieb->gemeinsam->fristen = m_fristen;
    const tcp::endpoint ort(nurLokal ? asio::ip::address(asio::ip::address_v4::loopback())
                                     : asio::ip::address(asio::ip::address_v4::any()),
                            port);
    beast::error_code fehler;
    betrieb->annahme.open(ort.protocol(), fehler);
    if (!fehler)
        betrieb->annahme.set_option(asio::socket_base::reuse_address(true), fehler);
    if (!fehler)
        betrieb->annahme.bind(ort, fehler);
    if (!fehler)
        betrieb->annahme.listen(asio::socket_base::max_listen_connections, fehler);
    if (fehler == asio::error::address_in_use)
        return QStringLiteral("Die Zuschauerseite kann Port %1 nicht öffnen, er ist schon belegt. "
                              "Rundomat läuft ohne die Seite weiter.")
            .arg(port);
    if (fehler)
        return QStringLiteral("Die Zuschauerseite kann Port %1 nicht öffnen (%2). "
                              "Rundomat läuft ohne die Seite weiter.")
            .arg(port)
            .arg(QString::fromStdString(fehler.message()));
    betrieb->port = betrieb->annahme.local_endpoint(fehler).port();
    m_betrieb = std::move(betrieb);
    veroeffentlichen(m_ansicht);
    m_betrieb->annehmen();
    m_betrieb->faden = std::thread([b = m_betrieb.get()] {
        nachrangigLaufen();
        b->io.run();
    });
    return std::nullopt;
}

void Webserver::beenden() {
    m_betrieb.reset();
}

bool Webserver::laeuft() const {
    return m_betrieb != nullptr;
}

quint16 Webserver::port() const {
    return m_betrieb ? m_betrieb->port : 0;
}

void Webserver::veroeffentlichen(const Zuschaueransicht& ansicht) {
    m_ansicht = ansicht;
    if (!m_betrieb)
        return;
    Betrieb& b = *m_betrieb;
    {
        const std::lock_guard halten(b.sperre);
        const bool unterwegs = b.neu.has_value();
        b.neu = ansicht;
        if (unterwegs)
            return;
    }
    asio::post(b.io, [&b] { b.verteilen(); });
}
