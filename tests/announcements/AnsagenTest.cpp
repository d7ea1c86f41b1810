// What is said when, through whole races of the real engine, against a speaker that says
// nothing and finishes a text when the test says so.
#include "Ansagen.h"

#include "Ansagebahn.h"

#include <gtest/gtest.h>

namespace {
// Six laps; lane 1 home first by 1,1 s; the best lap of the race changes hands.
void sechsRunden(Ansagebahn& b) {
    b.runden(6);
    b.starten();
    b.signale({{1, 0.3},
               {2, 0.5},
               {1, 4.513},
               {2, 5.0},
               {1, 8.6},
               {2, 9.3},
               {1, 12.5},
               {2, 13.2},
               {1, 16.6},
               {2, 17.0},
               {1, 20.6},
               {2, 21.4},
               {1, 24.7},
               {2, 25.8}});
}
} // namespace

TEST(Ansagen, EinRennenVonDerErstenRundeBisZumVorsprung) {
    Ansagebahn b;
    b.rekorde.beimHofPruefen = [&] { b.ansagen.hallOfFame(2, "Anna <3"); };
    sechsRunden(b);
    const QStringList erwartet{
        "vier Komma fünf eins, noch fünf Runden",
        "fünf Komma null null, noch fünf Runden",
        "Bestzeit Anna, vier Komma null neun", // the first lap beat nothing
        "vier Komma drei null",
        "Bestzeit Anna, drei Komma neun null, noch drei Runden",
        "drei Komma neun null, noch drei Runden", // equal is no new best
        "vier Komma eins null",
        "Bestzeit Jürgen, drei Komma acht null",
        "vier Komma null null, letzte Runde",
        "vier Komma vier null, letzte Runde",
        "vier Komma eins null",
        "Anna gewinnt",
        "vier Komma vier null",
        "Vorsprung eins Komma eins null Sekunden",
        "Anna 3, Platz zwei in der Hall of Fame",
    };
    EXPECT_EQ(b.sprecher.gesagt, erwartet);
    EXPECT_EQ(b.protokoll, erwartet);
    EXPECT_EQ(b.sprecher.weise.tempo, 175);
    EXPECT_EQ(b.sprecher.weise.lautstaerke, 100);
}

// A doubled lap taken back: said as such, and it no longer stands as the race's best lap.
TEST(Ansagen, GestricheneRundeWirdAngesagtUndZaehltNichtAlsBestzeit) {
    Ansagebahn b;
    b.runden(5);
    b.starten();
    b.signale({{1, 0.2}, {1, 4.0}, {1, 4.2}}); // the last one doubled
    b.rennen.rundeStreichen(1);
    b.sprecher.allesAussprechen();
    b.signale({{1, 7.9}});
    EXPECT_EQ(b.protokoll, (QStringList{"vier Komma null null",
                                        "Bestzeit Anna, null Komma zwei null, noch drei Runden",
                                        "Runde gestrichen, Spur eins",
                                        "Bestzeit Anna, drei Komma neun null, noch drei Runden"}));
}

TEST(Ansagen, VeralteteRundenEntfallenDasRennendeNie) {
    Ansagebahn b;
    b.runden(3);
    b.starten();
    // The speaker is still on lane 1's first lap while both lanes drive on.
    b.signale({{1, 0.2}, {2, 0.3}, {1, 4.0}, {2, 4.5}, {1, 8.0}, {2, 9.0}, {1, 12.0}}, false);
    b.rennen.crashUmschalten(); // a crash pause goes before the laps that wait
    b.rennen.crashUmschalten();
    b.signal(2, 13.0);
    EXPECT_EQ(b.protokoll, (QStringList{
                               "vier Komma null null",
                               "vier Komma fünf null",
                               "vier Komma null null, letzte Runde",
                               "vier Komma fünf null, letzte Runde",
                               "vier Komma fünf null | verworfen",
                               "vier Komma null null",
                               "vier Komma null null, letzte Runde | verworfen",
                               "Anna gewinnt",
                               "Crash, Rennen unterbrochen",
                               "Rennen läuft weiter",
                               "Crash, Rennen unterbrochen | verworfen",
                               "vier Komma null null",
                               "vier Komma fünf null, letzte Runde | verworfen",
                               "Vorsprung eins Komma null null Sekunden",
                           }));
    b.sprecher.allesAussprechen();
    EXPECT_EQ(b.sprecher.gesagt,
              (QStringList{"vier Komma null null", "Rennen läuft weiter", "vier Komma null null",
                           "Anna gewinnt", "vier Komma null null",
                           "Vorsprung eins Komma null null Sekunden"}));
}

TEST(Ansagen, EinNeuesRennenSchneidetAbWasNochGesagtWird) {
    Ansagebahn b;
    sechsRunden(b);
    b.sprecher.gesagt.clear();
    b.protokoll.clear();
    b.ansagen.probe("Anna"); // still being said when Start is pressed
    b.runden(1);
    b.starten();
    EXPECT_EQ(b.sprecher.verstummt, 1);
    EXPECT_FALSE(b.sprecher.fertig);
    b.signale({{1, 0.5}, {1, 4.5}, {2, 5.0}, {2, 9.0}}, false);
    b.rennen.startGedrueckt(); // the next race
    EXPECT_EQ(
        b.protokoll,
        (QStringList{"vier Komma zwei eins", "vier Komma zwei eins | verworfen",
                     "vier Komma fünf null", "Anna gewinnt", "neun Komma null null",
                     "Vorsprung vier Komma fünf null Sekunden", "vier Komma fünf null | verworfen",
                     "Anna gewinnt | verworfen", "neun Komma null null | verworfen",
                     "Vorsprung vier Komma fünf null Sekunden | verworfen"}));
}

TEST(Ansagen, JedeArtLaesstSichAbschalten) {
    Ansagebahn b;
    b.e.fahrername = true;
    b.e.bestzeit = false;
    b.e.rennereignisse = false;
    b.runden(4);
    b.starten();
    b.signale({{1, 0.2}, {1, 4.2}, {1, 8.0}});
    b.e.rundenzeit = false;
    b.signale({{1, 12.1}});
    b.e.restrunden = false;
    b.signale({{1, 16.0}});
    b.e.an = false;
    b.e.rundenzeit = true;
    b.e.rennereignisse = true;
    b.rennen.crashUmschalten();
    b.rennen.crashUmschalten();
    b.signale({{2, 0.3}, {2, 5.0}});
    EXPECT_EQ(b.sprecher.gesagt, (QStringList{"Anna, vier Komma zwei null, noch drei Runden",
                                              "Anna, drei Komma acht null", "Anna, letzte Runde"}));
}

// A best lap that sounds like the one before is no news; a win by 4 ms is told in ms.
TEST(Ansagen, BestzeitUndVorsprungSoWieSieKlingen) {
    Ansagebahn b;
    b.runden(3);
    b.starten();
    // Lane 1's second lap, 4,209, is faster than its first, 4,213, but said alike.
    b.signale(
        {{1, 0.3}, {2, 0.4}, {1, 4.213}, {2, 4.6}, {1, 8.422}, {2, 8.9}, {1, 12.5}, {2, 12.504}});
    EXPECT_EQ(
        b.sprecher.gesagt,
        (QStringList{"vier Komma zwei eins", "vier Komma sechs null",
                     "vier Komma zwei eins, letzte Runde", "vier Komma drei null, letzte Runde",
                     "Bestzeit Anna, vier Komma null acht", "Anna gewinnt",
                     "Bestzeit Jürgen, drei Komma sechs null", "Vorsprung vier Millisekunden"}));
}

TEST(Ansagen, TrainingUndSpurwechselNennenDenSiegerMitVorsprung) {
    Ansagebahn b;
    b.einstellen([&](Renneinstellungen& e) { e.rennmodus = false; });
    b.runden(1);
    b.starten();
    b.signale({{1, 0.1}, {2, 0.2}, {2, 4.0}, {1, 4.0}});
    EXPECT_EQ(b.sprecher.gesagt.last(), "Unentschieden") << "equal best laps";

    b.einstellen([&](Renneinstellungen& e) { e.rennmodus = true; });
    b.einstellen([&](Renneinstellungen& e) { e.spurwechsel = true; });
    b.starten();
    b.signale({{1, 0.1}, {2, 0.2}, {1, 4.0}, {2, 5.0}});
    EXPECT_EQ(b.sprecher.gesagt.last(), "Erster Lauf: Anna vorn, Vorsprung eins Komma null null "
                                        "Sekunden");
    // The names changed lanes: Jürgen drives lane 1 now and wins by 0,2 s over both heats.
    b.starten();
    b.signale({{1, 0.1}, {2, 0.2}, {1, 4.0}, {2, 5.2}});
    EXPECT_EQ(b.sprecher.gesagt.last(), "Jürgen gewinnt, Vorsprung null Komma zwei null "
                                        "Sekunden");
}

TEST(Ansagen, FehlstartUndProbe) {
    Ansagebahn b;
    b.bei(-5);
    b.rennen.startGedrueckt();
    b.countdown(20);
    b.rennen.fahrerBenennen(2, "\x01<i>");
    b.signal(2, -2.0);
    b.sprecher.allesAussprechen();
    b.e.fahrername = true;
    b.e.an = false; // the sample is said all the same
    b.ansagen.probe("Anna");
    b.sprecher.allesAussprechen();
    EXPECT_EQ(b.sprecher.gesagt,
              (QStringList{"Fehlstart Spur zwei", "Anna, vier Komma zwei eins"}));
}

// A race by time says what time is left, that it is up, and who drove furthest, never the
// laps to go nor a winner at the first lane home.
TEST(Ansagen, RennenAufZeitSagtDieRestzeitUndDenSiegerNachDistanz) {
    Ansagebahn b;
    b.einstellen([](Renneinstellungen& e) {
        e.rennart = Rennlaenge::Zeit;
        e.renndauer = 70;
        e.zielregel = Zielregel::RundeBeenden;
    });
    b.starten();
    // Lane 2 laps every 7 s, lane 1 every 10 s; each one's next crossing after 70 s is its last.
    std::vector<std::pair<double, int>> folge;
    for (double t = 0.5; t < 75; t += 7)
        folge.push_back({t, 2});
    for (double t = 0.6; t < 81; t += 10)
        folge.push_back({t, 1});
    b.zeitrunden(folge);
    ASSERT_FALSE(b.stand().gestartet);
    const QStringList gesagt = b.sprecher.gesagt;
    const auto stelle = [&](const QString& text) { return gesagt.indexOf(text); };
    EXPECT_GE(stelle("noch eine Minute"), 0);
    EXPECT_LT(stelle("noch eine Minute"), stelle("noch zehn Sekunden"));
    EXPECT_LT(stelle("noch zehn Sekunden"), stelle("Zeit ist um"));
    EXPECT_EQ(gesagt.back(), "Jürgen gewinnt") << gesagt.join(" / ").toStdString();
    EXPECT_EQ(gesagt.filter("Runde").size(), 0) << gesagt.join(" / ").toStdString();
    EXPECT_EQ(gesagt.filter("gewinnt").size(), 1);
}

// Every penalty is said as it is given, a false start's with its cause, and so is one taken
// back; the count is said before its noun, one as "eine".
TEST(Ansagen, StrafenWerdenMitDemFahrerAngesagt) {
    Ansagebahn b;
    b.einstellen([](Renneinstellungen& e) {
        e.fehlstartregel = Fehlstartregel::Zeitstrafe;
        e.fehlstartstrafe = 5;
    });
    b.rennen.fahrerBenennen(1, "Anna");
    b.rennen.fahrerBenennen(2, "Bert");
    b.bei(-5);
    b.rennen.startGedrueckt();
    b.countdown(20);
    b.signal(1, -2.0);
    b.countdown(30);
    b.rennen.strafeGeben(2, Strafart::Zeit, 7, "Rennleitung");
    b.rennen.strafeGeben(2, Strafart::Runden, 1, "Rennleitung");
    b.rennen.strafeGeben(1, Strafart::Runden, 2, "Rennleitung");
    b.rennen.strafeGeben(1, Strafart::StopAndGo, 10, "Rennleitung");
    b.rennen.strafeZuruecknehmen();
    b.sprecher.allesAussprechen();
    EXPECT_EQ(b.sprecher.gesagt,
              (QStringList{"Fehlstart, fünf Sekunden Strafe für Anna",
                           "Sieben Sekunden Strafe für Bert", "Eine Runde Strafe für Bert",
                           "Zwei Runden Strafe für Anna", "Stop and go für Anna",
                           "Strafe für Anna zurückgenommen"}));
}
