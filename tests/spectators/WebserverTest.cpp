#include "Webserver.h"

#include "Plaetze.h"
#include "Rohverbindung.h"
#include "Seitenwerte.h"

#include <QFile>
#include <QNetworkInterface>
#include <QProcess>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/ip/v6_only.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/websocket.hpp>
#include <gtest/gtest.h>
#include <thread>

namespace {
using namespace std::chrono_literals;
namespace asio = boost::asio;
namespace beast = boost::beast;

Zuschaueransicht mitNamen(const QString& name, const QString& letzte = QStringLiteral("–")) {
    Zuschaueransicht a;
    a.spuren[1].name = name;
    a.spuren[1].letzte = letzte;
    return a;
}

std::string status(const std::string& antwort) {
    return antwort.substr(0, antwort.find("\r\n"));
}

// The server's bookkeeping once it keeps that many pages and connections, or after 10 s.
Webserver::Belegung belegungBis(const Webserver& web, int seiten, int verbindungen = -1) {
    for (int i = 0;; ++i, std::this_thread::sleep_for(10ms))
        if (const auto b = web.belegung();
            i == 3000 ||
            (b.seiten == seiten && (verbindungen < 0 || b.verbindungen == verbindungen)))
            return b;
}

// The resident memory of this process, in bytes.
long speicher() {
    long seiten = 0, resident = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &seiten, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return resident * sysconf(_SC_PAGESIZE);
}

struct Server {
    explicit Server(Webserver::Fristen fristen = {},
                    const QString& adresse = QStringLiteral("127.0.0.1"))
        : web(fristen) {
        const std::optional<QString> fehler = web.starten({adresse, 0});
        EXPECT_FALSE(fehler) << fehler.value_or(QString()).toStdString();
    }
    std::string holen(const std::string& pfad, const std::string& methode = "GET") {
        return anfrage(web.port(),
                       methode + " " + pfad + " HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n");
    }
    // Publishing reaches the server's thread a moment later: the page once it shows the text.
    std::string seiteMit(const std::string& text) {
        std::string seite;
        for (int versuch = 0; versuch < 200; ++versuch) {
            seite = holen("/");
            if (seite.find(text) != std::string::npos)
                break;
            std::this_thread::sleep_for(5ms);
        }
        return seite;
    }
    Webserver web;
};

// An open page, read with a time limit; from another of this PC's addresses if asked.
class Testseite {
public:
    explicit Testseite(unsigned short port, const char* ziel = "127.0.0.1",
                       const char* absender = nullptr)
        : m_ws(m_io) {
        const asio::ip::tcp::endpoint ort(asio::ip::make_address(ziel), port);
        beast::get_lowest_layer(m_ws).socket().open(ort.protocol());
        if (absender)
            beast::get_lowest_layer(m_ws).socket().bind({asio::ip::make_address(absender), 0});
        beast::get_lowest_layer(m_ws).connect(ort);
        m_ws.handshake("x", "/live");
    }
    // The next message, or nothing when none came in time or the server closed. The time
    // is generous unless told: the machine may be busy with other tests.
    std::optional<std::string> naechste(std::chrono::milliseconds frist = 10s) {
        std::optional<std::string> nachricht;
        m_ws.async_read(m_puffer, [&](beast::error_code fehler, std::size_t) {
            if (!fehler)
                nachricht = beast::buffers_to_string(m_puffer.data());
            m_puffer.clear();
        });
        m_io.restart();
        m_io.run_for(frist);
        if (!m_io.stopped()) {
            beast::get_lowest_layer(m_ws).cancel();
            m_io.restart();
            m_io.run();
        }
        return nachricht;
    }
    // Sends a text message, as no page of ours ever does.
    void sagen(const std::string& text) { m_ws.write(asio::buffer(text)); }

private:
    asio::io_context m_io;
    beast::websocket::stream<beast::tcp_stream> m_ws;
    beast::flat_buffer m_puffer;
};
} // namespace

TEST(Webserver, DieErsteAntwortHaeltDenStandUndDieSeiteIhreTeile) {
    Server s;
    const Zuschaueransicht ansicht = mitNamen(QStringLiteral("Anna <3"));
    s.web.veroeffentlichen(ansicht);
    const std::string seite = s.seiteMit("Anna &lt;3");
    EXPECT_EQ(status(seite), "HTTP/1.1 200 OK");
    EXPECT_NE(seite.find("Content-Type: text/html; charset=utf-8\r\n"), std::string::npos);
    EXPECT_NE(seite.find("Content-Security-Policy: default-src 'self'"), std::string::npos);
    const std::string erwartet = seiteFuellen(seitenvorlage(), ansicht).toStdString();
    EXPECT_EQ(seite.substr(seite.find("\r\n\r\n") + 4), erwartet);

    EXPECT_NE(s.holen("/zuschauer.css").find("Content-Type: text/css"), std::string::npos);
    const std::string skript = s.holen("/zuschauer.js");
    EXPECT_EQ(status(skript), "HTTP/1.1 200 OK");
    EXPECT_NE(skript.find("new WebSocket"), std::string::npos);
    const std::string kopf = s.holen("/", "HEAD");
    EXPECT_EQ(status(kopf), "HTTP/1.1 200 OK");
    EXPECT_NE(kopf.find("Content-Length: " + std::to_string(erwartet.size())), std::string::npos);
    EXPECT_EQ(kopf.substr(kopf.find("\r\n\r\n") + 4), "") << "HEAD: no body";

    // A phone loads the page and its two files over one connection.
    Rohverbindung v(s.web.port());
    v.senden("GET / HTTP/1.1\r\nHost: x\r\n\r\nGET /zuschauer.css HTTP/1.1\r\nHost: x\r\n\r\n");
    const std::string beide = v.lesen(2s, "text/css");
    EXPECT_NE(beide.find("text/html"), std::string::npos);
    EXPECT_NE(beide.find("text/css"), std::string::npos);
}

TEST(Webserver, JedeAndereAnfrageBekommtEin4xxUndAendertNichts) {
    Server s;
    s.web.veroeffentlichen(mitNamen(QStringLiteral("Anna")));
    const std::string vorher = s.seiteMit("Anna");
    const std::string lang9k(9000, 'a'), lang20k(20000, 'a');
    const std::vector<std::pair<std::string, std::string>> faelle = {
        {"GET /etc/passwd HTTP/1.1\r\n\r\n", "404"},
        {"GET //etc/passwd HTTP/1.1\r\n\r\n", "404"},
        {"GET /../etc/passwd HTTP/1.1\r\n\r\n", "400"},
        {"GET /zuschauer.js/../../x HTTP/1.1\r\n\r\n", "400"},
        {"GET /%2e%2e/etc/passwd HTTP/1.1\r\n\r\n", "400"},
        {"GET /%2E%2E%2Fetc%2Fpasswd HTTP/1.1\r\n\r\n", "400"},
        {"GET /zuschauer%2ecss HTTP/1.1\r\n\r\n", "400"},
        {"GET \\etc\\passwd HTTP/1.1\r\n\r\n", "400"},
        {"GET http://127.0.0.1/ HTTP/1.1\r\n\r\n", "400"},
        {"GET * HTTP/1.1\r\n\r\n", "400"},
        {"OPTIONS * HTTP/1.1\r\n\r\n", "405"},
        {"POST / HTTP/1.1\r\nContent-Length: 0\r\n\r\n", "405"},
        {"PUT /index.html HTTP/1.1\r\nContent-Length: 3\r\n\r\nabc", "405"},
        {"DELETE / HTTP/1.1\r\n\r\n", "405"},
        {"GET /" + lang9k + " HTTP/1.1\r\n\r\n", "414"},
        {"GET /" + lang20k + " HTTP/1.1\r\n\r\n", "414"},
        {"GET / HTTP/1.1\r\nX: " + lang20k + "\r\n\r\n", "431"},
        {"GET / HTTP/1.1\r\nContent-Length: 5\r\n\r\nhallo", "400"},
        {"GET / HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nhallo\r\n0\r\n\r\n", "400"},
        {"GET / HTTP/1.1\r\nContent-Length: -5\r\n\r\n", "400"},
        {"GARBAGE\r\n\r\n", "400"},
        {"GET\r\n\r\n", "400"},
        {"GET / HTTP/1.1\r\nKeinDoppelpunkt\r\n\r\n", "400"},
        {"GET / HTTP/1.1\r\n: leer\r\n\r\n", "400"},
        {"GET /a b HTTP/1.1\r\n\r\n", "400"},
        {"GET / FOO/1.1\r\n\r\n", "400"},
        {"GET / HTTP/2.0\r\n\r\n", "400"},
        {std::string("\0\x01\x02\xff\r\n\r\n", 8), "400"},
        {"GET /live HTTP/1.1\r\n\r\n", "426"},
        {"HEAD /live HTTP/1.1\r\n\r\n", "426"},
        {"GET / HTTP/1.1\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n\r\n", "404"},
    };
    for (const auto& [bytes, erwartet] : faelle) {
        const std::string antwort = anfrage(s.web.port(), bytes);
        EXPECT_EQ(status(antwort).substr(0, 12), "HTTP/1.1 " + erwartet) << bytes.substr(0, 60);
        EXPECT_EQ(erwartet == "426",
                  antwort.find("\r\nUpgrade: websocket\r\n") != std::string::npos);
    }
    EXPECT_EQ(s.holen("/"), vorher);
}

TEST(Webserver, EineUnvollstaendigeAnfrageBekommt408UndEinStummerGastNichts) {
    Server s{{std::chrono::milliseconds(300), std::chrono::seconds(30)}};
    Rohverbindung halb(s.web.port());
    halb.senden("GET / HTTP/1.1\r\nHost: x\r\n");
    EXPECT_EQ(status(halb.lesen(3s)).substr(0, 12), "HTTP/1.1 408");
    Rohverbindung stumm(s.web.port());
    const auto beginn = std::chrono::steady_clock::now();
    EXPECT_EQ(stumm.lesen(3s), "");
    EXPECT_LT(std::chrono::steady_clock::now() - beginn, 2s) << "closed after the time limit";
}

TEST(Webserver, EinGetMitRiesigemKoerperWirdAbgewiesenOhneIhnZuSpeichern) {
    Server s;
    s.holen("/");
    Rohverbindung v(s.web.port());
    const std::string block(1 << 20, 'x');
    const long vorher = speicher();
    std::thread sender([&] {
        if (!v.senden("GET / HTTP/1.1\r\nContent-Length: 157286400\r\n\r\n"))
            return;
        for (int mb = 0; mb < 150 && v.senden(block); ++mb) {
        }
    });
    const std::string antwort = v.lesen(5s, "\r\n\r\n");
    sender.join();
    EXPECT_EQ(status(antwort).substr(0, 12), "HTTP/1.1 400");
    EXPECT_LT(speicher() - vorher, 4L << 20);
}

TEST(Webserver, OffeneSeitenHoerenJedeAenderungSofortUndSagenNichts) {
    Server s;
    s.web.veroeffentlichen(mitNamen(QStringLiteral("Anna")));
    s.seiteMit("Anna");
    Testseite seite(s.web.port());
    const std::optional<std::string> erste = seite.naechste();
    ASSERT_TRUE(erste) << "the standings at once";
    EXPECT_NE(erste->find(R"("s1-name":"Anna")"), std::string::npos);

    s.web.veroeffentlichen(mitNamen(QStringLiteral("Anna"), QStringLiteral("2,345 s")));
    const std::optional<std::string> zweite = seite.naechste(100ms);
    ASSERT_TRUE(zweite) << "within 100 ms";
    EXPECT_NE(zweite->find(R"("s1-letzte":"2,345 s")"), std::string::npos);

    // Changes in a quick row: the page may skip some but ends at the newest.
    for (int i = 0; i < 50; ++i)
        s.web.veroeffentlichen(mitNamen(QStringLiteral("Anna"), QString::number(i)));
    std::optional<std::string> letzte;
    while ((letzte = seite.naechste(1s)) &&
           letzte->find(R"("s1-letzte":"49")") == std::string::npos) {
    }
    EXPECT_TRUE(letzte);

    seite.sagen(std::string(4096, 'x'));
    EXPECT_FALSE(seite.naechste(2s)) << "a page that sends more than a page does is closed";
}

TEST(Webserver, EinBelegterPortGibtEineMeldungUndDerServerHoertNurWennErLaeuft) {
    Server a;
    const quint16 port = a.web.port();
    Webserver b;
    const std::optional<QString> fehler = b.starten({QStringLiteral("127.0.0.1"), port});
    ASSERT_TRUE(fehler);
    EXPECT_EQ(*fehler, QStringLiteral("Die Zuschauerseite kann Port %1 nicht öffnen, er ist schon "
                                      "belegt. Rundomat läuft ohne die Seite weiter.")
                           .arg(port));
    EXPECT_FALSE(b.laeuft());
    a.web.beenden();
    EXPECT_FALSE(Rohverbindung(port).verbunden);
}

// All from 127.0.0.1, so below the places one address may hold (100): a page more would
// make the longest idle steady page give way, and it would miss the last state.
TEST(Webserver, FuenfzigSeitenUndVierzigKommendeUndGehendeBleibenImSpeicherrahmen) {
    Server s;
    s.holen("/");
    Testseite(s.web.port()).naechste();
    const long vorher = speicher();

    QProcess last;
    last.start(QStringLiteral(WEBCLIENTS), {QString::number(s.web.port()), QStringLiteral("50"),
                                            QStringLiteral("40"), QStringLiteral("5")});
    QByteArray ausgabe;
    while (!ausgabe.contains("bereit\n") && last.waitForReadyRead(10'000))
        ausgabe += last.readAllStandardOutput();
    ASSERT_TRUE(ausgabe.contains("bereit\n")) << ausgabe.toStdString();

    long hoechstens = speicher();
    for (int i = 1; i <= 30; ++i) {
        Zuschaueransicht a;
        a.spuren[1].gefahren = QString::number(i);
        s.web.veroeffentlichen(a);
        std::this_thread::sleep_for(100ms);
        hoechstens = std::max(hoechstens, speicher());
    }
    ASSERT_TRUE(last.waitForFinished(15'000));
    ausgabe += last.readAllStandardOutput();
    const long zuwachs = hoechstens - vorher;
    std::printf("Speicherzuwachs mit 50 Seiten und 40 kommenden und gehenden: %.1f MiB\n",
                zuwachs / 1048576.0);
#ifndef RUNDOMAT_SANITIZE
    // AddressSanitizer keeps freed memory in quarantine: there the resident size tells nothing.
    EXPECT_LT(zuwachs, 16L << 20);
#endif

    // Every page saw the last state, and the coming and going went on all the while.
    for (int client = 0; client < 50; ++client)
        EXPECT_TRUE(ausgabe.contains(QStringLiteral("nachricht %1 ").arg(client).toUtf8()));
    int zuletzt = 0;
    for (const QByteArray& zeile : ausgabe.split('\n'))
        if (zeile.startsWith("nachricht ") && zeile.endsWith(" 30|")) // lane 2 drives none
            ++zuletzt;
    EXPECT_EQ(zuletzt, 50);
    const QList<QByteArray> ende = ausgabe.mid(ausgabe.lastIndexOf("ende ")).trimmed().split(' ');
    ASSERT_EQ(ende.size(), 4);
    EXPECT_GT(ende[2].toInt(), 100) << "connections that came and went";
    const Webserver::Belegung danach = belegungBis(s.web, 0, 0);
    EXPECT_EQ(danach.seiten + danach.verbindungen, 0) << "nothing kept of the pages that went";
}

TEST(Webserver, KeineAdresseHaeltMehrAlsHundertSeitenUndDieNeueKommtImmerHinein) {
    Server s;
    std::vector<std::unique_ptr<Testseite>> seiten;
    for (int i = 0; i < Plaetze::MaxJeAdresse + 10; ++i) {
        seiten.push_back(std::make_unique<Testseite>(s.web.port()));
        ASSERT_TRUE(seiten.back()->naechste()) << "page " << i << " gets its standings";
    }
    EXPECT_EQ(belegungBis(s.web, Plaetze::MaxJeAdresse, Plaetze::MaxJeAdresse).verbindungen,
              Plaetze::MaxJeAdresse);
    // Those opened just before gave way, never the one that has watched longest.
    s.web.veroeffentlichen(mitNamen(QStringLiteral("Anna")));
    EXPECT_TRUE(seiten.front()->naechste() && seiten.back()->naechste());
}

TEST(Webserver, SeitenDieNichtLesenMachenPlatzUndGehenNachDerFrist) {
    // Long enough for a busy machine to hand the new page its 600 KB before the silent
    // ones' time is up, which is what shows that none went before.
    Server s{{10s, 30s, 5s}};
    // All places taken by pages from two addresses that never read.
    std::vector<std::unique_ptr<Testseite>> stumme;
    for (const char* absender : {"127.0.0.2", "127.0.0.3"})
        for (int i = 0; i < Plaetze::MaxJeAdresse; ++i)
            stumme.push_back(std::make_unique<Testseite>(s.web.port(), "127.0.0.1", absender));
    ASSERT_EQ(belegungBis(s.web, Plaetze::MaxVerbindungen).seiten, Plaetze::MaxVerbindungen);

    // More than the system holds for them: their send queues stop draining.
    s.web.veroeffentlichen(mitNamen(QString(600'000, QLatin1Char('A'))));
    const auto veroeffentlicht = std::chrono::steady_clock::now();
    std::this_thread::sleep_for(200ms);
    Testseite zuschauer(s.web.port());
    ASSERT_GT(zuschauer.naechste(30s).value_or("").size(), 600'000U) << "one of them gave way";
    EXPECT_GT(s.web.belegung().seiten, 100) << "none goes before its time is up";
    EXPECT_EQ(belegungBis(s.web, 1).seiten, 1);
    EXPECT_GE(std::chrono::steady_clock::now() - veroeffentlicht, 5s);
    s.web.veroeffentlichen(mitNamen(QStringLiteral("Berta")));
    EXPECT_NE(zuschauer.naechste().value_or("").find("Berta"), std::string::npos);
}

namespace {
// A listening socket of another program, bound as given: IPv6 with IPv4 mapped as a
// dual-stack server binds, IPv6 alone, or IPv4.
asio::ip::tcp::acceptor fremderHoerer(asio::io_context& io, const char* adresse,
                                      unsigned short port, bool nurV6 = false) {
    const asio::ip::tcp::endpoint ort(asio::ip::make_address(adresse), port);
    asio::ip::tcp::acceptor hoerer(io, ort.protocol());
    if (ort.address().is_v6())
        hoerer.set_option(asio::ip::v6_only(nurV6));
    hoerer.bind(ort);
    hoerer.listen();
    return hoerer;
}

// A port free on IPv6 and IPv4 alike, for another program to hold on one of them or both
// apart: one handed out for IPv4 alone may be in use on IPv6 by a test running beside this
// one, and the other way round.
unsigned short freierPort(asio::io_context& io) {
    return fremderHoerer(io, "::", 0).local_endpoint().port();
}

bool seiteAntwortet(quint16 port, const char* ziel) {
    try {
        return Testseite(port, ziel).naechste().has_value();
    } catch (const boost::system::system_error&) {
        return false;
    }
}
} // namespace

// Started without an address the page wants IPv6 and IPv4. A port that another program
// holds on one of them alone is not taken: the page listens on the other, and says which.
TEST(Webserver, OhneAdresseIstEinPortNurBelegtWennKeinSockelAufgeht) {
    asio::io_context io;
    {
        const quint16 port = freierPort(io);
        asio::ip::tcp::acceptor v4 = fremderHoerer(io, "0.0.0.0", port);
        Webserver web;
        const std::optional<QString> fehler = web.starten({QString(), port});
        EXPECT_FALSE(fehler) << fehler.value_or(QString()).toStdString();
        EXPECT_TRUE(seiteAntwortet(port, "::1")) << "IPv6 is free";
        EXPECT_EQ(web.ort().adresse, QStringLiteral("::"));
    }
    {
        const quint16 port = freierPort(io);
        asio::ip::tcp::acceptor v6 = fremderHoerer(io, "::", port, true);
        Webserver web;
        const std::optional<QString> fehler = web.starten({QString(), port});
        EXPECT_FALSE(fehler) << fehler.value_or(QString()).toStdString();
        EXPECT_TRUE(seiteAntwortet(port, "127.0.0.1")) << "IPv4 is free";
        EXPECT_EQ(web.ort().adresse, QStringLiteral("0.0.0.0"));
    }
    // A dual-stack start binds IPv6 with IPv4 mapped, whose IPv4 then stays closed to a
    // socket of its own: that is no taken port, and the page is on both.
    Webserver beide;
    EXPECT_FALSE(beide.starten({QString(), 0}));
    EXPECT_TRUE(seiteAntwortet(beide.port(), "127.0.0.1"));
    EXPECT_TRUE(seiteAntwortet(beide.port(), "::1"));
    EXPECT_EQ(beide.ort().adresse, QString()) << "every address";
}

TEST(Webserver, OhneAdresseSagtEinGanzBelegterPortBelegt) {
    const QString belegt = QStringLiteral("Die Zuschauerseite kann Port %1 nicht öffnen, er ist "
                                          "schon belegt. Rundomat läuft ohne die Seite weiter.");
    asio::io_context io;
    {
        asio::ip::tcp::acceptor beide = fremderHoerer(io, "::", 0);
        const quint16 port = beide.local_endpoint().port();
        Webserver web;
        EXPECT_EQ(web.starten({QString(), port}), belegt.arg(port));
        EXPECT_FALSE(web.laeuft());
    }
    const quint16 port = freierPort(io);
    asio::ip::tcp::acceptor v6 = fremderHoerer(io, "::", port, true);
    asio::ip::tcp::acceptor v4 = fremderHoerer(io, "0.0.0.0", port);
    Webserver web;
    EXPECT_EQ(web.starten({QString(), port}), belegt.arg(port)) << "both held apart";
    EXPECT_FALSE(web.laeuft());
}

TEST(Webserver, HoertAufAllenAdressenDesPcsOderGenauAufDerGegebenen) {
    const auto erreichbar = [](quint16 port, const QHostAddress& ziel) {
        return seiteAntwortet(port, ziel.toString().toLatin1().constData());
    };
    // IPv4 and IPv6, the loopback and this PC's addresses in its networks.
    QList<QHostAddress> alle = QNetworkInterface::allAddresses();
    alle.removeIf([](const QHostAddress& a) { return a.isLinkLocal(); });
    Server ueberall({}, QString());
    for (const QHostAddress& adresse : alle)
        EXPECT_TRUE(erreichbar(ueberall.web.port(), adresse)) << adresse.toString().toStdString();
    Webserver zweiter; // the same port on one of them is taken
    EXPECT_TRUE(zweiter.starten({QStringLiteral("::1"), ueberall.web.port()})
                    .value_or(QString())
                    .contains(QStringLiteral("er ist schon belegt")));

    Server lokal({}, QStringLiteral("127.0.0.1"));
    for (const QHostAddress& adresse : alle)
        EXPECT_EQ(erreichbar(lokal.web.port(), adresse), adresse == QHostAddress::LocalHost)
            << adresse.toString().toStdString();
    EXPECT_EQ(
        zweiter.starten({QStringLiteral("198.51.100.7"), 8080}),
        QStringLiteral("Die Zuschauerseite kann nicht auf 198.51.100.7 hören: Diese Adresse "
                       "gehört keinem Netz dieses PCs. Rundomat läuft ohne die Seite weiter."));
    EXPECT_EQ(absenderVon(boost::asio::ip::make_address("2001:db8:1:2::5")),
              absenderVon(boost::asio::ip::make_address("2001:db8:1:2:a:b:c:d")))
        << "an IPv6 client counts by its /64 network";
}
