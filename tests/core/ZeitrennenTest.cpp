#include "Zeitbahn.h"

#include <gtest/gtest.h>

// The usual club rule: at zero each car's next crossing is its last; the greater distance
// wins even when it comes home second.
TEST(Zeitrennen, RundeBeendenWartetAufJedenWagenUndDieDistanzEntscheidet) {
    Zeitbahn b(Zielregel::RundeBeenden);
    b.starten();
    EXPECT_EQ(b.stand().restzeit, 20);
    b.plan(1, 0.5, 3, 19); // laps at 3.5 .. 18.5: six
    b.plan(2, 0.6, 4, 19); // 4.6 .. 16.6: four
    b.fahren(10.2);
    EXPECT_EQ(b.stand().restzeit, 10);
    b.fahren(19.99);
    EXPECT_EQ(b.stand().restzeit, 1);
    EXPECT_FALSE(b.stand().zeitUm);

    b.bis(20.0);
    EXPECT_TRUE(b.stand().zeitUm);
    EXPECT_EQ(b.stand().restzeit, 0);
    EXPECT_TRUE(b.stand().gestartet) << "the cars are still on their last lap";

    b.durch(2, 20.6); // lane 2 is home first, with five laps
    EXPECT_TRUE(b.spur(2).fertig);
    EXPECT_FALSE(b.stand().rennsieger) << "no winner before every car is home";
    b.durch(1, 21.5); // seven laps
    EXPECT_FALSE(b.stand().gestartet);
    EXPECT_EQ(b.distanz(1), 7);
    EXPECT_EQ(b.distanz(2), 5);
    EXPECT_EQ(b.stand().rennsieger, 1);
    EXPECT_EQ(b.ansicht().fahrer[1].text, "Sieger!!!");
    EXPECT_EQ(b.ansicht().fahrer[2].text, "Verlierer");
    EXPECT_DOUBLE_EQ(b.spur(1).schnitt, 7 * 5 / 21.5) << "distance times length over time";
    EXPECT_EQ(b.spur(1).runden.size(), 7u) << "the lap count of the settings plays no part";
    EXPECT_EQ(b.rekorde.aufrufe, QStringList{"HofPruefen"});
}

// Sofort: the race ends at zero by the race clock; laps in progress count by their
// fraction; a crossing stamped after zero but handled before the alarm counts for
// nothing; a car that never crossed has 0 and is last.
TEST(Zeitrennen, SofortEndetBeiNullMitDemAnteilDerLaufendenRunde) {
    Zeitbahn b(Zielregel::Sofort);
    b.starten();
    b.plan(1, 0.5, 3, 19);
    b.fahren(19.995);
    b.uhr.stand = Rennbahn::Basis + 20'100;
    b.rennen.handrunde(1); // before the alarm rang
    EXPECT_FALSE(b.stand().gestartet);
    EXPECT_EQ(b.spur(1).runden.size(), 6u);
    EXPECT_DOUBLE_EQ(b.distanz(1), 6 + 1.5 / (18.5 / 6));
    EXPECT_EQ(b.distanz(2), 0);
    EXPECT_EQ(b.spur(2).schnitt, 0);
    EXPECT_EQ(b.spur(1).zielzeit, 20.0);
    EXPECT_EQ(b.stand().rennsieger, 1);
    EXPECT_EQ(b.stand().zieleinlauf, (std::vector<int>{1, 2}));

    // By the alarm alone, to the millisecond.
    Zeitbahn c(Zielregel::Sofort, 10);
    c.starten();
    c.bis(9.999);
    EXPECT_TRUE(c.stand().gestartet);
    c.bis(10.0);
    EXPECT_FALSE(c.stand().gestartet);
    EXPECT_EQ(c.ansicht().fahrer[1].text, "Unentschieden") << "neither car moved";
}

// FuehrenderBeendet: a crossing behind the leader after zero is a lap like any other;
// once the leader is home every car's next crossing is its last.
TEST(Zeitrennen, FuehrenderBeendetWartetAufDenFuehrenden) {
    Zeitbahn b(Zielregel::FuehrenderBeendet);
    b.starten();
    b.plan(1, 0.1, 2, 19); // laps at 2.1 .. 18.1: nine
    b.plan(2, 0.2, 3, 19); // 3.2 .. 18.2: six
    b.fahren(19);
    b.durch(2, 20.5); // seven laps, still behind
    EXPECT_FALSE(b.spur(2).fertig);
    b.durch(1, 21.0); // ten laps: the leader is home
    EXPECT_TRUE(b.spur(1).fertig);
    b.durch(2, 23.5);
    EXPECT_FALSE(b.stand().gestartet);
    EXPECT_EQ(b.distanz(1), 10);
    EXPECT_EQ(b.distanz(2), 8);
    EXPECT_EQ(b.stand().rennsieger, 1);
}

// A crash pause stops the race clock: the time left stands, the end comes later by the
// pause.
TEST(Zeitrennen, CrashpauseHaeltDieRennuhrAn) {
    Zeitbahn b(Zielregel::Sofort);
    b.starten();
    b.bis(5.5);
    b.rennen.crashUmschalten();
    EXPECT_FALSE(b.wecker.faellig);
    b.bis(15.5);
    EXPECT_EQ(b.stand().restzeit, 15);
    b.rennen.crashUmschalten();
    b.bis(29.99);
    EXPECT_TRUE(b.stand().gestartet);
    b.bis(30.0);
    EXPECT_FALSE(b.stand().gestartet);
}

// The race clock is the clock of the laps: on a sensor board's clock the system timer
// only wakes the race, the board's time decides.
TEST(Zeitrennen, DieRennuhrIstDieUhrDerRunden) {
    Zeitbahn b(Zielregel::Sofort);
    b.rennen.sensoruhrWechseln(Sensoruhr::Platine);
    b.platinentakt.stand = 5'000'000;
    b.starten();
    b.bis(25); // the system clock runs ahead
    b.platinentakt.stand += 19'900'000;
    b.rennen.rennzeitTick();
    EXPECT_TRUE(b.stand().gestartet);
    EXPECT_EQ(b.stand().restzeit, 1);
    b.platinentakt.stand += 100'000;
    b.rennen.rennzeitTick();
    EXPECT_FALSE(b.stand().gestartet);
}

// Stop after zero ends the race with what each lane has driven, so a car that is off the
// track does not hold it up; it has distance 0 and is last, never a division by zero.
TEST(Zeitrennen, StopNachNullWertetEinenWagenDerNieDurchfaehrtAlsLetzten) {
    Zeitbahn b(Zielregel::RundeBeenden);
    b.starten();
    b.plan(1, 0.5, 4, 21);
    b.fahren(21);
    ASSERT_TRUE(b.spur(1).fertig);
    b.bis(40);
    b.rennen.startGedrueckt();
    EXPECT_FALSE(b.stand().gestartet);
    EXPECT_EQ(b.distanz(2), 0);
    EXPECT_EQ(b.spur(2).schnitt, 0);
    EXPECT_EQ(b.stand().rennsieger, 1);
    EXPECT_EQ(b.spur(1).runden.size(), 5u) << "the laps stay for the result";

    // Stop before zero calls the race off, as by laps.
    Zeitbahn c(Zielregel::RundeBeenden);
    c.starten();
    c.bis(5);
    c.rennen.startGedrueckt();
    EXPECT_FALSE(c.stand().rennsieger);
    EXPECT_TRUE(c.rekorde.aufrufe.isEmpty());
}

// By time the lap table (and the result file built from it) has a row for every lap driven,
// however many, and the summary row below them: race time and average speed.
TEST(Zeitrennen, RundentabelleWaechstMitDenRunden) {
    Zeitbahn b(Zielregel::RundeBeenden);
    b.starten();
    b.plan(1, 0.5, 1, 20.5); // twenty laps
    b.plan(2, 0.7, 10, 21);  // two laps
    b.fahren(21);
    ASSERT_FALSE(b.stand().gestartet);
    EXPECT_EQ(b.ansicht().rundentabellen[1].zeilenzahl(), 22);
    EXPECT_EQ(b.zelle(1, 20, 1).text, "1,000");
    EXPECT_EQ(b.zelle(1, 21, 0).text, "->");
    EXPECT_EQ(b.zelle(1, 21, 1).text, "20,500");
    EXPECT_EQ(b.zelle(1, 21, 2).text, "4,878"); // 20 laps of 5 m in 20.5 s
    EXPECT_EQ(b.zelle(2, 3, 0).text, "->");
    EXPECT_EQ(b.ansicht().restrunden[1].text, "20") << "the counters show the laps driven";
    EXPECT_EQ(b.ansicht().countdown.text, "0:00");
}
