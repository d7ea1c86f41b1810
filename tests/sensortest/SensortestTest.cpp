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
    Leitungsstand ersterStand = ::stand(false, false, 0, 0);
    Sensorport sensoranschluss{leitungsuhr,
                               [this](const QString&) -> std::unique_ptr<Sensorgeraet> {
                                   return std::make_unique<FakeSensorgeraet>(
                                       leitungsuhr, Lesung{ersterStand}, skript, rts);
                               }};
    FakePort steuerung;
    Sensorport zweiterSensorport{leitungsuhr,
                                 [this](const QString&) -> std::unique_ptr<Sensorgeraet> {
                                     return std::make_unique<FakeSensorgeraet>(
                                         leitungsuhr, Lesung{zweiterStand}, zweitesSkript, rts);
                                 }};
    Leitungsstand zweiterStand = ::stand(false, false, 0, 0);
    std::vector<Weckruf> zweitesSkript;
    Sensortest test{rennen, sensoranschluss, &zweiterSensorport, leitungsuhr, steuerung, dialoge};
    int ereignisse = 0;

    Testbahn() {
        sensoranschluss.beiLeitungsereignis([this](const Leitungsereignis& e) {
            ++ereignisse;
            test.leitungGeaendert(1, e);
        });
        zweiterSensorport.beiLeitungsereignis([this](const Leitungsereignis& e) {
            ++ereignisse;
            test.leitungGeaendert(2, e);
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
    b.rennen.platineErkannt(false);
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

// A six-lane track: lanes 1 to 4 on the first port's four lines, 5 and 6 on the second's; a
// line of a lane the track does not have is no sensor, on two lanes CTS none either.
TEST(Sensortest, ZeigtUndZaehltJedeSpurDerBahnAufBeidenPorts) {
    Testbahn b;
    const auto flanke = [&](int port, Leitung leitung, bool pegel, std::int64_t zeit) {
        b.test.leitungGeaendert(port, {leitung, pegel, zeit});
    };
    flanke(1, Leitung::CTS, false, 9'000);
    b.test.taktSchlag();
    ASSERT_EQ(b.test.ansicht.spur.anzahl(), 2);
    EXPECT_EQ(b.test.ansicht.spur[1].LaSpur, QStringLiteral("Spur 1 (CD)"));
    EXPECT_EQ(b.test.ansicht.spur[2].LaSpur, QStringLiteral("Spur 2 (DSR)"));
    EXPECT_EQ(b.test.ansicht.spur[2].LaFlanken, QStringLiteral("0"));

    b.einstellen([&](Renneinstellungen& e) {
        e.spuranzahl = 6;
        e.prellzeit = 3;
    });
    // Lane 4 on RI laps in 4 s; lane 6 on the second port's DSR in 2.5 s, timed from the
    // drops; the second port's CTS would be lane 7.
    flanke(1, Leitung::RI, false, 10'000);
    flanke(1, Leitung::RI, true, 10'020);
    flanke(2, Leitung::DSR, false, 11'000);
    flanke(2, Leitung::DSR, true, 11'030);
    flanke(2, Leitung::CTS, false, 12'000);
    flanke(2, Leitung::DSR, false, 13'500);
    flanke(1, Leitung::RI, false, 14'000);
    b.test.taktSchlag();

    const SensortestAnsicht& a = b.test.ansicht;
    ASSERT_EQ(a.spur.anzahl(), 6);
    EXPECT_EQ(a.spur[4].LaSpur, QStringLiteral("Spur 4 (RI)"));
    EXPECT_EQ(a.spur[6].LaSpur, QStringLiteral("Spur 6 (Port 2 DSR)"));
    EXPECT_EQ(a.spur[4].LaRunde, QStringLiteral("4,000 s"));
    EXPECT_EQ(a.spur[6].LaFlanken, QStringLiteral("3"));
    EXPECT_EQ(a.spur[6].LaRunde, QStringLiteral("2,500 s"));
    EXPECT_EQ(a.spur[5].LaFlanken, QStringLiteral("0"));
    EXPECT_EQ(a.LaUrteil, QStringLiteral("Die Prellzeit von 3 s ist zu lang: die kürzeste Runde "
                                         "dauerte 2,500 s auf Spur 6, so schnelle Runden würden "
                                         "nicht gezählt."));

    // The lamps show each port's lines; lanes 5 and 6 wait for their port.
    b.ersterStand.pegel = {false, false, false, true};
    ASSERT_TRUE(b.sensoranschluss.oeffnen(QStringLiteral("/dev/ttyS0")));
    b.rennen.portGeoeffnet(QStringLiteral("/dev/ttyS0"));
    b.test.taktSchlag();
    EXPECT_EQ(a.spur[4].ImLampe, std::optional(true));
    EXPECT_EQ(a.spur[3].ImLampe, std::optional(false));
    EXPECT_EQ(a.spur[6].ImLampe, std::nullopt);
    EXPECT_TRUE(a.LaPort.endsWith(
        QStringLiteral("Für Spuren 5 bis 6 ist keine zweite Schnittstelle geöffnet.")));
    b.zweiterStand.pegel = {false, true, false, false};
    ASSERT_TRUE(b.zweiterSensorport.oeffnen(QStringLiteral("/dev/ttyS1")));
    b.test.taktSchlag();
    EXPECT_EQ(a.spur[6].ImLampe, std::optional(true));
    EXPECT_EQ(a.spur[5].ImLampe, std::optional(false));
    EXPECT_TRUE(a.LaPort.endsWith(QStringLiteral("Autos über die Sensoren fahren lassen.")));
    b.sensoranschluss.schliessen();
    b.zweiterSensorport.schliessen();
}
