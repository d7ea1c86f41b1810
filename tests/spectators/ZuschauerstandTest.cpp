#include "Zuschauerstand.h"

#include "Rennbahn.h"

#include <gtest/gtest.h>

namespace {
struct Zuschauerbahn : Rennbahn {
    Zuschauerbahn() {
        rennen.beobachterAnmelden(stand);
        stand.beiAenderung([this](const Zuschaueransicht& a) { gehoert.push_back(a); });
        // The standings follow the names at once: no window needs to redraw first.
        rennen.fahrerBenennen(1, QStringLiteral("Anna"));
        rennen.fahrerBenennen(2, QStringLiteral("Bernd"));
        rennen.fahrerfarbeSetzen(2, 0x00FFFF);
    }
    const Zuschaueransicht& a() const { return stand.ansicht(); }
    const Zuschauerspur& spur(int s) const { return stand.ansicht().spuren[s]; }

    Zuschauerstand stand{rennen};
    std::vector<Zuschaueransicht> gehoert;
};
} // namespace

TEST(Zuschauerstand, FolgtEinemRennenVomCountdownBisZumSieger) {
    Zuschauerbahn b;
    b.runden(3);
    EXPECT_EQ(b.a().titel, "Rennen – 3 Runden") << "new settings show at once";
    EXPECT_EQ(b.spur(2).name, "Bernd");
    EXPECT_EQ(b.spur(2).farbe, 0x00FFFFu);
    EXPECT_EQ(b.spur(1).gefahren, "0 / 3");
    EXPECT_EQ(b.spur(1).letzte, "–");

    b.bei(-5);
    b.rennen.startGedrueckt();
    EXPECT_EQ(b.a().countdown, "5");
    EXPECT_EQ(b.a().ampel[1], Lampe::Rot);
    EXPECT_EQ(b.a().ampel[2], Lampe::Aus);
    b.countdown(10);
    EXPECT_EQ(b.a().countdown, "4");
    b.countdown(40);
    EXPECT_EQ(b.a().countdown, "") << "green: no digit";
    EXPECT_EQ(b.a().ampel[3], Lampe::Gruen);

    b.signal(1, 0.2);
    b.signal(2, 0.3); // first crossings count no lap
    b.signal(1, 3.0);
    b.signal(2, 3.5);
    EXPECT_EQ(b.spur(1).gefahren, "1 / 3");
    EXPECT_EQ(b.spur(1).zuFahren, "2");
    EXPECT_EQ(b.spur(1).abstand, "");
    EXPECT_EQ(b.spur(2).abstand, "+0,500 s");
    EXPECT_TRUE(b.spur(2).besteNeu) << "every first lap is a best lap";

    b.signal(1, 5.8);
    b.signal(2, 7.2); // slower than its first
    EXPECT_EQ(b.spur(1).beste, "2,800 s");
    EXPECT_TRUE(b.spur(1).besteNeu);
    EXPECT_EQ(b.spur(2).letzte, "3,700 s");
    EXPECT_EQ(b.spur(2).beste, "3,500 s");
    EXPECT_FALSE(b.spur(2).besteNeu);
    EXPECT_EQ(b.spur(2).abstand, "+1,400 s");

    b.rennen.crashUmschalten();
    EXPECT_TRUE(b.a().crash);
    b.rennen.crashUmschalten();
    EXPECT_FALSE(b.a().crash);

    b.signal(1, 8.5);
    EXPECT_EQ(b.spur(1).vermerk, "1. Platz");
    EXPECT_EQ(b.spur(1).zuFahren, "0");
    EXPECT_EQ(b.a().ergebnis, "") << "lane 2 still drives";
    b.signal(2, 10.0);
    EXPECT_EQ(b.spur(2).vermerk, "2. Platz");
    EXPECT_EQ(b.spur(2).abstand, "+1,500 s");
    EXPECT_EQ(b.a().ergebnis, "Sieger: Anna");
    EXPECT_EQ(b.a().ampel[1], Lampe::Gelb);

    ASSERT_FALSE(b.gehoert.empty());
    EXPECT_EQ(b.gehoert.back(), b.a()) << "the receiver heard the last change";
    for (std::size_t i = 1; i < b.gehoert.size(); ++i)
        EXPECT_NE(b.gehoert[i], b.gehoert[i - 1]) << "only changes are told";
}

TEST(Zuschauerstand, SpurwechselZeigtDieNamenDesLaufsUndEntscheidetWieDasErgebnisfenster) {
    Zuschauerbahn b;
    b.runden(2);
    b.einstellen([&](Renneinstellungen& e) { e.spurwechsel = true; });
    b.starten();
    b.fahren(1, 0.1, {3.0, 3.0}); // Anna: 6.1, lap 1 timed from green
    b.fahren(2, 0.1, {3.5, 3.5}); // Bernd: 7.1
    EXPECT_EQ(b.rennen.stand().spuren[1].fahrer, "Bernd") << "the names have swapped by now";
    EXPECT_EQ(b.spur(1).name, "Anna") << "the heat's standings keep its drivers";
    EXPECT_EQ(b.a().ergebnis, "Nach dem 1. Lauf vorn: Anna");
    EXPECT_EQ(b.a().titel, "Spurwechsel, 1. Lauf – 2 Runden");

    b.starten();
    EXPECT_EQ(b.a().titel, "Spurwechsel, 2. Lauf – 2 Runden");
    EXPECT_EQ(b.spur(1).name, "Bernd");
    EXPECT_EQ(b.spur(1).lauf, "1. Lauf 7,100 s");
    EXPECT_EQ(b.spur(2).lauf, "1. Lauf 6,100 s");
    EXPECT_EQ(b.a().ergebnis, "");
    b.fahren(1, 0.1, {2.7, 2.8}); // Bernd: 5.6, in all 12.7
    b.fahren(2, 0.1, {3.5, 3.5}); // Anna: 7.1, in all 13.2
    EXPECT_EQ(b.spur(1).lauf, "Gesamt 12,700 s");
    EXPECT_EQ(b.spur(2).lauf, "Gesamt 13,200 s");
    EXPECT_EQ(b.a().ergebnis, "Gesamtsieger: Bernd");
    ASSERT_EQ(b.dialoge.ergebnisfenster.size(), 1u);
    EXPECT_EQ(b.dialoge.ergebnisfenster[0].LaUeberschrift, "Bernd hat gewonnen!");
}

TEST(Zuschauerstand, TrainingFehlstartStoppUndNeueNamenZwischenDenRennen) {
    Zuschauerbahn b;
    b.runden(2);
    b.einstellen([&](Renneinstellungen& e) { e.rennmodus = false; });
    b.starten();
    b.fahren(1, 0.1, {3.0, 2.5});
    b.fahren(2, 0.1, {2.9});
    EXPECT_EQ(b.spur(1).abstand, "") << "training: the best laps";
    EXPECT_EQ(b.spur(2).abstand, "+0,500 s");
    b.signal(2, 4.9);
    EXPECT_EQ(b.spur(1).abstand, "+0,600 s");
    EXPECT_EQ(b.spur(2).abstand, "");
    EXPECT_EQ(b.spur(1).vermerk, "Im Ziel");
    EXPECT_EQ(b.a().ergebnis, "Sieger: Bernd");
    EXPECT_EQ(b.a().titel, "Training – 2 Runden");

    b.bei(-5);
    b.rennen.startGedrueckt();
    b.countdown(20);
    b.signal(2, -2.0);
    EXPECT_EQ(b.spur(2).vermerk, "Fehlstart");
    EXPECT_EQ(b.spur(1).vermerk, "");
    EXPECT_EQ(b.spur(1).letzte, "–") << "a new race attempt has no laps";
    EXPECT_EQ(b.a().ergebnis, "Fehlstart von Bernd");
    EXPECT_EQ(b.a().countdown, "");

    b.einstellen([&](Renneinstellungen& e) { e.rennmodus = true; });
    b.starten();
    b.fahren(1, 0.1, {3.0});
    b.rennen.startGedrueckt(); // Stop
    EXPECT_EQ(b.spur(1).gefahren, "0 / 2") << "Stop clears, as on the main window";
    b.rennen.fahrerBenennen(1, QStringLiteral("Carla"));
    b.runden(5);
    EXPECT_EQ(b.spur(1).name, "Carla");
    EXPECT_EQ(b.spur(1).gefahren, "0 / 5");
}
