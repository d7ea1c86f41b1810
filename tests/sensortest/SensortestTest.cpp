// The sensor test through the real sensor port and its watcher thread, fed by a fake line
// source: what it shows of each lane and what it says about the debounce time.
#include "Sensortest.h"

#include "FakeLeitungen.h"
#include "Rennbahn.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Testbahn : Rennbahn {
    AtomareUhr leitungsuhr;
    std::vector<bool> rts;
    std::vector<Weckruf> skript;
    Sensorport sensoranschluss{leitungsuhr, [this](const QString&) -> std::unique_ptr<Sensorgeraet> {
                           return std::make_unique<FakeSensorgeraet>(
                               leitungsuhr, Lesung{::stand(false, false, 0, 0)}, skript, rts);
                       }};
    FakePort steuerung;
    Sensortest test{rennen, sensoranschluss, leitungsuhr, steuerung, dialoge};
    int ereignisse = 0;

    Testbahn() {
        sensoranschluss.beiLeitungsereignis([this](const Leitungsereignis& e) {
            ++ereignisse;
            test.leitungGeaendert(e);
        });
    }
    // Plays the script: each wake-up a reading of (CD level, DSR level, CD count, DSR count).
    void fahren(int erwarteteFlanken) {
        ASSERT_TRUE(sensoranschluss.oeffnen(QStringLiteral("/dev/ttyS0")));
        ASSERT_TRUE(QTest::qWaitFor([&] { return ereignisse == erwarteteFlanken; }));
        sensoranschluss.schliessen();
    }
};

// Lane 1: a contact that bounces (edges 2 ms apart, the last 30 ms after the first) at
// 10.000 s and 13.500 s; lane 2: a light barrier, dark for 20 ms, at 11.000 s and 16.000 s.
std::vector<Weckruf> zweiRunden() {
    return {
        {Antwort::Ok, 10'000, {stand(true, false, 1, 0)}},
        {Antwort::Ok, 10'002, {stand(false, false, 2, 0)}},
        {Antwort::Ok, 10'030, {stand(true, false, 3, 0)}},
        {Antwort::Ok, 11'000, {stand(true, true, 3, 1)}},
        {Antwort::Ok, 11'020, {stand(true, false, 3, 2)}},
        {Antwort::Ok, 13'500, {stand(false, false, 4, 2)}},
        {Antwort::Ok, 13'502, {stand(true, false, 5, 2)}},
        {Antwort::Ok, 16'000, {stand(true, true, 5, 3)}},
        {Antwort::Ok, 16'020, {stand(true, false, 5, 4)}},
    };
}

} // namespace

TEST(Sensortest, ZeigtJedeSpurUndUrteiltMitDenZahlen) {
    Testbahn b;
    b.skript = zweiRunden();
    b.einstellen([&](Renneinstellungen& e) { e.prellzeit = 2; });
    b.fahren(9);
    b.leitungsuhr.stand = 17'000;
    b.test.taktSchlag();

    const SpurAnsicht& s1 = b.test.ansicht.spur[1];
    EXPECT_EQ(s1.LaFlanken, QStringLiteral("5"));
    EXPECT_EQ(s1.LaPrellen, QStringLiteral("2 ms"));
    EXPECT_EQ(s1.LaRunde, QStringLiteral("3,500 s"));
    EXPECT_EQ(s1.LaSeit, QStringLiteral("3,5 s"));
    const SpurAnsicht& s2 = b.test.ansicht.spur[2];
    EXPECT_EQ(s2.LaFlanken, QStringLiteral("4"));
    EXPECT_EQ(s2.LaPrellen, QStringLiteral("20 ms"));
    EXPECT_EQ(s2.LaRunde, QStringLiteral("5,000 s")) << "timed from the drops, as a race does";
    EXPECT_FALSE(s1.ImLampe) << "no port open, no level";

    EXPECT_EQ(b.test.ansicht.urteil, Urteilsart::Sicher);
    EXPECT_EQ(b.test.ansicht.LaUrteil,
              QStringLiteral("Die Prellzeit von 2 s ist sicher: länger als jedes Prellen "
                             "(höchstens 0,030 s auf Spur 1) und kürzer als die kürzeste Runde "
                             "(3,500 s auf Spur 1)."));

    b.einstellen([&](Renneinstellungen& e) { e.prellzeit = 4; });
    b.test.taktSchlag();
    EXPECT_EQ(b.test.ansicht.urteil, Urteilsart::Unsicher);
    EXPECT_EQ(b.test.ansicht.LaUrteil,
              QStringLiteral("Die Prellzeit von 4 s ist zu lang: die kürzeste Runde dauerte "
                             "3,500 s auf Spur 1, so schnelle Runden würden nicht gezählt."));
    // A bounce exactly as long counts again.
    b.einstellen([&](Renneinstellungen& e) { e.prellzeit = 0.03; });
    b.test.taktSchlag();
    EXPECT_TRUE(b.test.ansicht.LaUrteil.startsWith(
        QStringLiteral("Die Prellzeit von 0,03 s ist zu kurz: ein Sensor prellte 0,030 s lang "
                       "auf Spur 1")));
}

TEST(Sensortest, OhneOffenenPortSagtEsDasUndBietetComAendernAn) {
    Testbahn b;
    EXPECT_TRUE(b.test.ansicht.BuComVisible);
    EXPECT_TRUE(b.test.ansicht.LaPort.startsWith(QStringLiteral("Keine Schnittstelle geöffnet")));
    EXPECT_EQ(b.test.ansicht.urteil, Urteilsart::Offen);

    b.dialoge.eingabeAntworten.push_back(QStringLiteral("3"));
    b.test.portWechseln();
    EXPECT_EQ(b.steuerung.aufrufe, (QStringList{QStringLiteral("schliessen"),
                                                QStringLiteral("SchnittstelleOeffnen 3")}));

    b.rennen.portGeoeffnet(QStringLiteral("3"));
    b.rennen.platineErkannt();
    b.test.taktSchlag();
    EXPECT_TRUE(b.test.ansicht.LaPort.startsWith(
        QStringLiteral("Die Sensoren hängen an einer Platine (Platine: 3).")))
        << "a board is no port without sensors";

    b.einstellen([&](Renneinstellungen& e) { e.raceControl = true; });
    b.test.taktSchlag();
    EXPECT_FALSE(b.test.ansicht.BuComVisible);
    EXPECT_TRUE(b.test.ansicht.LaPort.contains(QStringLiteral("Racecontrol")));
}

TEST(Sensortest, DieLampeZeigtDenPegelDesOffenenPorts) {
    Testbahn b;
    ASSERT_TRUE(b.sensoranschluss.oeffnen(QStringLiteral("/dev/ttyS0")));
    b.test.taktSchlag();
    EXPECT_EQ(b.test.ansicht.spur[1].ImLampe, std::optional(false));
    EXPECT_EQ(b.test.ansicht.spur[2].LaSeit, QStringLiteral("–"));
    EXPECT_TRUE(
        b.test.ansicht.LaPort.endsWith(QStringLiteral("Autos über die Sensoren fahren lassen.")));
}
