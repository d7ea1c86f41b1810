#include "Leitungsbahn.h"
#include "Portfeld.h"
#include "Simulationsport.h"
#include "Streckensimulator.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

// Whole races on the simulated track: the clock moves in 10 ms steps, the countdown timer
// ticks every 100 ms while it runs, and the cars' line changes go through the line handler.
struct Simulationsbahn : Leitungsbahn {
    Streckensimulator simulator{rennen.stand(), 4.0, 7};
    Leitungsbehandlung zweiterPort{rennen, 2};
    int schritte = 0;

    bool rennenVorbei() const {
        return spur(1).fertig && spur(2).fertig && stand().signaleGesperrt;
    }

    void starten() {
        bei(-5);
        rennen.startGedrueckt();
    }
    // Until the race is over or that second of the clock.
    void laufen(double bisSekunden) {
        while (uhr.stand < ms(bisSekunden) && !rennenVorbei()) {
            uhr.stand += 10;
            if (++schritte % 10 == 0 && timer.enabled())
                rennen.countdownTick();
            const Portereignisse faellig = simulator.fortschreiten(uhr.stand);
            for (const Leitungsereignis& e : faellig[0])
                leitung.leitungGeaendert(e);
            for (const Leitungsereignis& e : faellig[1])
                zweiterPort.leitungGeaendert(e);
        }
    }
    int angenommen(int spur) const {
        return static_cast<int>(
            std::count_if(protokoll.begin(), protokoll.end(), [spur](const auto& e) {
                return e.spur == spur && e.ausgang == Signalausgang::Angenommen;
            }));
    }
    void rundenPruefen(double hoechstens) const {
        for (int spur = 1; spur <= 2; ++spur)
            for (int n = 1; n <= rennen.einstellungen().rundenzahl; ++n) {
                EXPECT_GE(rundenzeiten(spur)[n], 3.4) << "lane " << spur << " lap " << n;
                EXPECT_LE(rundenzeiten(spur)[n], hoechstens) << "lane " << spur << " lap " << n;
            }
    }
};

} // namespace

TEST(Streckensimulator, FaehrtEinRennenBisZumEnde) {
    Simulationsbahn b;
    b.runden(5);
    b.starten();
    b.laufen(-0.01);
    EXPECT_TRUE(b.protokoll.empty()) << "the cars wait for the green light";
    b.laufen(120);

    ASSERT_TRUE(b.rennenVorbei());
    EXPECT_TRUE(b.dialoge.meldungen.empty()) << "no false start";
    // A standing start, then laps of 3.4 to 4.6 s, now and then one up to 1.8 times slower.
    b.rundenPruefen(4.6 * 1.8 + 0.5);
    EXPECT_EQ(b.angenommen(1), 6) << "each crossing once, the bounce absorbed";
    EXPECT_EQ(b.angenommen(2), 6);
    EXPECT_TRUE(b.ausgaenge().contains("geprellt"));

    const std::size_t eintraege = b.protokoll.size();
    b.laufen(180);
    EXPECT_EQ(b.protokoll.size(), eintraege) << "after the race the cars stand";
}

TEST(Streckensimulator, InDerCrashPauseStehenDieAutos) {
    Simulationsbahn b;
    b.runden(3);
    b.starten();
    b.laufen(6);
    b.rennen.crashUmschalten();
    const std::size_t eintraege = b.protokoll.size();
    b.laufen(36);
    EXPECT_EQ(b.protokoll.size(), eintraege);
    b.rennen.crashUmschalten();
    b.laufen(120);

    ASSERT_TRUE(b.rennenVorbei());
    b.rundenPruefen(4.6 * 1.8 + 0.5); // the 30 s pause is in no lap
}

TEST(Streckensimulator, BeimFliegendenStartRollenDieAutosHeran) {
    Simulationsbahn b;
    b.einstellen([&](Renneinstellungen& e) { e.ohneCountdown = true; });
    b.runden(2);
    b.starten();
    b.laufen(120);

    ASSERT_TRUE(b.rennenVorbei());
    EXPECT_TRUE(b.dialoge.meldungen.empty());
    EXPECT_TRUE(b.stand().rennuhrGestartet);
}

// Eight cars, one per lane, over both sensor ports: every lane comes home, each at its own
// pace (the middle of its laps near its share of the mean), and a free lane has no car.
TEST(Streckensimulator, FaehrtJedeSpurInIhremTempo) {
    Simulationsbahn b;
    b.einstellen([](Renneinstellungen& e) {
        e.spuranzahl = 8;
        e.freieSpuren = 1U << 5; // lane 6
        e.rundenzahl = 15;
    });
    b.starten();
    b.laufen(200);
    ASSERT_TRUE(b.rennenVorbei());
    const double anteile[] = {1.00, 1.00, 0.97, 1.03, 0.99, 0, 0.96, 1.02};
    for (int spur = 1; spur <= 8; ++spur) {
        std::vector<double> zeiten;
        for (const Rundenwert& r : b.spur(spur).runden)
            zeiten.push_back(r.zeit);
        if (spur == 6) {
            EXPECT_TRUE(zeiten.empty());
            continue;
        }
        ASSERT_EQ(zeiten.size(), 15u) << spur;
        std::nth_element(zeiten.begin(), zeiten.begin() + 7, zeiten.end());
        EXPECT_NEAR(zeiten[7], 4.0 * anteile[spur - 1], 0.15) << spur;
    }
    EXPECT_NEAR(b.simulator.kuerzesteRunde(), 4.0 * 0.96 * 0.85, 1e-9);
}

// The program's wiring: the simulated port on its timer, the real clock, short laps.
TEST(Simulationsport, FaehrtAufDemEchtenTaktEinKurzesRennen) {
    Systemuhr uhr;
    Rennbahn b({.systemuhr = &uhr});
    Rennen& rennen = b.rennen;
    b.einstellen([](Renneinstellungen& e) {
        e.ohneCountdown = true;
        e.prellzeit = 0.1;
        e.rundenzahl = 2;
    });
    Leitungsbehandlung leitung(rennen);
    Simulationsport simulation(rennen, uhr, 0.3);
    simulation.beiLeitungsereignis(
        [&](int, const Leitungsereignis& e) { leitung.leitungGeaendert(e); });

    simulation.SchnittstelleOeffnen(NormalOeffnen);
    EXPECT_EQ(b.ansicht().statusleiste.feld("port").text, "Simulation");
    EXPECT_TRUE(b.speicher.geschrieben.isEmpty()) << "the real port setting stays";
    rennen.startGedrueckt();
    ASSERT_TRUE(QTest::qWaitFor([&] { return b.spur(1).fertig && b.spur(2).fertig; }, 10000));
    EXPECT_TRUE(b.dialoge.meldungen.empty());

    simulation.aktivenPortSchliessen();
    rennen.startGedrueckt();
    QTest::qWait(600);
    EXPECT_FALSE(rennen.stand().rennuhrGestartet) << "a closed simulation drives no car";
}

// Laps of 1 s on average, some of them 0,85 s, under the Prellzeit of 2 s: every crossing
// within it of the one before is dropped, and with it a lap. The status bar says so while the
// Prellzeit stands, and no longer once it is shorter than the shortest lap.
TEST(Simulationsport, RundenUnterDerPrellzeitStehenInDerStatusleiste) {
    Systemuhr uhr;
    Rennbahn b({.systemuhr = &uhr});
    b.einstellen([](Renneinstellungen& e) { e.prellzeit = 2; });
    Simulationsport simulation(b.rennen, uhr, 1);
    simulation.SchnittstelleOeffnen(NormalOeffnen);
    const Statusfeld port = b.ansicht().statusleiste.feld("port");
    EXPECT_EQ(port.text, "Simulation – Prellzeit zu lang");
    EXPECT_EQ(port.tipp, "Die simulierten Runden (ab 0,85 s) sind kürzer als die Prellzeit von "
                         "2 s: jede solche Runde geht verloren. Eine längere mittlere "
                         "Rundenzeit (--simulate=SEKUNDEN) oder eine kürzere Prellzeit (Option) "
                         "hilft.");
    EXPECT_EQ(simulationswarnung(b.stand()), port.tipp);
    EXPECT_TRUE(b.dialoge.meldungen.empty()) << "never a message box";

    b.einstellen([](Renneinstellungen& e) { e.prellzeit = 0.85; });
    EXPECT_EQ(b.ansicht().statusleiste.feld("port").text, "Simulation");
    EXPECT_EQ(simulationswarnung(b.stand()), std::nullopt);
}
