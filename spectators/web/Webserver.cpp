#include "Webserver.h"

#include "Fadenrang.h"
#include "Gemeinsam.h"
#include "Hoersockel.h"
#include "HttpSitzung.h"

#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/ip/v6_only.hpp>
#include <boost/asio/post.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/beast/core/error.hpp>
#include <future>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

namespace asio = boost::asio;
namespace beast = boost::beast;
using tcp = asio::ip::tcp;

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

    // The page's texts are made outside the lock, so the GUI thread never waits for them.
    void verteilen() {
        std::optional<Zuschaueransicht> ansicht;
        {
            const std::lock_guard halten(sperre);
            ansicht = std::exchange(neu, std::nullopt);
        }
        if (ansicht)
            gemeinsam->zeigen(std::move(*ansicht));
    }
};

Webserver::Webserver(Fristen fristen) : m_fristen(fristen) {}

Webserver::~Webserver() {
    beenden();
}

std::optional<QString> Webserver::starten(const Hoerort& ort) {
    beenden();
    auto betrieb = std::make_unique<Betrieb>();
    betrieb->gemeinsam = std::make_shared<Gemeinsam>(m_fristen);
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
