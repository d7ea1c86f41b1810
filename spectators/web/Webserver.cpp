#include "Webserver.h"

#include "Fadenrang.h"
#include "Hoersockel.h"
#include "Kopfpruefung.h"
#include "Plaetze.h"
#include "Seitenwerte.h"

#include <QFile>
#include <array>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/ip/v6_only.hpp>
#include <boost/asio/post.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <boost/beast/websocket.hpp>
#include <future>
#include <mutex>
#include <thread>
#include <unordered_set>

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
// What the system may hold for an open page: dozens of updates, never megabytes.
constexpr int MaxSendepuffer = 64 * 1024;

std::string ressource(const QString& pfad) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return {};
    return datei.readAll().toStdString();
}

class LiveSitzung;

// What the connections share. Lives on the server's thread; it outlives the server with the
// last connection.
struct Gemeinsam {
    Webserver::Fristen fristen;
    QString vorlage = QString::fromStdString(ressource(QStringLiteral(":/zuschauer/index.html")));
    std::string stil = ressource(QStringLiteral(":/zuschauer/zuschauer.css"));
    std::string skript = ressource(QStringLiteral(":/zuschauer/zuschauer.js"));
    Zuschaueransicht ansicht;
    std::shared_ptr<const std::string> json =
        std::make_shared<const std::string>(seitenJson(ansicht).toStdString());
    std::optional<std::string> seite; // the page filled with ansicht, once asked for
    Plaetze plaetze;
    std::unordered_set<LiveSitzung*> seiten; // each removes itself when it ends

    const std::string& gefuellteSeite() {
        if (!seite)
            seite = seiteFuellen(vorlage, ansicht).toStdString();
        return *seite;
    }
};

// A connection's place for as long as it lives; it moves with the connection from the
// HTTP request to the open page.
class Platzmarke {
public:
    Platzmarke(std::shared_ptr<Gemeinsam> g, std::string absender, Plaetze::Inhaber& inhaber)
        : m_g(std::move(g)), m_marke(m_g->plaetze.belegen(std::move(absender), inhaber,
                                                          std::chrono::steady_clock::now())) {}
    ~Platzmarke() {
        if (m_g)
            m_g->plaetze.freigeben(m_marke);
    }
    Platzmarke(Platzmarke&& andere) noexcept
        : m_g(std::move(andere.m_g)), m_marke(andere.m_marke) {}
    Platzmarke& operator=(Platzmarke&&) = delete;

    void uebergeben(Plaetze::Inhaber& inhaber) { m_marke->inhaber = &inhaber; }
    // From now on the connection waits for its client.
    void wartet() { m_marke->wartetSeit = std::chrono::steady_clock::now(); }
    // The client has taken everything.
    void bedient() { m_marke->wartetSeit.reset(); }
    Gemeinsam* operator->() const { return m_g.get(); }

private:
    std::shared_ptr<Gemeinsam> m_g;
    Plaetze::Marke m_marke;
};

// An open page: gets the standings at once and after every change. A page that reads
// slowly has one message on its way and at most the newest waiting, never a queue.
class LiveSitzung final : public std::enable_shared_from_this<LiveSitzung>,
                          public Plaetze::Inhaber {
public:
    LiveSitzung(tcp::socket&& socket, Platzmarke platz)
        : m_ws(std::move(socket)), m_platz(std::move(platz)) {
        m_platz.uebergeben(*this);
        m_platz.wartet();
    }
    ~LiveSitzung() { m_platz->seiten.erase(this); }
    LiveSitzung(const LiveSitzung&) = delete;
    LiveSitzung& operator=(const LiveSitzung&) = delete;

    void annehmen(const http::request<http::empty_body>& anfrage) {
        // The WebSocket keeps its own time limits.
        beast::get_lowest_layer(m_ws).expires_never();
        m_ws.set_option(websocket::stream_base::timeout{m_platz->fristen.anfrage,
                                                        m_platz->fristen.stille, true});
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

    void senden(std::shared_ptr<const std::string> json) {
        if (m_schreibt) {
            m_wartend = std::move(json);
            return;
        }
        schreiben(std::move(json));
    }

    void raeumen() override { beast::get_lowest_layer(m_ws).close(); }

private:
    void angenommen() {
        m_platz->seiten.insert(this);
        lesen();
        senden(m_platz->json);
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

    websocket::stream<beast::tcp_stream> m_ws;
    Platzmarke m_platz;
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
class HttpSitzung final : public std::enable_shared_from_this<HttpSitzung>,
                          public Plaetze::Inhaber {
public:
    HttpSitzung(tcp::socket&& socket, std::shared_ptr<Gemeinsam> g, std::string absender)
        : m_strom(std::move(socket)), m_frist(m_strom.get_executor()),
          m_g(std::move(g), std::move(absender), *this) {}
    HttpSitzung(const HttpSitzung&) = delete;
    HttpSitzung& operator=(const HttpSitzung&) = delete;

    void raeumen() override { m_strom.close(); }

    void lesen() {
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
            std::make_shared<LiveSitzung>(m_strom.release_socket(), std::move(m_g))
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

    void fehlerAntworten(int status, bool nurGetUndHead = false) {
        auto antwort = std::make_shared<http::response<http::string_body>>(
            static_cast<http::status>(status), 11);
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
    Platzmarke m_g;
    beast::flat_buffer m_puffer{MaxKopf + 1024};
    std::optional<Kopfparser> m_parser;
    int m_anfragen = 0;
    std::array<char, 4096> m_abfall{};
    std::size_t m_ausgelaufen = 0;
};
} // namespace

struct Webserver::Betrieb {
    asio::io_context io{1};
    // One socket for every address, or one for IPv6 and one for IPv4.
    std::vector<tcp::acceptor> annahmen;
    asio::steady_timer kehraus{io};
    std::shared_ptr<Gemeinsam> gemeinsam;
    std::thread faden;
    Hoerort ort;

    // Handed from the GUI thread to the server's: only the newest state waits.
    std::mutex sperre;
    std::optional<Zuschaueransicht> neu;

    ~Betrieb() {
        io.stop();
        if (faden.joinable())
            faden.join();
    }

    // Exactly the address given; or every address of this PC: one socket for IPv6 with
    // IPv4 mapped, and one for IPv4 beside it where IPv4 does not reach an IPv6 socket (where
    // it does, its bind fails, and that is no taken port). Where another program holds the
    // port for IPv4 or IPv6 alone, the other one's socket. The port is taken only when no
    // socket opened. `ort` is where it listens.
    beast::error_code oeffnen(const Hoerort& gefragt) {
        beast::error_code fehler;
        ort = gefragt;
        if (!gefragt.adresse.isEmpty()) {
            const asio::ip::address adresse =
                asio::ip::make_address(gefragt.adresse.toStdString(), fehler);
            if (!fehler)
                fehler = oeffnen({adresse, gefragt.port}, true);
            return fehler;
        }
        const tcp::endpoint v6{asio::ip::address_v6::any(), gefragt.port};
        bool gemappt = true;
        fehler = oeffnen(v6, false);
        if (fehler == asio::error::address_in_use) {
            gemappt = false;
            fehler = oeffnen(v6, true);
        }
        if (fehler == asio::error::access_denied)
            return fehler;
        const bool mitV6 = !fehler;
        // On the port IPv6 found for 0, so both are on one.
        const quint16 port = mitV6 ? annahmen.back().local_endpoint().port() : gefragt.port;
        const beast::error_code v4 = oeffnen({asio::ip::address_v4::any(), port}, false);
        if (mitV6 && !gemappt && v4)
            ort.adresse = QStringLiteral("::");
        else if (!mitV6 && !v4)
            ort.adresse = QStringLiteral("0.0.0.0");
        return mitV6 ? beast::error_code{} : v4;
    }

    // A socket listening there; none when it cannot.
    beast::error_code oeffnen(const tcp::endpoint& ort, bool nurV6) {
        tcp::acceptor annahme{io};
        beast::error_code fehler;
        annahme.open(ort.protocol(), fehler);
        if (!fehler)
            if (const int nummer = hoersockelVorbereiten(annahme.native_handle()))
                fehler = beast::error_code(nummer, asio::error::get_system_category());
        if (!fehler && ort.address().is_v6())
            annahme.set_option(asio::ip::v6_only(nurV6), fehler);
        if (!fehler)
            annahme.bind(ort, fehler);
        if (!fehler)
            annahme.listen(asio::socket_base::max_listen_connections, fehler);
        if (!fehler)
            annahmen.push_back(std::move(annahme));
        return fehler;
    }

    void annehmen(tcp::acceptor& annahme) {
        annahme.async_accept([this, &annahme](beast::error_code fehler, tcp::socket socket) {
            if (fehler == asio::error::operation_aborted)
                return;
            if (fehler) {
                // Out of file handles, say: try again in a moment rather than spin.
                auto pause =
                    std::make_shared<asio::steady_timer>(io, std::chrono::milliseconds(100));
                pause->async_wait([this, &annahme, pause](beast::error_code f) {
                    if (!f)
                        annehmen(annahme);
                });
                return;
            }
            beast::error_code ohne;
            const tcp::endpoint gegenueber = socket.remote_endpoint(ohne);
            if (!ohne) {
                socket.set_option(tcp::no_delay(true), ohne);
                std::make_shared<HttpSitzung>(std::move(socket), gemeinsam,
                                              absenderVon(gegenueber.address()))
                    ->lesen();
            }
            annehmen(annahme);
        });
    }

    // Pages that took no update for the time allowed go; often enough that none stays
    // much longer.
    void auskehren() {
        const auto frist = gemeinsam->fristen.haengend;
        kehraus.expires_after(frist / 10);
        kehraus.async_wait([this, frist](beast::error_code fehler) {
            if (fehler)
                return;
            gemeinsam->plaetze.raeumenWartendSeit(std::chrono::steady_clock::now() - frist);
            auskehren();
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
        for (LiveSitzung* seite : g.seiten)
            seite->senden(g.json);
    }
};

Webserver::Webserver(Fristen fristen) : m_fristen(fristen) {}

Webserver::~Webserver() {
    beenden();
}

std::optional<QString> Webserver::starten(const Hoerort& ort) {
    beenden();
    auto betrieb = std::make_unique<Betrieb>();
    betrieb->gemeinsam = std::make_shared<Gemeinsam>();
    betrieb->gemeinsam->fristen = m_fristen;
    const beast::error_code fehler = betrieb->oeffnen(ort);
    const QString weiter = QStringLiteral(" Rundomat läuft ohne die Seite weiter.");
    if (fehler == asio::error::address_in_use)
        return QStringLiteral("Die Zuschauerseite kann Port %1 nicht öffnen, er ist schon belegt.")
                   .arg(ort.port) +
               weiter;
    if (fehler == boost::system::errc::address_not_available ||
        fehler == asio::error::invalid_argument)
        return QStringLiteral("Die Zuschauerseite kann nicht auf %1 hören: Diese Adresse gehört "
                              "keinem Netz dieses PCs.")
                   .arg(ort.adresse) +
               weiter;
    if (fehler == asio::error::access_denied)
        return QStringLiteral("Die Zuschauerseite darf Port %1 nicht öffnen: Ports unter 1024 "
                              "sind dem Systemverwalter vorbehalten.")
                   .arg(ort.port) +
               weiter;
    if (fehler)
        return QStringLiteral("Die Zuschauerseite kann Port %1 nicht öffnen (%2).")
                   .arg(ort.port)
                   .arg(QString::fromStdString(fehler.message())) +
               weiter;
    betrieb->ort.port = betrieb->annahmen.front().local_endpoint().port();
    m_betrieb = std::move(betrieb);
    veroeffentlichen(m_ansicht);
    for (tcp::acceptor& annahme : m_betrieb->annahmen)
        m_betrieb->annehmen(annahme);
    m_betrieb->auskehren();
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
    return m_betrieb ? m_betrieb->ort.port : 0;
}

Hoerort Webserver::ort() const {
    return m_betrieb ? m_betrieb->ort : Hoerort{};
}

Webserver::Belegung Webserver::belegung() const {
    if (!m_betrieb)
        return {};
    Betrieb& b = *m_betrieb;
    std::promise<Belegung> antwort;
    asio::post(b.io, [&] {
        antwort.set_value({static_cast<int>(b.gemeinsam->plaetze.eintraege()),
                           static_cast<int>(b.gemeinsam->seiten.size())});
    });
    return antwort.get_future().get();
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
