#include "Rennbahn.h"

#include <gtest/gtest.h>

TEST(Rundenereignis, JedeRundeFuelltIhreZeileUndZaehltDieRestrundenHerunter) {
    Rennbahn b;
    b.starten();
    b.fahren(1, 0.8, {2.5, 2.5});

    EXPECT_EQ(b.zelle(1, 1, 0).text, "1");
    EXPECT_EQ(b.zelle(1, 1, 1).text, "3,300") << "lap 1 is timed from the green light";
    EXPECT_EQ(b.zelle(1, 1, 2).text, "1,515");
    EXPECT_EQ(b.zelle(1, 2, 1).text, "2,500");
    EXPECT_EQ(b.zelle(1, 2, 2).text, "2,000");
    EXPECT_EQ(b.ansicht().zeit[1].text, "2,500 sec");
    EXPECT_EQ(b.ansicht().restrunden[1].text, "8");
    EXPECT_EQ(b.ansicht().restrunden[2].text, "10");
    EXPECT_EQ(b.stand().spuren[1].runde, 3);
    EXPECT_DOUBLE_EQ(b.spur(1).runden[1].zeit, 2.5);
    EXPECT_DOUBLE_EQ(b.spur(1).runden[1].geschwindigkeit, 2.0);
    EXPECT_TRUE(b.klang.pieptoene.size() == 1u) << "only the start beep; lap beeps are off";
}

TEST(Rundenereignis, BestzeitUndHoechstgeschwindigkeitAendernSichNurBeiEchterVerbesserung) {
    Rennbahn b;
    b.einstellen([&](Renneinstellungen& e) { e.schnellsterRundenBeep = true; });
    b.rennen.fahrerBenennen(2, QStringLiteral("Jürgen"));
    b.starten();
    b.signal(2, 0.5);
    EXPECT_DOUBLE_EQ(b.stand().spuren[2].bestzeit, KeineBestzeit) << "crossed, but no lap yet";
    b.signal(2, 2.5); // lap 1: 2,5 s = 2 m/s
    const std::size_t piepsNachRunde1 = b.klang.pieptoene.size();
    EXPECT_EQ(b.maxg(), "Maximalgeschwindigkeit: 2 m/s von Jürgen");
    EXPECT_EQ(b.ansicht().bestzeit[2].text, "2,500 sec");

    b.signal(2, 5.0); // lap 2 exactly as fast
    EXPECT_EQ(b.klang.pieptoene.size(), piepsNachRunde1) << "equal speed gives no beep";
    EXPECT_EQ(b.stand().spuren[2].bestrunde, 1) << "the first of equal laps stays the best";

    b.rennen.hoechstgeschwindigkeitZuruecksetzen();
    EXPECT_EQ(b.maxg(), "Maximalgeschwindigkeit:");
    b.signal(2, 8.0); // slower, but above the reset maximum
    EXPECT_EQ(b.maxg(), "Maximalgeschwindigkeit: 1,667 m/s von Jürgen");
    b.signal(1, 0.1);
    b.signal(1, 2.0); // 2,5 m/s beats it
    EXPECT_EQ(b.maxg(), "Maximalgeschwindigkeit: 2,5 m/s von Fahrer 1");
    EXPECT_EQ(b.klang.pieptoene.size(), piepsNachRunde1 + 2);
}

TEST(Rundenereignis, RundenBeepPieptBeiJederGezaehltenRundeAberNichtBeimUeberfahren) {
    Rennbahn b;
    b.einstellen([&](Renneinstellungen& e) { e.rundenBeep = true; });
    b.starten();
    const std::size_t vorher = b.klang.pieptoene.size();
    b.fahren(1, 0.2, {3, 3});
    EXPECT_EQ(b.klang.pieptoene.size(), vorher + 2);
}

TEST(Rundenereignis, CrashPauseWirdAusDerRundeHerausgenommen) {
    Rennbahn b;
    b.starten();
    b.signal(1, 1.0);
    b.bei(3.0);
    b.rennen.crashUmschalten();
    EXPECT_TRUE(b.ansicht().crash.sichtbar);
    EXPECT_TRUE(b.stand().signaleGesperrt);
    b.signal(1, 20.0); // blocked
    EXPECT_EQ(b.stand().spuren[1].runde, 1);
    b.bei(33.0);
    b.rennen.crashUmschalten();
    EXPECT_EQ(b.stand().pausenzeit, 30000);
    EXPECT_FALSE(b.ansicht().crash.sichtbar);

    b.signal(1, 36.0); // 5 s of driving, 30 s of pause
    EXPECT_EQ(b.zelle(1, 1, 1).text, "6,000") << "lap 1 runs from the green light at 0";
    b.signal(1, 41.0);
    EXPECT_EQ(b.zelle(1, 2, 1).text, "5,000");
}

TEST(Rundenereignis, FuenfSekundenRundeMitDreissigSekundenPauseZaehltFuenfSekunden) {
    Rennbahn b;
    b.starten();
    b.fahren(1, 0.5, {2});
    b.bei(4.0);
    b.rennen.crashUmschalten();
    b.bei(34.0);
    b.rennen.crashUmschalten();
    b.signal(1, 37.5);
    EXPECT_EQ(b.zelle(1, 2, 1).text, "5,000");
}

// A crash pause between Start and the green light must not shorten the race.
TEST(Rundenereignis, CrashPauseVorDemStartVerkuerztKeineRennzeit) {
    Rennbahn b;
    b.bei(-5);
    b.rennen.startGedrueckt();
    b.countdown(10);
    b.rennen.crashUmschalten(); // at -4: the countdown goes on
    b.countdown(20);
    b.rennen.crashUmschalten(); // 2 s of pause, ended at -2
    b.countdown(20);            // green at 0
    b.fahren(1, 0.5, {4});
    EXPECT_EQ(b.zelle(1, 1, 1).text, "4,500");

    // A pause still running when the light turns green: the race clock starts when the
    // pause ends.
    Rennbahn c;
    c.bei(-5);
    c.rennen.startGedrueckt();
    c.countdown(40);
    c.rennen.crashUmschalten(); // at -1
    c.countdown(10);            // green at 0, still in the pause
    c.bei(9.0);
    c.rennen.crashUmschalten(); // the race clock runs from here
    c.signal(1, 10.0);
    c.signal(1, 13.0);
    EXPECT_EQ(c.zelle(1, 1, 1).text, "4,000");
}

TEST(Rundenereignis, ZweiSignaleImSelbenTickSindKeineRunde) {
    Rennbahn b;
    b.runden(1);
    b.starten();
    b.signal(1, 0.0); // crossing the line at the green light
    b.signal(1, 0.0); // lap time 0: nothing
    EXPECT_EQ(b.stand().spuren[1].runde, 1);
    EXPECT_FALSE(b.stand().spuren[1].fertig);
    EXPECT_EQ(b.zelle(1, 1, 1).text, "");
    EXPECT_EQ(b.maxg(), "Maximalgeschwindigkeit:");

    b.signal(1, 3.0);
    EXPECT_TRUE(b.stand().spuren[1].fertig);
    EXPECT_EQ(b.zelle(1, 1, 1).text, "3,000");
    for (const Zelle& z : {b.zelle(1, 1, 2), b.zelle(1, 2, 2)})
        EXPECT_FALSE(z.text.contains("inf") || z.text.contains("nan"));
}

TEST(Rundenereignis, EineRundeZaehltMitDemErstenUeberfahrenUndBeendetDieSpur) {
    Rennbahn b;
    b.runden(1);
    b.starten();
    b.signal(2, 0.3);
    EXPECT_FALSE(b.stand().spuren[2].fertig);
    b.signal(2, 2.0);
    EXPECT_TRUE(b.stand().spuren[2].fertig);
    EXPECT_EQ(b.ansicht().fahrer[2].text, "Sieger!!!");
}

// The clock is 64 bits wide: a race across 2^31 and 2^32 ms of uptime times correctly.
TEST(Rundenereignis, RennenUeberDenUeberlaufEines32BitZaehlersHinweg) {
    for (const std::int64_t grenze : {std::int64_t{1} << 31, std::int64_t{1} << 32}) {
        Rennbahn b;
        b.rennen.startGedrueckt();
        b.uhr.stand = grenze - 7000;
        b.countdown(50); // green 2 s before the limit
        for (const std::int64_t ms : {grenze - 1500, grenze + 1500, grenze + 5500}) {
            b.uhr.stand = ms;
            b.rennen.handrunde(1);
        }
        EXPECT_EQ(b.zelle(1, 1, 1).text, "3,500");
        EXPECT_EQ(b.zelle(1, 2, 1).text, "4,000");
    }
}

// A false start is told in a note that holds nothing up. A signal that arrives while a
// message box is open is processed after it has closed, with the time it arrived at, and
// never inside the handler that opened the box.
TEST(Rundenereignis, SignaleWaehrendEinerMeldungWartenBisSieGeschlossenIst) {
    Rennbahn b;
    b.bei(-5);
    b.rennen.startGedrueckt();
    b.countdown(15);
    b.signal(2, -3.2);
    b.signal(1, -3.0);
    EXPECT_EQ(b.meldungstexte(), (QStringList{"Fehlstart von Fahrer 2", "Fehlstart von Fahrer 1"}));
    EXPECT_FALSE(b.dialoge.meldungen[0].haeltAuf);
}
