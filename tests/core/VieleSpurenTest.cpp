// Tracks of three to eight lanes through the race model: the lanes a count brings, places and
// the winner from the order home, training by the best lap, a race by time by distance, and
// the two-lane modes kept to two lanes.
#include "Zeitbahn.h"

#include <gtest/gtest.h>

// Four lanes home in the order 3, 1, 4, 2: the race waits for the last, lane 3 has won, the
// others have lost, and the result lists every lane with its place and laps.
TEST(VieleSpuren, DieReihenfolgeImZielGibtPlaetzeUndSieger) {
    Rennbahn b;
    b.runden(2);
    b.spuren(4);
    b.rennen.fahrerBenennen(4, QStringLiteral("Dora"));
    b.starten();
    const double zeiten[] = {0, 2.1, 2.4, 2.0, 2.2};
    for (int spur = 1; spur <= 4; ++spur)
        b.signal(spur, 0.1 * spur);
    for (int runde = 1; runde <= 2; ++runde)
        for (int spur : {3, 1, 4, 2})
            b.signal(spur, 0.1 * spur + runde * zeiten[spur]);
    // Lane 2 finished last: the race is over only now.
    ASSERT_FALSE(b.stand().gestartet);
    const Laufergebnis& lauf = b.rennen.ergebnis().letzterLauf();
    EXPECT_EQ(b.plaetze(), (std::vector<int>{2, 4, 1, 3}));
    EXPECT_EQ(lauf.sieger, 3);
    EXPECT_EQ(b.rennen.ergebnis().sieger(), 3);
    EXPECT_EQ(lauf.spur(4).fahrer, "Dora");
    EXPECT_EQ(lauf.spur(4).runden.size(), 2u);
    EXPECT_EQ(b.spur(3).ausgang, Spurausgang::Sieg);
    for (int spur : {1, 2, 4})
        EXPECT_EQ(b.spur(spur).ausgang, Spurausgang::Niederlage) << spur;
    EXPECT_EQ(b.rekorde.aufrufe, QStringList{QStringLiteral("HofPruefen")})
        << "the Hall of Fame hears of a race of four lanes";
}

TEST(VieleSpuren, ErstNachDemLetztenImZielIstDasRennenAus) {
    Rennbahn b;
    b.runden(1);
    b.spuren(8);
    b.starten();
    for (int spur = 1; spur <= 8; ++spur)
        b.signal(spur, 0.1 * spur);
    for (int spur = 1; spur <= 7; ++spur)
        b.signal(spur, 3 + 0.1 * spur);
    EXPECT_TRUE(b.stand().gestartet) << "lane 8 is still out";
    EXPECT_EQ(b.stand().zieleinlauf.size(), 7u);
    b.signal(8, 4);
    EXPECT_FALSE(b.stand().gestartet);
    EXPECT_EQ(b.rennen.ergebnis().letzterLauf().spur(8).platz, 8);
}

// Training: the lowest best lap of all lanes wins; two lanes level on it draw.
TEST(VieleSpuren, ImTrainingGewinntDieBesteRundeAllerSpuren) {
    for (const auto& [zweite, sieger] : {std::pair{2.5, 3}, std::pair{1.6, 0}}) {
        Rennbahn b;
        b.runden(1);
        b.einstellen([](Renneinstellungen& e) { e.rennmodus = false; });
        b.spuren(3);
        b.starten();
        b.fahren(1, 0.1, {3.0});
        b.fahren(2, 0.2, {zweite});
        b.fahren(3, 0.3, {1.5}); // lap 1 counts from the green light: 1.8 s
        ASSERT_FALSE(b.stand().gestartet);
        EXPECT_EQ(b.rennen.ergebnis().sieger(), sieger) << zweite;
        EXPECT_EQ(b.spur(1).ausgang, sieger ? Spurausgang::Niederlage : Spurausgang::Unentschieden);
    }
}

// By time the greatest distance wins among all lanes, and the rule Sofort finishes every
// lane where it stands, the lane ahead first.
TEST(VieleSpuren, NachZeitEntscheidetDieDistanzUeberAlleSpuren) {
    Zeitbahn b(Zielregel::Sofort, 10);
    b.spuren(3);
    b.starten();
    b.plan(1, 0.5, 3, 10);   // three laps
    b.plan(2, 0.6, 2.2, 10); // four laps
    b.plan(3, 0.7, 4, 10);   // two laps
    b.fahren(10);
    ASSERT_FALSE(b.stand().gestartet);
    EXPECT_EQ(b.stand().zieleinlauf, (std::vector<int>{2, 1, 3}));
    EXPECT_EQ(b.stand().rennsieger, 2);
    EXPECT_GT(b.distanz(2), 4);
    EXPECT_EQ(b.spur(3).ausgang, Spurausgang::Niederlage);
}

// A count no track has means two lanes. With more than two lanes there is no single mode;
// back to two, the first two lanes keep their drivers and the new lanes of another count are
// named like the first.
TEST(VieleSpuren, DieSpurenzahlBringtIhreSpurenUndKeinenEinzelmodus) {
    Rennbahn b;
    b.rennen.fahrerBenennen(1, QStringLiteral("Anna"));
    b.einstellen([](Renneinstellungen& e) {
        e.spuranzahl = 3;
        e.spurwechsel = true;
    });
    EXPECT_EQ(b.stand().spuren.anzahl(), 3);
    EXPECT_EQ(b.spur(1).fahrer, "Anna");
    EXPECT_EQ(b.spur(3).fahrer, "Fahrer 3");
    EXPECT_TRUE(b.einstellungen().spurwechsel) << "a rotation over three lanes";
    b.rennen.einzelmodusUmschalten();
    EXPECT_FALSE(b.stand().einzelmodus);

    // After a lane-change race's first heat the wider track begins the rotation again.
    b.spuren(2);
    b.runden(1);
    b.einstellen([](Renneinstellungen& e) { e.spurwechsel = true; });
    b.rennenFahren();
    ASSERT_TRUE(b.stand().wechsellauf > 0);
    ASSERT_EQ(b.spur(2).fahrer, "Anna");
    b.spuren(4);
    EXPECT_FALSE(b.stand().wechsellauf > 0);
    EXPECT_EQ(b.spur(1).fahrer, "Anna");

    b.spuren(9);
    EXPECT_EQ(b.einstellungen().spuranzahl, 2);
    EXPECT_EQ(b.stand().spuren.anzahl(), 2);
    EXPECT_EQ(b.spur(1).fahrer, "Anna");
    EXPECT_THROW(b.spur(3), std::out_of_range);
}

// A lane marked free has no car: a sensor signal on it, or on an input beyond the track, is
// only logged, a hand lap does nothing, the race ends when the lanes with cars are home, and
// the free lane takes no place.
TEST(VieleSpuren, EineFreieSpurZaehltNichtUndNimmtKeinenPlatz) {
    Rennbahn b;
    b.runden(1);
    b.einstellen([](Renneinstellungen& e) {
        e.spuranzahl = 4;
        e.freieSpuren = 1U << 2; // lane 3
    });
    b.starten();
    EXPECT_EQ(b.rennen.signalPruefen(3, 0.2), Signalausgang::FreieSpur);
    EXPECT_EQ(b.rennen.signalPruefen(5, 0.2), Signalausgang::KeineSpur);
    for (int spur : {1, 2, 3, 4})
        b.fahren(spur, 0.1 * spur, {2.0 + 0.1 * spur});
    ASSERT_FALSE(b.stand().gestartet) << "the race does not wait for the free lane";
    EXPECT_TRUE(b.spur(3).runden.empty());
    EXPECT_EQ(b.plaetze(), (std::vector<int>{1, 2, 0, 3}));
    EXPECT_EQ(b.spur(3).ausgang, Spurausgang::Offen);

    // Every lane free is no race: the mark goes.
    b.einstellen([](Renneinstellungen& e) { e.freieSpuren = 0b1111; });
    EXPECT_EQ(b.einstellungen().freieSpuren, 0u);
}

// With the winner home a stuck car holds nobody up: each other lane's next crossing ends its
// race, and the places go by laps, then by time, whoever crossed first.
TEST(VieleSpuren, NachDemSiegerBeendetDieNaechsteDurchfahrt) {
    Rennbahn b;
    b.runden(3);
    b.einstellen([](Renneinstellungen& e) {
        e.spuranzahl = 4;
        e.nachSiegerBeenden = true;
    });
    b.starten();
    for (const auto& [spur, zeit] : {std::pair{1, 0.1},
                                     {2, 0.2},
                                     {3, 0.3},
                                     {4, 0.4},
                                     {1, 2.1},
                                     {3, 2.8},
                                     {2, 3.2},
                                     {1, 4.1},
                                     {3, 5.3},
                                     {4, 5.4}})
        b.signal(spur, zeit);
    b.signal(1, 6.1); // home after three laps
    ASSERT_TRUE(b.stand().gestartet);
    b.signal(4, 6.5); // its second lap ends lane 4's race
    b.signal(2, 7.0); // so does lane 2's
    EXPECT_TRUE(b.stand().gestartet) << "lane 3 has not crossed again";
    b.signal(3, 7.5); // its third lap: ahead of the two with two laps
    ASSERT_FALSE(b.stand().gestartet);
    const Laufergebnis& lauf = b.rennen.ergebnis().letzterLauf();
    EXPECT_EQ(b.plaetze(), (std::vector<int>{1, 4, 2, 3}));
    EXPECT_EQ(lauf.sieger, 1);
    EXPECT_EQ(lauf.spur(4).runden.size(), 2u);
    EXPECT_DOUBLE_EQ(*b.spur(4).zielzeit, 6.5);
}
