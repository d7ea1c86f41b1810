// Announcements on tracks of more than two lanes: a lap without the driver's name says its
// lane, the drivers behind the winner their places, by laps at their finish and by time at
// the end, and neither a third lane's lap nor a fourth's is mistaken for another kind of
// announcement.
#include "Ansagebahn.h"

#include <gtest/gtest.h>

TEST(VieleSpurenAnsagen, DreiSpurenSagenDieSpurUndJedenPlatz) {
    Ansagebahn b;
    b.e.fahrername = false;
    b.e.bestzeit = false;
    b.runden(2);
    b.spuren(3);
    b.starten();
    b.signale({{1, 0.1}, {2, 0.2}, {3, 0.3}, {3, 4.0}, {1, 4.3}, {2, 4.6}});
    b.signale({{3, 8.0}, {2, 8.9}, {1, 9.1}});
    EXPECT_EQ(b.protokoll, (QStringList{
                               "Spur drei, vier Komma null null, letzte Runde",
                               "Spur eins, vier Komma drei null, letzte Runde",
                               "Spur zwei, vier Komma sechs null, letzte Runde",
                               "Spur drei, vier Komma null null",
                               "Fahrer 3 gewinnt",
                               "Spur zwei, vier Komma drei null",
                               "Jürgen, Platz zwei",
                               "Spur eins, vier Komma acht null",
                               "Anna, Platz drei",
                               "Vorsprung null Komma neun null Sekunden",
                           }));
    b.rennen.rundeStreichen(3);
    EXPECT_EQ(b.protokoll.size(), 10) << "no race, nothing to take back";
}

// The speaker busy with lane 3's first lap: the crash notice and the laps of lanes 3 and 4
// wait side by side, each lane's newest lap in place of its older one; Stop drops them.
TEST(VieleSpurenAnsagen, DieRundenDerDrittenUndViertenSpurWartenFuerSich) {
    Ansagebahn b;
    b.e.fahrername = true;
    b.e.bestzeit = false;
    b.e.restrunden = false;
    b.runden(10);
    b.spuren(4);
    b.starten();
    b.signale({{1, 0.1}, {2, 0.2}, {3, 0.3}, {4, 0.4}, {1, 4.1}});
    b.signale({{3, 4.3}, {4, 4.4}}, false);
    b.rennen.crashUmschalten();
    b.rennen.crashUmschalten();
    b.signale({{3, 8.5}, {4, 8.9}}, false);
    EXPECT_EQ(b.protokoll, (QStringList{
                               "Anna, vier Komma eins null",
                               "Fahrer 3, vier Komma drei null",
                               "Fahrer 4, vier Komma vier null",
                               "Crash, Rennen unterbrochen",
                               "Rennen läuft weiter",
                               "Crash, Rennen unterbrochen | verworfen",
                               "Fahrer 3, vier Komma zwei null",
                               "Fahrer 4, vier Komma fünf null",
                               "Fahrer 4, vier Komma vier null | verworfen",
                           }));
    b.rennen.startGedrueckt(); // Stop
    EXPECT_TRUE(b.protokoll.contains("Fahrer 3, vier Komma zwei null | verworfen"));
    EXPECT_TRUE(b.protokoll.contains("Fahrer 4, vier Komma fünf null | verworfen"));
    EXPECT_TRUE(b.protokoll.contains("Rennen läuft weiter | verworfen"));
    b.sprecher.allesAussprechen();
    EXPECT_EQ(b.sprecher.gesagt,
              (QStringList{"Anna, vier Komma eins null", "Fahrer 3, vier Komma drei null"}));
}

// By time the places go by distance, not by the order home: lane 1 is home first with the
// fewest laps. Lane 3 has no name and is said as its lane; lane 4 is free and has no place.
TEST(VieleSpurenAnsagen, NachZeitFolgenDemSiegerDiePlaetzeNachDistanz) {
    Ansagebahn b;
    b.einstellen([](Renneinstellungen& e) {
        e.spuranzahl = 4;
        e.freieSpuren = 1U << 3;
        e.rennart = Rennlaenge::Zeit;
        e.renndauer = 30;
        e.zielregel = Zielregel::RundeBeenden;
    });
    b.rennen.fahrerBenennen(3, QString());
    b.starten();
    std::vector<std::pair<double, int>> folge;
    const double takt[] = {10, 7, 9};
    for (int spur = 1; spur <= 3; ++spur)
        for (double t = 0.4 + 0.1 * spur; t < 40; t += takt[spur - 1])
            folge.push_back({t, spur});
    b.zeitrunden(folge);
    ASSERT_FALSE(b.stand().gestartet);
    const QStringList gesagt = b.sprecher.gesagt;
    ASSERT_GE(gesagt.size(), 3);
    EXPECT_EQ(gesagt.mid(gesagt.size() - 3),
              (QStringList{"Jürgen gewinnt", "Spur drei, Platz zwei", "Anna, Platz drei"}))
        << gesagt.join(" / ").toStdString();
    EXPECT_EQ(gesagt.filter("Platz").size(), 2);
}
