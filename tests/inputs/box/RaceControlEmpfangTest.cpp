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

    Boxbahn() { rennen.RaceControl = true; }

    std::int32_t stempel(double sekunden) { return stempelBeiTick(std::llround(sekunden * 4800)); }
    std::int32_t stempelBeiTick(std::int64_t tick) {
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(basis + tick));
    }
    void boxzeit(double sekunden) { box.zeitstempel = stempel(sekunden); }

    void starten() {
        boxzeit(-5);
        rennen.LaStart_Click();
        boxzeit(0);
        for (int i = 0; i < 50; ++i)
            rennen.Timer1_Timer();
        box.aufrufe.clear();
    }
    // One byte that completes an event the library reports.
    void ereignis(std::int32_t code, double sekunden) {
        ereignisBeiTick(code, std::llround(sekunden * 4800));
    }
    void ereignisBeiTick(std::int32_t code, std::int64_t tick) {
        box.ereignisse.push_back({code, stempelBeiTick(tick)});
        empfang.MSCommRC_OnComm(0xA5);
    }
    void durchfahrt(int spur, double sekunden) { ereignis(0x201 + spur, sekunden); }

    const std::vector<double>& rundenzeiten(int spur) { return rennen.Rundenzeiten[spur]; }
};

} // namespace

TEST(RaceControlEmpfang, RundenzeitenKommenVonDerBoxuhrAuchUeberIhrenUeberlauf) {
    Boxbahn b;
    b.rennen.Rundenzahl = 2;
    b.starten();
    b.durchfahrt(1, 1.0);
    b.durchfahrt(2, 1.5);
    b.durchfahrt(1, 6.25);
    b.durchfahrt(2, 8.0);
    b.durchfahrt(1, 11.5); // past the wrap
    b.durchfahrt(2, 14.0);
    EXPECT_EQ(b.rundenzeiten(1), (std::vector<double>{0, 6.25, 5.25}));
    EXPECT_EQ(b.rundenzeiten(2), (std::vector<double>{0, 8.0, 6.0}));
    EXPECT_EQ(b.rennen.fR.LaZeit[1].Caption, "11,500 sec");
    EXPECT_TRUE(b.rennen.Fertig[1] && b.rennen.Fertig[2]);
    EXPECT_EQ(b.box.aufrufe.count("InitBoxes"), 1) << "the race end resets the box";
}

TEST(RaceControlEmpfang, JedesBereiteEreignisWirdEinmalGeholtAndereCodesZaehlenNicht) {
    Boxbahn b;
    b.starten();
    b.empfang.MSCommRC_OnComm(0x01);
    EXPECT_EQ(b.box.aufrufe, QStringList{"RX_data"}) << "nothing ready, nothing fetched";
    b.box.aufrufe.clear();
    b.durchfahrt(1, 1.0);
    EXPECT_EQ(b.box.aufrufe, (QStringList{"RX_data", "Get_Event"}));
    for (std::int32_t code : {0x201, 0x204, 0x4FF, 0x600, 0})
        b.ereignis(code, 2.0);
    EXPECT_EQ(b.rennen.Runde[1], 1);
    EXPECT_EQ(b.rennen.Runde[2], 0);
    EXPECT_TRUE(b.dialoge.meldungen.empty());
}

TEST(RaceControlEmpfang, PrellzeitGenauAbgelaufenZaehltEinTickDavorNicht) {
    // 0.3 s is no binary fraction: the time exactly 0.3 s later must not round out. Box
    // times near zero, where the sum rounds off most.
    Boxbahn b;
    b.basis = 5 * 4800;
    b.rennen.Prellzeit = 0.3;
    b.rennen.Rundenzahl = 1000;
    b.starten();
    const std::int64_t prellzeit = 1440;
    for (std::int64_t tick = 2400; tick < 2400 + 500 * prellzeit; tick += prellzeit) {
        b.ereignisBeiTick(0x202, tick);
        b.ereignisBeiTick(0x202, tick + prellzeit - 1);
    }
    EXPECT_EQ(b.rennen.Runde[1], 500) << "every exact one counted, every early one dropped";

    b.durchfahrt(2, 5.0);
    b.durchfahrt(2, 5.2);
    b.durchfahrt(2, 5.3); // the window counts from the last accepted signal, not the bounce
    EXPECT_EQ(b.rennen.Runde[2], 2);
}

TEST(RaceControlEmpfang, GesperrteBytesErreichenDieBibliothekNie) {
    Boxbahn b;
    b.box.ereignisse.push_back({0x202, b.stempel(1)});
    b.empfang.MSCommRC_OnComm(0xA5); // idle after start-up
    b.starten();
    b.rennen.LaStart_Click(); // Stop
    b.empfang.MSCommRC_OnComm(0xA5);
    EXPECT_TRUE(b.box.empfangen.empty());
    EXPECT_TRUE(b.box.aufrufe.isEmpty()) << "no RX_data while blocked";
}

TEST(RaceControlEmpfang, CrashpauseVerschluecktDurchfahrtenUndKuerztDieZeitenDanach) {
    Boxbahn b;
    b.starten();
    b.durchfahrt(1, 1.0);
    b.boxzeit(3.0);
    b.rennen.CrashUmschalten();
    const std::size_t vorher = b.box.empfangen.size();
    b.durchfahrt(1, 10.0);
    b.durchfahrt(2, 12.0);
    EXPECT_EQ(b.box.empfangen.size(), vorher) << "bytes dropped before the library";
    b.boxzeit(33.0);
    b.rennen.CrashUmschalten();
    b.box.ereignisse.clear(); // what the library had ready is gone with the dropped bytes
    b.durchfahrt(1, 36.0);
    EXPECT_EQ(b.rundenzeiten(1), (std::vector<double>{0, 6.0}));
    EXPECT_EQ(b.rennen.Runde[2], 0);
}

TEST(RaceControlEmpfang, BoxfehlerWirdGemeldetUndDasRennenLaeuftWeiter) {
    Boxbahn b;
    b.starten();
    b.durchfahrt(1, 1.0);
    // While the message is open the box goes on sending: another error, a passage.
    b.dialoge.beimNaechstenModal = [&] {
        b.ereignis(0x5FF, 2.5);
        b.durchfahrt(2, 3.0);
    };
    b.ereignis(0x500, 2.0);
    ASSERT_EQ(b.dialoge.meldungen.size(), 1u) << "no message stacked on the open one";
    EXPECT_EQ(b.dialoge.meldungen[0].text, Boxfehler);
    EXPECT_EQ(b.dialoge.meldungen[0].titel, "Rundomat");
    EXPECT_EQ(b.rennen.Runde[2], 1);
    b.durchfahrt(1, 7.0);
    EXPECT_EQ(b.rundenzeiten(1), (std::vector<double>{0, 7.0}));
    b.ereignis(0x501, 8.0);
    EXPECT_EQ(b.dialoge.meldungen.size(), 2u) << "a later error is told again";
    EXPECT_EQ(b.rennen.fR.LaStart.Caption, "Stop");
}
