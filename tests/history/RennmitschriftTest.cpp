#include "Rennmitschrift.h"

#include "Rennbahn.h"
#include "Verlaufstest.h"

#include <gtest/gtest.h>

namespace {
const QDateTime Startzeitpunkt =
    QDateTime::fromString(QStringLiteral("2026-05-01T14:03:22+02:00"), Qt::ISODate);

struct Mitschriftbahn : Rennbahn {
    Mitschriftbahn() {
        rennen.beobachterAnmelden(mitschrift);
        rennen.fahrerBenennen(1, QStringLiteral("Anna"));
        rennen.fahrerBenennen(2, QStringLiteral("Bernd"));
    }
    // Both lanes cross at once, then drive their laps.
    void rennenFahren(const std::vector<double>& spur1, const std::vector<double>& spur2) {
        starten();
        signal(1, 0.1);
        signal(2, 0.1);
        double t1 = 0, t2 = 0;
        for (std::size_t i = 0; i < std::max(spur1.size(), spur2.size()); ++i) {
            if (i < spur1.size())
                signal(1, t1 += spur1[i]);
            if (i < spur2.size())
                signal(2, t2 += spur2[i]);
        }
    }
    Ablageliste ablage;
    Signalquelle quelle = Signalquelle::Box;
    Rennmitschrift mitschrift{ablage, [this] { return quelle; }, [] { return Startzeitpunkt; }};
};
} // namespace

TEST(Rennmitschrift, EinRennenKommtBeimZieleinlaufVorDerHallOfFameInDieAblage) {
    Mitschriftbahn b;
    b.runden(2);
    b.rennen.fahrerfarbeSetzen(2, 0x00FFFF);
    std::size_t beimHof = 0;
    b.rekorde.beimHofPruefen = [&] { beimHof = b.ablage.rennen.size(); };
    b.starten();
    b.rennen.rundensignal(1, b.rennen.signalzeit(Rennbahn::Basis + 100), Signalweg::Leitungen);
    b.rennen.rundensignal(1, b.rennen.signalzeit(Rennbahn::Basis + 3100), Signalweg::Leitungen);
    b.signal(2, 0.2);
    b.signal(2, 2.5);
    b.signal(2, 5.0);  // lane 2 home first
    b.signal(1, 6.25); // lane 1's second lap, by hand

    EXPECT_EQ(beimHof, 1u);
    ASSERT_EQ(b.ablage.rennen.size(), 1u);
    const Rennaufzeichnung& r = b.ablage.rennen[0];
    EXPECT_EQ(r.beginn, Startzeitpunkt);
    EXPECT_EQ(r.art, Rennart::Rennen);
    EXPECT_EQ(r.rundenzahl, 2);
    EXPECT_EQ(r.kurslaenge, 5);
    EXPECT_EQ(r.prellzeit, 2);
    EXPECT_EQ(r.quelle, Signalquelle::Box);
    EXPECT_FALSE(r.abgebrochen);
    EXPECT_EQ(r.sieger, "Bernd");
    ASSERT_EQ(r.laeufe.size(), 1u);
    const Spurfahrt& anna = r.laeufe[0][1];
    EXPECT_EQ(anna.fahrer, "Anna");
    EXPECT_EQ(anna.farbe, Farben::Hellgrau);
    EXPECT_EQ(rundenzeitenVon(anna), (std::vector<double>{3.1, 3.15}));
    EXPECT_FALSE(anna.runden[0].vonHand) << "the sensor's lap";
    EXPECT_TRUE(anna.runden[1].vonHand);
    EXPECT_DOUBLE_EQ(anna.runden[0].geschwindigkeit, 1.613);
    EXPECT_EQ(anna.gesamtzeit, 6.25);
    EXPECT_DOUBLE_EQ(*anna.schnitt, 10 / 6.25);
    EXPECT_EQ(anna.besteRunde(), 1);
    EXPECT_EQ(r.laeufe[0][2].farbe, 0x00FFFFu);
    EXPECT_EQ(rundenzeitenVon(r.laeufe[0][2]), (std::vector<double>{2.5, 2.5}));
    EXPECT_EQ(r.laeufe[0][2].besteRunde(), 1) << "the first of equal laps";
}

TEST(Rennmitschrift, TrainingMitGleicherBestzeitIstUnentschieden) {
    Mitschriftbahn b;
    b.einstellen([](Renneinstellungen& e) {
        e.rundenzahl = 1;
        e.rennmodus = false;
    });
    b.rennenFahren({3}, {3});
    ASSERT_EQ(b.ablage.rennen.size(), 1u);
    EXPECT_EQ(b.ablage.rennen[0].art, Rennart::Training);
    EXPECT_EQ(b.ablage.rennen[0].sieger, std::nullopt);
}

TEST(Rennmitschrift, SpurwechselKommtNachDemZweitenLaufMitBeidenLaeufenUndDerGesamtzeit) {
    Mitschriftbahn b;
    b.einstellen([](Renneinstellungen& e) {
        e.spurwechsel = true;
        e.rundenzahl = 2;
    });
    b.rennen.fahrerfarbeSetzen(2, 0x00FFFF);
    b.rennenFahren({5, 5}, {5, 5.1}); // Anna wins heat 1 narrowly
    EXPECT_TRUE(b.ablage.rennen.empty());
    b.quelle = Signalquelle::Tastatur; // the port went away: the race keeps its source
    b.rennenFahren({4, 4}, {6, 6});    // Bernd, now on lane 1, wins heat 2 by far more

    ASSERT_EQ(b.ablage.rennen.size(), 1u);
    const Rennaufzeichnung& r = b.ablage.rennen[0];
    EXPECT_EQ(r.art, Rennart::Spurwechsel);
    EXPECT_EQ(r.quelle, Signalquelle::Box);
    ASSERT_EQ(r.laeufe.size(), 2u);
    EXPECT_EQ(r.laeufe[0][1].fahrer, "Anna");
    EXPECT_EQ(r.laeufe[1][1].fahrer, "Bernd");
    EXPECT_EQ(r.laeufe[1][1].farbe, 0x00FFFFu) << "Bernd keeps his colour on lane 1";
    EXPECT_EQ(r.laeufe[1][2].farbe, Farben::Hellgrau);
    EXPECT_EQ(r.laeufe[1][2].gesamtzeit, 12);
    EXPECT_EQ(r.sieger, "Bernd") << "18,1 s against 22 s";
}

TEST(Rennmitschrift, GestopptNachEinerRundeWirdAbgebrochenAbgelegtOhneRundeNicht) {
    Mitschriftbahn b;
    b.runden(5);
    b.starten();
    b.rennen.startGedrueckt(); // stopped before any lap
    b.bei(-5);
    b.rennen.startGedrueckt();
    b.countdown(20);
    b.signal(1, -3); // a false start
    EXPECT_TRUE(b.ablage.rennen.empty());

    b.starten();
    b.fahren(2, 0.3, {3});
    b.rennen.startGedrueckt();
    ASSERT_EQ(b.ablage.rennen.size(), 1u);
    EXPECT_TRUE(b.ablage.rennen[0].abgebrochen);
    EXPECT_EQ(b.ablage.rennen[0].sieger, std::nullopt);
    EXPECT_EQ(rundenzeitenVon(b.ablage.rennen[0].laeufe[0][2]), std::vector<double>{3.3});
    EXPECT_FALSE(b.ablage.rennen[0].laeufe[0][2].gesamtzeit);

    b.mitschrift.abschliessen(b.rennen); // nothing under way
    EXPECT_EQ(b.ablage.rennen.size(), 1u);
    b.starten();
    b.fahren(1, 0.3, {3});
    b.mitschrift.abschliessen(b.rennen); // the program closes during a race
    ASSERT_EQ(b.ablage.rennen.size(), 2u);
    EXPECT_TRUE(b.ablage.rennen[1].abgebrochen);
}

TEST(Rennmitschrift, SpurwechselGestopptImZweitenLaufBehaeltDenErstenFuerDieWiederholung) {
    Mitschriftbahn b;
    b.einstellen([](Renneinstellungen& e) {
        e.spurwechsel = true;
        e.rundenzahl = 1;
    });
    b.rennenFahren({5}, {6});
    b.starten();
    b.fahren(1, 0.1, {4});
    b.rennen.startGedrueckt(); // stopped in heat 2
    ASSERT_EQ(b.ablage.rennen.size(), 1u);
    EXPECT_TRUE(b.ablage.rennen[0].abgebrochen);
    EXPECT_EQ(b.ablage.rennen[0].laeufe.size(), 2u);
    EXPECT_TRUE(b.stand().wechsellauf > 0) << "the engine drives heat 2 again";

    b.rennenFahren({7}, {5});
    ASSERT_EQ(b.ablage.rennen.size(), 2u);
    const Rennaufzeichnung& r = b.ablage.rennen[1];
    EXPECT_FALSE(r.abgebrochen);
    ASSERT_EQ(r.laeufe.size(), 2u);
    EXPECT_EQ(rundenzeitenVon(r.laeufe[1][1]), std::vector<double>{7}) << "the heat driven again";
    EXPECT_EQ(r.sieger, "Anna") << "5 + 5 against 6 + 7";

    // A first heat left alone when the program closes is kept as a stopped race.
    b.rennenFahren({5}, {6});
    b.mitschrift.abschliessen(b.rennen);
    ASSERT_EQ(b.ablage.rennen.size(), 3u);
    EXPECT_TRUE(b.ablage.rennen[2].abgebrochen);
    EXPECT_EQ(b.ablage.rennen[2].laeufe.size(), 1u);
}

// A lap taken back during the race is not in the history; the lap after it is timed from
// the crossing before, as the race timed it.
TEST(Rennmitschrift, GestricheneRundeFehltImGespeichertenRennen) {
    Mitschriftbahn b;
    b.runden(3);
    b.starten();
    b.fahren(1, 0.1, {3.0, 0.2});
    b.rennen.rundeStreichen(1);
    b.signal(1, 6.2);
    b.fahren(2, 0.1, {3.0, 3.0, 2.9});
    b.signal(1, 9.3);
    ASSERT_EQ(b.ablage.rennen.size(), 1u);
    const Rennaufzeichnung& r = b.ablage.rennen[0];
    EXPECT_EQ(rundenzeitenVon(r.laeufe[0][1]), (std::vector<double>{3.1, 3.1, 3.1}));
    EXPECT_EQ(r.sieger, "Bernd") << "lane 1 needed the lap the doubled one had only pretended";
}
