#include "RaceControlEmpfang.h"

#include "Rennbahn.h"

#include <gtest/gtest.h>

namespace {

const QString Boxfehler = QStringLiteral(
    "Fehler von der Racebox oder die Verbindung wurde getrennt. Bitte Programm neu starten");

// A race in box mode with a scripted box library. Box time is given in seconds after the
// race clock's start; unless said otherwise the 32-bit box clock wraps ten seconds into
// the race.
struct Boxbahn : Rennbahn {
    std::int64_t basis = 0x7FFFFFFF - 10 * 4800;

    RaceControlEmpfang empfang{rennen, box, boxuhr, dialoge};

    Boxbahn() {
        einstellen([](Renneinstellungen& e) { e.raceControl = true; });
    }

    std::int32_t stempel(double sekunden) { return stempelBeiTick(std::llround(sekunden * 4800)); }
    std::int32_t stempelBeiTick(std::int64_t tick) {
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(basis + tick));
    }
    void boxzeit(double sekunden) { box.zeitstempel = stempel(sekunden); }

    void starten() {
        boxzeit(-5);
        rennen.startGedrueckt();
        boxzeit(0);
        for (int i = 0; i < 50; ++i)
            rennen.countdownTick();
        box.aufrufe.clear();
    }
    // One byte that completes an event the library reports; the box clock as heard is
    // the event's time.
    void ereignis(std::int32_t code, double sekunden) {
        ereignisBeiTick(code, std::llround(sekunden * 4800));
    }
    void ereignisBeiTick(std::int32_t code, std::int64_t tick) {
        box.zeitstempel = stempelBeiTick(tick);
        box.ereignisse.push_back({code, stempelBeiTick(tick)});
        empfang.byteEmpfangen(0xA5);
    }
    void durchfahrt(int spur, double sekunden) { ereignis(0x201 + spur, sekunden); }
};

} // namespace

TEST(RaceControlEmpfang, RundenzeitenKommenVonDerBoxuhrAuchUeberIhrenUeberlauf) {
    Boxbahn b;
    b.runden(2);
    b.starten();
    b.durchfahrt(1, 1.0);
    b.durchfahrt(2, 1.5);
    b.durchfahrt(1, 6.25);
    b.durchfahrt(2, 8.0);
    b.durchfahrt(1, 11.5); // past the wrap
    b.durchfahrt(2, 14.0);
    EXPECT_EQ(b.rundenzeiten(1), (std::vector<double>{0, 6.25, 5.25}));
    EXPECT_EQ(b.rundenzeiten(2), (std::vector<double>{0, 8.0, 6.0}));
    EXPECT_EQ(b.ansicht().zeit[1].text, "11,500 sec");
    EXPECT_TRUE(b.stand().spuren[1].fertig && b.stand().spuren[2].fertig);
    EXPECT_EQ(b.box.aufrufe.count("InitBoxes"), 1) << "the race end resets the box";
}

TEST(RaceControlEmpfang, JedesBereiteEreignisWirdEinmalGeholtAndereCodesZaehlenNicht) {
    Boxbahn b;
    b.starten();
    b.empfang.byteEmpfangen(0x01);
    EXPECT_EQ(b.box.aufrufe, QStringList{"RX_data"}) << "nothing ready, nothing fetched";
    b.box.aufrufe.clear();
    b.durchfahrt(1, 1.0);
    EXPECT_EQ(b.box.aufrufe, (QStringList{"RX_data", "Get_Event"}));
    for (std::int32_t code : {0x201, 0x204, 0x4FF, 0x600, 0})
        b.ereignis(code, 2.0);
    EXPECT_EQ(b.stand().spuren[1].runde, 1);
    EXPECT_EQ(b.stand().spuren[2].runde, 0);
    EXPECT_TRUE(b.dialoge.meldungen.empty());
}

TEST(RaceControlEmpfang, PrellzeitGenauAbgelaufenZaehltEinTickDavorNicht) {
    // 0.3 s is no binary fraction: the time exactly 0.3 s later must not round out. Box
    // times near zero, where the sum rounds off most.
    Boxbahn b;
    b.basis = 5 * 4800;
    b.einstellen([&](Renneinstellungen& e) { e.prellzeit = 0.3; });
    b.runden(1000);
    b.starten();
    const std::int64_t prellzeit = 1440;
    for (std::int64_t tick = 2400; tick < 2400 + 500 * prellzeit; tick += prellzeit) {
        b.ereignisBeiTick(0x202, tick);
        b.ereignisBeiTick(0x202, tick + prellzeit - 1);
    }
    EXPECT_EQ(b.stand().spuren[1].runde, 500) << "every exact one counted, every early one dropped";

    b.durchfahrt(2, 5.0);
    b.durchfahrt(2, 5.2);
    b.durchfahrt(2, 5.3); // the window counts from the last accepted signal, not the bounce
    EXPECT_EQ(b.stand().spuren[2].runde, 2);
}

TEST(RaceControlEmpfang, GesperrteBytesErreichenDieBibliothekNie) {
    Boxbahn b;
    b.box.ereignisse.push_back({0x202, b.stempel(1)});
    b.empfang.byteEmpfangen(0xA5); // idle after start-up
    b.starten();
    b.rennen.startGedrueckt(); // Stop
    b.empfang.byteEmpfangen(0xA5);
    EXPECT_TRUE(b.box.empfangen.empty());
    EXPECT_TRUE(b.box.aufrufe.isEmpty()) << "no RX_data while blocked";
}

TEST(RaceControlEmpfang, CrashpauseVerschluecktDurchfahrtenUndKuerztDieZeitenDanach) {
    Boxbahn b;
    b.starten();
    b.durchfahrt(1, 1.0);
    b.boxzeit(3.0);
    b.rennen.crashUmschalten();
    const std::size_t vorher = b.box.empfangen.size();
    b.durchfahrt(1, 10.0);
    b.durchfahrt(2, 12.0);
    EXPECT_EQ(b.box.empfangen.size(), vorher) << "bytes dropped before the library";
    b.boxzeit(33.0);
    b.rennen.crashUmschalten();
    b.box.ereignisse.clear(); // what the library had ready is gone with the dropped bytes
    b.durchfahrt(1, 36.0);
    EXPECT_EQ(b.rundenzeiten(1), (std::vector<double>{0, 6.0}));
    EXPECT_EQ(b.stand().spuren[2].runde, 0);
}

TEST(RaceControlEmpfang, BoxfehlerIstEinHinweisUndDasRennenLaeuftWeiter) {
    Boxbahn b;
    b.starten();
    b.durchfahrt(1, 1.0);
    b.ereignis(0x500, 2.0);
    b.durchfahrt(2, 3.0);
    ASSERT_EQ(b.dialoge.meldungen.size(), 1u);
    EXPECT_EQ(b.dialoge.meldungen[0].text, Boxfehler);
    EXPECT_EQ(b.dialoge.meldungen[0].titel, "Rundomat");
    EXPECT_FALSE(b.dialoge.meldungen[0].haeltAuf) << "the byte loop never waits for a message";
    EXPECT_EQ(b.stand().spuren[2].runde, 1);
    b.durchfahrt(1, 7.0);
    EXPECT_EQ(b.rundenzeiten(1), (std::vector<double>{0, 7.0}));
    EXPECT_EQ(b.ansicht().start.text, "Stop");
}

// CRC-good frames with random clocks: a passage stamped far from the box clock as heard is
// a box fault, told once a race; it counts no lap, and the race goes on.
TEST(RaceControlEmpfang, DurchfahrtWeitNebenDerBoxuhrIstEinBoxfehler) {
    Boxbahn b;
    b.runden(20);
    b.starten();
    const auto gestempelt = [&](std::int32_t code, double sekunden, double boxuhr) {
        b.boxzeit(boxuhr);
        b.box.ereignisse.push_back({code, b.stempel(sekunden)});
        b.empfang.byteEmpfangen(0xA5);
    };
    b.durchfahrt(1, 1.0);
    for (const double sekunden : {2.0 + 86400, 2.0 - 5.1, 2.0 + 5.1, 2.0 + 2147483647.0 / 4800})
        gestempelt(0x202, sekunden, 2.0);
    b.durchfahrt(1, 6.0);
    gestempelt(0x202, 10.9, 15.8); // as far as a passage may lie from the clock heard
    EXPECT_EQ(b.rundenzeiten(1), (std::vector<double>{0, 6.0, 4.9}));
    ASSERT_EQ(b.dialoge.meldungen.size(), 1u);
    EXPECT_EQ(b.dialoge.meldungen[0].text,
              "Die Zeitnahmebox hat eine Durchfahrt auf Spur 1 gemeldet, deren Zeit 86400 "
              "Sekunden neben der Uhr der Box liegt. Die Box oder ihre Leitung ist gestört; "
              "solche Durchfahrten werden in diesem Rennen nicht gezählt, das Rennen läuft "
              "weiter.");
    EXPECT_FALSE(b.dialoge.meldungen[0].haeltAuf);

    b.rennen.startGedrueckt(); // Stop
    b.starten();
    gestempelt(0x203, -3600, 0);
    EXPECT_EQ(b.dialoge.meldungen.size(), 2u) << "told again in the next race";
    EXPECT_EQ(b.stand().spuren[2].runde, 0);
}

// A box that says nothing: a second after Start the start is called off, the light back as
// it was. A box that falls silent in the race shows in the status bar, while laps by hand
// go on on the box clock the library runs on.
TEST(RaceControlEmpfang, StummeBoxBrichtDenStartAbUndZeigtSichImRennen) {
    Boxbahn b;
    b.rennen.portGeoeffnet("1");
    const auto port = [&b] { return b.ansicht().statusleiste.feld("port").text; };
    const auto zehntel = [&](int anzahl) {
        for (int i = 0; i < anzahl; ++i) {
            b.uhr.stand += 100;
            if (b.boxwacht.enabled())
                b.rennen.boxwachtTick();
            if (b.timer.enabled())
                b.rennen.countdownTick();
        }
    };
    const auto ampel = b.ansicht().ampel;
    b.rennen.startGedrueckt();
    zehntel(9);
    EXPECT_EQ(b.ansicht().start.text, "Stop");
    zehntel(1);
    EXPECT_EQ(b.ansicht().start.text, "Start");
    EXPECT_TRUE(b.stand().signaleGesperrt);
    EXPECT_EQ(b.ansicht().ampel, ampel);
    EXPECT_FALSE(b.timer.enabled());
    EXPECT_EQ(b.box.aufrufe.last(), "InitBoxes") << "the box is disarmed";
    ASSERT_EQ(b.dialoge.meldungen.size(), 1u);
    EXPECT_EQ(b.dialoge.meldungen[0].text,
              "Die Zeitnahmebox sendet keine Zeit. Der Start wurde abgebrochen. Bitte prüfen, ob "
              "die Box eingeschaltet und an der Schnittstelle angeschlossen ist (Com Port: 1), "
              "dann neu starten.");
    EXPECT_FALSE(b.dialoge.meldungen[0].haeltAuf);

    // Flying start: the box answers with the first car, then falls silent.
    b.einstellen([&](Renneinstellungen& e) { e.ohneCountdown = true; });
    b.rennen.startGedrueckt();
    zehntel(5);
    b.durchfahrt(1, 0.0);
    b.durchfahrt(1, 4.0);
    zehntel(10);
    EXPECT_EQ(port(), "Com Port: 1");
    zehntel(1);
    EXPECT_EQ(port(), "Box stumm – Com Port: 1");
    b.boxzeit(7.5);
    b.rennen.handrunde(1);
    EXPECT_EQ(b.rundenzeiten(1), (std::vector<double>{0, 4.0, 3.5}));
    b.durchfahrt(2, 8.0);
    zehntel(1);
    EXPECT_EQ(port(), "Com Port: 1");
    EXPECT_EQ(b.dialoge.meldungen.size(), 1u);
    EXPECT_EQ(b.ansicht().start.text, "Stop");
}
