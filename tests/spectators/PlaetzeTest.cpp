#include "Plaetze.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {
using namespace std::chrono_literals;

struct Verbindung final : Plaetze::Inhaber {
    void raeumen() override { ++geraeumt; }
    int geraeumt = 0;
};

// Connections that come one after another, a millisecond apart, each a page that has
// taken everything unless it is told to wait.
struct Server {
    Plaetze plaetze;
    std::vector<std::unique_ptr<Verbindung>> verbindungen;
    std::vector<Plaetze::Marke> marken;
    Plaetze::Zeit jetzt{};

    Verbindung& kommt(const std::string& absender, bool seite = true) {
        jetzt += 1ms;
        verbindungen.push_back(std::make_unique<Verbindung>());
        marken.push_back(plaetze.belegen(absender, *verbindungen.back(), jetzt));
        if (seite)
            marken.back()->wartetSeit.reset();
        return *verbindungen.back();
    }
    std::vector<int> geraeumt() const {
        std::vector<int> welche;
        for (std::size_t i = 0; i < verbindungen.size(); ++i)
            if (verbindungen[i]->geraeumt)
                welche.push_back(static_cast<int>(i));
        return welche;
    }
};
} // namespace

TEST(Plaetze, EineAdresseHaeltHoechstensHundertUndDerNeueKommtImmerHinein) {
    Server s;
    for (int i = 0; i < Plaetze::MaxJeAdresse; ++i)
        s.kommt("10.0.0.1");
    s.kommt("10.0.0.2");
    EXPECT_TRUE(s.geraeumt().empty()) << "another address has room of its own";

    // Every page follows the race: the youngest of the address gives way, never the new one.
    s.kommt("10.0.0.1");
    EXPECT_EQ(s.geraeumt(), std::vector<int>{99});
    EXPECT_EQ(s.plaetze.belegt(), Plaetze::MaxJeAdresse + 1);

    // A page that waits for its client is idle: the one that waits longest goes first.
    s.marken[5]->wartetSeit = s.jetzt;
    s.marken[7]->wartetSeit = s.jetzt - 1s;
    s.kommt("10.0.0.1");
    EXPECT_EQ(s.geraeumt(), (std::vector<int>{7, 99}));

    // A place told to go counts no more, also before it is given back.
    s.plaetze.freigeben(s.marken[99]);
    EXPECT_EQ(s.plaetze.eintraege(), static_cast<std::size_t>(s.plaetze.belegt() + 1));
}

TEST(Plaetze, VolleServerLassenDenLaengstenUntaetigenGehenSonstDenJuengstenDesGroesstenAbsenders) {
    Server s;
    for (int i = 0; i < 80; ++i)
        s.kommt("10.0.0.1");
    for (int i = 0; i < 70; ++i)
        s.kommt("10.0.0.2");
    Verbindung& wartend = s.kommt("10.0.0.3", false); // a browser's spare connection
    for (int i = 0; i < Plaetze::MaxVerbindungen - 151; ++i)
        s.kommt("10.0.0.3");
    ASSERT_TRUE(s.geraeumt().empty());

    s.kommt("10.0.0.4");
    EXPECT_EQ(wartend.geraeumt, 1) << "the idle one goes first";
    s.kommt("10.0.0.4");
    EXPECT_EQ(s.verbindungen[79]->geraeumt, 1) << "then the youngest of the largest address";
    EXPECT_EQ(s.plaetze.belegt(), Plaetze::MaxVerbindungen);
    EXPECT_EQ(s.geraeumt().size(), 2U);
}

TEST(Plaetze, NurWerSeitDerGrenzeWartetWirdGeraeumtUndNurEinmal) {
    Server s;
    Verbindung& seite = s.kommt("10.0.0.1");
    Verbindung& haengt = s.kommt("10.0.0.1", false);
    s.jetzt += 60s;
    Verbindung& frisch = s.kommt("10.0.0.1", false);
    s.plaetze.raeumenWartendSeit(s.jetzt - 30s);
    s.plaetze.raeumenWartendSeit(s.jetzt - 30s);
    EXPECT_EQ(seite.geraeumt, 0) << "a page that has taken everything, however long ago";
    EXPECT_EQ(haengt.geraeumt, 1);
    EXPECT_EQ(frisch.geraeumt, 0);
}

TEST(Plaetze, EinAbsenderIstEineIpv4AdresseOderEinIpv6Netz) {
    const auto absender = [](const char* text) {
        return absenderVon(boost::asio::ip::make_address(text));
    };
    EXPECT_EQ(absender("192.168.1.5"), "192.168.1.5");
    EXPECT_EQ(absender("::ffff:192.168.1.5"), "192.168.1.5");
    EXPECT_EQ(absender("2001:db8:1:2::5"), absender("2001:db8:1:2:aaaa:bbbb:cccc:dddd"));
    EXPECT_NE(absender("2001:db8:1:2::5"), absender("2001:db8:1:3::5"));
}
