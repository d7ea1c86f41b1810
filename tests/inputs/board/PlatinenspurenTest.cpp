// A board's lane inputs against the track's lanes: eight of each, a board with more inputs
// than the track has lanes, one with fewer, and edges of inputs no board has.
#include "Platinenbahn.h"

#include <gtest/gtest.h>

using namespace Platinenprotokoll;

namespace {

void spurenSetzen(Platinenbahn& b, int spuren) {
    b.einstellen([&](Renneinstellungen& e) {
        e.spuranzahl = spuren;
        e.ohneCountdown = true;
        e.prellzeit = 1;
    });
}

// The log's entries for edges of this input.
std::vector<Signaleintrag> eintraegeVon(const Platinenbahn& b, int eingang) {
    std::vector<Signaleintrag> gefunden;
    const QString name = QStringLiteral("Platine Eingang %1 ").arg(eingang);
    for (const Signaleintrag& e : b.protokoll)
        if (e.ereignis.startsWith(name))
            gefunden.push_back(e);
    return gefunden;
}

} // namespace

// Eight cars, each on its own input, crossing microseconds apart and in one report burst:
// every lane's laps come from its own stamps, and the race ends when the last is home.
TEST(Platinenspuren, AchtSpurenZaehlenJedeIhreRundenNachIhrenStempeln) {
    Platinenbahn b;
    spurenSetzen(b, 8);
    b.runden(2);
    b.hallo(10.0, Major, 1, 8);
    EXPECT_EQ(b.protokoll.at(0).ereignis, "Platine erkannt: Firmware 1.1, 8 Eingänge");
    b.rennen.startGedrueckt();
    for (int runde = 0; runde <= 2; ++runde) {
        b.hostSekunden(2);
        for (int spur = 1; spur <= 8; ++spur)
            b.flanke(spur, 10.5 + runde * (2 + 0.1 * spur) + spur * 3e-6);
    }
    for (int spur = 1; spur <= 8; ++spur) {
        SCOPED_TRACE(spur);
        const double runde = 2 + 0.1 * spur;
        // Lane 1's first crossing starts the clock, and every other lane's first lap.
        const double erste = runde + (spur - 1) * 3e-6;
        EXPECT_EQ(b.rundenzeiten(spur), (std::vector<double>{0, std::round(erste * 1000) / 1000,
                                                             std::round(runde * 1000) / 1000}));
        EXPECT_TRUE(b.spur(spur).fertig);
        EXPECT_EQ(eintraegeVon(b, spur).at(0).spur, spur);
    }
    EXPECT_TRUE(b.stand().signaleGesperrt) << "the race is over";
    EXPECT_EQ(b.meldungstexte(), QStringList{}) << "eight inputs are enough for eight lanes";
}

// A board of eight inputs on a track of fewer lanes, one of them free tonight, and edges
// that name an input no board has (damaged so that the checksum still fits): logged, never
// counted, and the race is never asked about a lane beyond eight.
TEST(Platinenspuren, EingaengeOhneSpurDerBahnWerdenNurProtokolliert) {
    for (const int spuren : {2, 5}) {
        SCOPED_TRACE(spuren);
        Platinenbahn b;
        spurenSetzen(b, spuren);
        b.einstellen([](Renneinstellungen& e) { e.freieSpuren = 0b10; }); // lane 2
        b.runden(3);
        b.hallo(10.0, Major, 1, 8);
        b.rennen.startGedrueckt();
        b.hostSekunden(1);
        for (int eingang = 1; eingang <= 8; ++eingang)
            b.flanke(eingang, 10.5 + eingang * 0.01);
        for (const std::uint8_t falsch : {0, 9, 255})
            b.senden(Flanke{falsch, false, Platinenbahn::ticks(10.6)});
        b.hostSekunden(2);
        for (int eingang = 1; eingang <= 8; ++eingang)
            b.flanke(eingang, 12.5 + eingang * 0.01);

        for (int eingang = 1; eingang <= 8; ++eingang) {
            SCOPED_TRACE(eingang);
            const std::vector<Signaleintrag> eintraege = eintraegeVon(b, eingang);
            ASSERT_EQ(eintraege.size(), 2u);
            EXPECT_EQ(eintraege[1].spur, eingang);
            EXPECT_EQ(eintraege[1].anmerkung,
                      QStringLiteral("Platinenzeit %1 µs").arg(12'500'000 + eingang * 10'000));
            const Signalausgang soll = eingang > spuren ? Signalausgang::KeineSpur
                                       : eingang == 2   ? Signalausgang::FreieSpur
                                                        : Signalausgang::Angenommen;
            EXPECT_EQ(eintraege[1].ausgang, soll);
            if (eingang <= spuren) {
                EXPECT_EQ(b.spur(eingang).runde, eingang == 2 ? 0 : 2);
            }
        }
        for (const int falsch : {0, 9, 255}) {
            const std::vector<Signaleintrag> eintraege = eintraegeVon(b, falsch);
            ASSERT_EQ(eintraege.size(), 1u) << falsch;
            EXPECT_EQ(eintraege[0].spur, 0);
            EXPECT_EQ(eintraege[0].ausgang, Signalausgang::Ignoriert);
            EXPECT_EQ(eintraege[0].anmerkung,
                      "Platinenzeit 10600000 µs; die Platine hat die Eingänge 1 bis 8");
        }
        EXPECT_EQ(b.rundenzeiten(1), (std::vector<double>{0, 2}));
        EXPECT_TRUE(b.dialoge.meldungen.empty()) << "nothing for the racers to do";
    }
}

// A board of firmware 1.0 still times the lanes it has; the racers hear at every start
// which lanes it leaves without signals, and an edge it names beyond its inputs is no lap.
TEST(Platinenspuren, EinePlatineMitWenigerEingaengenAlsSpurenWirdBeimStartGenannt) {
    Platinenbahn b;
    spurenSetzen(b, 8);
    b.runden(3);
    b.hallo(10.0); // 1.0, four inputs
    EXPECT_TRUE(b.empfang.erkannt());
    EXPECT_TRUE(b.dialoge.meldungen.empty()) << "nothing said before a race";
    b.rennen.startGedrueckt();
    ASSERT_EQ(b.dialoge.meldungen.size(), 1u);
    EXPECT_EQ(b.dialoge.meldungen[0].text,
              "Die Platine hat 4 Eingänge, die Bahn 8 Spuren: die Spuren 5, 6, 7 und 8 bekommen "
              "von ihr keine Signale. Die Firmware, die zu diesem Programm gehört, hat 8 Eingänge "
              "(siehe Hilfe).");
    EXPECT_FALSE(b.dialoge.meldungen[0].haeltAuf) << "the race goes on meanwhile";

    b.hostSekunden(1);
    for (int eingang = 1; eingang <= 4; ++eingang)
        b.flanke(eingang, 10.5 + eingang * 0.01);
    b.flanke(6, 10.6);
    b.hostSekunden(2);
    b.flanke(4, 12.54);
    EXPECT_EQ(b.rundenzeiten(4), (std::vector<double>{0, 2.03}));
    EXPECT_EQ(b.spur(6).runde, 0);
    EXPECT_EQ(eintraegeVon(b, 6).at(0).anmerkung,
              "Platinenzeit 10600000 µs; die Platine hat die Eingänge 1 bis 4");

    b.rennen.startGedrueckt(); // stop
    spurenSetzen(b, 5);
    b.rennen.startGedrueckt();
    ASSERT_EQ(b.dialoge.meldungen.size(), 2u);
    EXPECT_TRUE(
        b.dialoge.meldungen[1].text.startsWith("Die Platine hat 4 Eingänge, die Bahn 5 Spuren: die "
                                               "Spur 5 bekommt von ihr keine Signale."));

    b.rennen.startGedrueckt();
    spurenSetzen(b, 8);
    b.einstellen([](Renneinstellungen& e) { e.freieSpuren = 0b10110000; }); // 5, 6 and 8
    b.rennen.startGedrueckt();
    ASSERT_EQ(b.dialoge.meldungen.size(), 3u);
    EXPECT_TRUE(b.dialoge.meldungen[2].text.contains("die Spur 7 bekommt"));

    b.rennen.startGedrueckt();
    b.einstellen([](Renneinstellungen& e) { e.freieSpuren = 0b11110000; });
    b.rennen.startGedrueckt();
    EXPECT_EQ(b.dialoge.meldungen.size(), 3u) << "no car on the lanes the board lacks";
}
