#include "Rennbahn.h"

#include <gtest/gtest.h>

using enum Lampe;
using L5 = Reihe<Lampe, 5>;

TEST(Rennstart, CountdownZeigtZiffernUndLampenUndGibtDasRennenNachFuenfSekundenFrei) {
    Rennbahn b;
    b.bei(-5);
    b.rennen.startGedrueckt();
    const auto ansicht = [&b] { return b.ansicht(); };

    EXPECT_EQ(ansicht().start.text, "Stop");
    EXPECT_EQ(ansicht().countdown.text, "5");
    EXPECT_EQ(b.lampen(), (L5{Rot, Aus, Aus, Aus, Aus}));
    EXPECT_TRUE(b.timer.enabled());
    EXPECT_FALSE(b.stand().signaleGesperrt);
    EXPECT_FALSE(b.stand().rennenLaeuft);
    EXPECT_FALSE(ansicht().optionen.bedienbar);
    EXPECT_FALSE(ansicht().hallOfFame.bedienbar);
    EXPECT_EQ(ansicht().restrunden[1].text, "10");
    EXPECT_EQ(ansicht().zeit[2].text, "0 sec");
    EXPECT_EQ(ansicht().bestzeit[1].text, "? sec");
    EXPECT_EQ(ansicht().fahrer[2].markierung, "aktivesRennen");

    const std::vector<std::pair<QString, L5>> sekunden{
        {"4", {Rot, Rot, Aus, Aus, Aus}},
        {"3", {Rot, Rot, Rot, Aus, Aus}},
        {"2", {Rot, Rot, Rot, Rot, Aus}},
        {"1", {Rot, Rot, Rot, Rot, Rot}},
    };
    for (const auto& [ziffer, lampen] : sekunden) {
        b.countdown(9);
        EXPECT_NE(ansicht().countdown.text, ziffer) << "changes only on the tenth tick";
        b.countdown(1);
        EXPECT_EQ(ansicht().countdown.text, ziffer);
        EXPECT_EQ(b.lampen(), lampen);
        EXPECT_TRUE(b.port.rts.back()) << "RTS stays on during the countdown";
    }
    EXPECT_TRUE(b.klang.pieptoene.empty());

    b.countdown(10);
    EXPECT_EQ(ansicht().countdown.text, "0");
    EXPECT_EQ(b.lampen(), (L5{Gruen, Gruen, Gruen, Gruen, Gruen}));
    EXPECT_FALSE(b.port.rts.back()) << "RTS is off while the race runs";
    EXPECT_TRUE(b.stand().rennenLaeuft);
    EXPECT_FALSE(b.timer.enabled());
    EXPECT_EQ(b.stand().countdownTicks, 0);
    EXPECT_DOUBLE_EQ(b.stand().startzeit, Rennbahn::Basis / 1000.0);
    ASSERT_EQ(b.klang.pieptoene.size(), 1u) << "the start sound is a beep without sound files";
    EXPECT_EQ(b.klang.pieptoene[0], std::make_pair(500, 100));
}

TEST(Rennstart, StopImCountdownHaeltAllesAnUndDerNaechsteStartBeginntBeiFuenf) {
    Rennbahn b;
    b.bei(-5);
    b.rennen.startGedrueckt();
    b.countdown(25);
    b.rennen.startGedrueckt();

    const auto ansicht = [&b] { return b.ansicht(); };
    EXPECT_FALSE(b.timer.enabled());
    EXPECT_EQ(b.lampen(), (L5{Gelb, Gelb, Gelb, Gelb, Gelb}));
    EXPECT_EQ(ansicht().countdown.text, "3") << "keeps its last digit";
    EXPECT_EQ(ansicht().start.text, "Start");
    EXPECT_TRUE(b.stand().signaleGesperrt);
    EXPECT_TRUE(ansicht().optionen.bedienbar);
    EXPECT_TRUE(ansicht().hallOfFame.bedienbar);

    b.countdown(30); // ticks of a stopped timer change nothing
    EXPECT_EQ(ansicht().countdown.text, "3");

    b.rennen.startGedrueckt();
    EXPECT_EQ(ansicht().countdown.text, "5");
    EXPECT_EQ(b.stand().countdownTicks, 0);
    b.countdown(10);
    EXPECT_EQ(ansicht().countdown.text, "4");
}

TEST(Rennstart, StopLeertBeideTabellen) {
    Rennbahn b;
    b.starten();
    b.fahren(1, 1, {3});
    ASSERT_EQ(b.zelle(1, 1, 1).text, "4,000");
    b.rennen.startGedrueckt();
    EXPECT_EQ(b.zelle(1, 1, 1).text, "");
    EXPECT_EQ(b.ansicht().rundentabellen[1].zeilenzahl(), 12);
}

TEST(Rennstart, FliegenderStartStartetDieUhrBeimErstenSignalFuerBeideSpuren) {
    Rennbahn b;
    b.einstellen([&](Renneinstellungen& e) { e.ohneCountdown = true; });
    b.bei(-1);
    b.rennen.startGedrueckt();

    EXPECT_EQ(b.lampen(), (L5{Gruen, Gelb, Gelb, Gelb, Gruen}));
    EXPECT_FALSE(b.timer.enabled());
    EXPECT_EQ(b.ansicht().countdown.text, "0") << "no countdown, digit untouched";
    EXPECT_TRUE(b.stand().rennenLaeuft);

    b.signal(1, 10.0); // starts the race clock and lap 1 of lane 1
    EXPECT_EQ(b.lampen(), (L5{Gruen, Gruen, Gruen, Gruen, Gruen}));
    EXPECT_EQ(b.zelle(1, 1, 0).text, "");
    b.signal(2, 11.0); // lane 2's first crossing
    b.signal(1, 14.2);
    b.signal(2, 15.0);

    EXPECT_EQ(b.zelle(1, 1, 1).text, "4,200");
    EXPECT_EQ(b.zelle(2, 1, 1).text, "5,000") << "lane 2's lap 1 is timed from the same moment";
    EXPECT_TRUE(b.klang.pieptoene.empty()) << "no start sound without a countdown";
}

TEST(Rennstart, ImLeerlaufZaehltKeinSignal) {
    Rennbahn b;
    b.signal(1, 1);
    b.signal(2, 2);
    EXPECT_TRUE(b.dialoge.meldungen.empty());
    EXPECT_EQ(b.stand().spuren[1].runde, 0);
    EXPECT_EQ(b.ansicht().fahrer[1].text, "Fahrer 1");
}
