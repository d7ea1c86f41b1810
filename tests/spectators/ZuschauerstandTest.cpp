#include "Zuschauerstand.h"

#include "Farbkontrast.h"
#include "Seitenwerte.h"
#include "VieleSpurenBahn.h"
#include "Zeitbahn.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {
// A lane change of two 10 s heats by time (RundeBeenden), Ida against Max.
struct Zeitwechselbahn : VieleSpurenBahn<Zeitbahn> {
    Zeitwechselbahn() : VieleSpurenBahn<Zeitbahn>(2, Zielregel::RundeBeenden, 10) {
        einstellen([](Renneinstellungen& e) { e.spurwechsel = true; });
        rennen.fahrerBenennen(1, QStringLiteral("Ida"));
        rennen.fahrerBenennen(2, QStringLiteral("Max"));
    }
};

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

    FakeZeitgeber takt;
    Zuschauerstand stand{rennen, uhr, takt};
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
    EXPECT_EQ(b.spur(1).abstand, "führt");
    EXPECT_EQ(b.spur(1).position, "P1");
    EXPECT_EQ(b.spur(2).abstand, "+0,500 s");
    EXPECT_EQ(b.spur(2).position, "P2");
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

    Lampe waehrendHof = Lampe::Aus;
    b.rekorde.beimHofPruefen = [&] { waehrendHof = b.a().ampel[1]; };
    b.signal(1, 8.5);
    EXPECT_EQ(b.spur(1).vermerk, "1. Platz");
    EXPECT_EQ(b.spur(1).zuFahren, "0");
    EXPECT_EQ(b.a().ergebnis, "") << "lane 2 still drives";
    b.signal(2, 10.0);
    EXPECT_EQ(b.spur(2).vermerk, "2. Platz");
    EXPECT_EQ(b.spur(2).abstand, "+1,500 s");
    EXPECT_EQ(b.a().ergebnis, "Sieger: Anna");
    EXPECT_EQ(b.a().ampel[1], Lampe::Gelb);
    EXPECT_EQ(waehrendHof, Lampe::Gelb) << "over while the Hall of Fame still asks";

    ASSERT_FALSE(b.gehoert.empty());
    EXPECT_EQ(b.gehoert.back(), b.a()) << "the receiver heard the last change";
    for (std::size_t i = 1; i < b.gehoert.size(); ++i)
        EXPECT_NE(b.gehoert[i], b.gehoert[i - 1]) << "only changes are told";

    // The settings dialog, after the race.
    b.einstellen([&](Renneinstellungen& e) { e.rennmodus = false; });
    EXPECT_EQ(b.a().titel, "Training – 3 Runden") << "the next race's mode";
    EXPECT_EQ(b.a().ergebnis, "");
    EXPECT_EQ(b.spur(1).gefahren, "0 / 3");
}

TEST(Zuschauerstand, SpurwechselIstEinRennenMitGesamtabstandGesamtplatzUndFahrerfarben) {
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
    EXPECT_EQ(b.spur(1).farbe, 0x00FFFFu) << "Bernd keeps the colour of his first lane";
    EXPECT_EQ(b.spur(1).lauf, "1. Lauf 7,100 s");
    EXPECT_EQ(b.spur(2).lauf, "1. Lauf 6,100 s");
    EXPECT_EQ(b.spur(1).abstand, "+1,000 s") << "the first heat's lead carries over";
    EXPECT_EQ(b.spur(2).position, "P1");

    // Bernd is faster in this heat and home first, Anna wins on the sum of both.
    b.signal(1, 0.1);
    b.signal(2, 0.1);
    b.signal(1, 3.0);
    EXPECT_EQ(b.spur(1).abstand, "+1,000 s") << "compared at a lap both have driven";
    b.signal(2, 3.1); // Bernd 7.1 + 3.0, Anna 6.1 + 3.1
    EXPECT_EQ(b.spur(1).abstand, "+0,900 s");
    b.signal(1, 5.9); // Bernd home: 13.0 in all
    EXPECT_EQ(b.spur(1).vermerk, "Im Ziel") << "first home in this heat decides nothing";
    b.signal(2, 6.1); // Anna home: 12.2 in all
    EXPECT_EQ(b.spur(2).vermerk, "1. Platz");
    EXPECT_EQ(b.spur(1).vermerk, "2. Platz");
    EXPECT_EQ(b.spur(1).abstand, "+0,800 s");
    EXPECT_EQ(b.a().ergebnis, "Gesamtsieger: Anna");
    ASSERT_EQ(b.dialoge.ergebnisfenster.size(), 1u);
    EXPECT_EQ(b.dialoge.ergebnisfenster[0].LaUeberschrift, "Anna hat gewonnen!");
}

TEST(Zuschauerstand, DieRennuhrLaeuftAbGruenStehtImCrashUndZeigtAmEndeDieZeitDesLetzten) {
    Zuschauerbahn b;
    b.runden(1);
    b.bei(-5);
    b.rennen.startGedrueckt();
    b.countdown(20);
    EXPECT_FALSE(b.takt.enabled()) << "no clock in the countdown";
    b.countdown(30);
    EXPECT_EQ(b.a().rennuhr, "0:00,0");
    EXPECT_TRUE(b.takt.enabled());
    b.bei(7.36);
    b.stand.taktSchlag();
    EXPECT_EQ(b.a().rennuhr, "0:07,3");

    b.rennen.crashUmschalten();
    EXPECT_FALSE(b.takt.enabled()) << "the clock stands in a crash pause";
    b.bei(20);
    b.rennen.crashUmschalten(); // 12.64 s of pause
    EXPECT_TRUE(b.takt.enabled());
    b.signal(1, 21.0);
    b.signal(2, 21.1); // first crossings, no laps
    b.bei(72.64 + 12.64);
    b.stand.taktSchlag();
    EXPECT_EQ(b.a().rennuhr, "1:12,6");

    b.signal(1, 90.0);
    b.signal(2, 95.55); // race time 95.55 - 12.64 = 82.91
    EXPECT_EQ(b.a().rennuhr, "1:22,9") << "the last car's race time";
    EXPECT_FALSE(b.takt.enabled());
    b.bei(200);
    EXPECT_EQ(b.a().rennuhr, "1:22,9");
}

TEST(Zuschauerstand, TrainingFehlstartStoppUndNeueNamenZwischenDenRennen) {
    Zuschauerbahn b;
    b.runden(2);
    b.einstellen([&](Renneinstellungen& e) { e.rennmodus = false; });
    b.starten();
    b.fahren(1, 0.1, {3.0, 2.5});
    b.fahren(2, 0.1, {2.9});
    EXPECT_EQ(b.spur(1).abstand, "führt") << "training: the best laps";
    EXPECT_EQ(b.spur(2).abstand, "+0,500 s");
    b.signal(2, 4.9);
    EXPECT_EQ(b.spur(1).abstand, "+0,600 s");
    EXPECT_EQ(b.spur(2).abstand, "führt");
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
    b.rennen.fahrerfarbeSetzen(1, 0x808000);
    EXPECT_EQ(b.spur(1).farbe, Farben::Weiss) << "dark teal does not read on the card";
    EXPECT_EQ(b.spur(1).namensgrund, 0x808000u) << "so the name stands on it";
    EXPECT_EQ(b.spur(2).namensgrund, std::nullopt);
    b.rennen.fahrerBenennen(1, QStringLiteral("Carla\nvon\u0007 Berg\u202E\u0000"));
    b.runden(5);
    EXPECT_EQ(b.spur(1).name, "Carla von Berg") << "control characters taken out";
    EXPECT_EQ(b.spur(1).gefahren, "0 / 5");
}

// A race by time: the title gives its length, the clock counts the time left down with the
// race's own, and the lanes show the laps driven without laps to go.
TEST(Zuschauerstand, RennenAufZeitZeigtDieRestzeit) {
    Zuschauerbahn b;
    b.einstellen([](Renneinstellungen& e) {
        e.rennart = Rennlaenge::Zeit;
        e.renndauer = 75;
    });
    EXPECT_EQ(b.a().titel, "Rennen – 1:15");
    b.starten();
    EXPECT_EQ(b.a().rennuhr, "1:15");
    b.signal(1, 0.5);
    b.signal(1, 3.0);
    for (int ms = 0; ms < 16'000; ms += 10) {
        b.uhr.stand += 10;
        if (b.wecker.klingelt(b.uhr.stand))
            b.rennen.rennzeitTick();
    }
    EXPECT_EQ(b.a().rennuhr, "0:56") << "75 s less the 19 s driven";
    EXPECT_EQ(b.spur(1).gefahren, "1");
    EXPECT_EQ(b.spur(1).zuFahren, "");
}

// Lane change by time: the drivers' totals are their distances added up. In the second heat
// the spectators see both heats' distances summed, the lap in progress counted by its
// fraction, and the gap overall in laps; the greater sum wins, whoever is home first.
TEST(Zuschauerstand, SpurwechselAufZeitZeigtDieGesamtdistanz) {
    Zeitwechselbahn b;
    const Zuschauerstand& zuschauer = b.stand;
    const auto spur = [&](int s) { return b.zs(s); };
    // Heat 1: Ida drives five laps, Max four.
    b.starten();
    b.plan(1, 0.5, 2, 10.5);
    b.plan(2, 0.5, 2.5, 10.5);
    b.fahren(11);

    b.starten();
    EXPECT_EQ(spur(1).name, "Max");
    EXPECT_EQ(spur(1).lauf, "Gesamt 4,000 Runden");
    EXPECT_EQ(spur(2).lauf, "Gesamt 5,000 Runden");
    EXPECT_EQ(spur(1).abstand, "+1,000 Rd.") << "the first heat's lead carries over";
    // Max drives 2 s laps, Ida 3.5 s laps.
    b.plan(1, 0.5, 2, 10.5);
    b.plan(2, 0.5, 3.5, 11);
    b.fahren(6.5);
    EXPECT_EQ(spur(1).lauf, "Gesamt 7,000 Runden") << "4 + three laps, just crossed";
    EXPECT_EQ(spur(2).lauf, "Gesamt 6,625 Runden") << "5 + one lap + 2.5 s of a 4 s lap";
    EXPECT_EQ(spur(1).position, "P1");
    EXPECT_EQ(spur(2).abstand, "+0,375 Rd.");
    b.fahren(11);
    EXPECT_EQ(spur(1).lauf, "Gesamt 9,000 Runden");
    EXPECT_EQ(spur(2).lauf, "Gesamt 8,000 Runden");
    EXPECT_EQ(spur(1).vermerk, "1. Platz");
    EXPECT_EQ(spur(2).vermerk, "2. Platz");
    EXPECT_EQ(zuschauer.ansicht().ergebnis, "Gesamtsieger: Max");
    // Totals by driver, numbered by the lane of the second heat.
    EXPECT_EQ(b.rennen.ergebnis().gesamt(1).gesamt.distanz, 9);
    EXPECT_EQ(b.rennen.ergebnis().gesamt(2).gesamt.distanz, 8);
    EXPECT_DOUBLE_EQ(b.rennen.ergebnis().gesamt(1).gesamt.zeit, 21);
    ASSERT_EQ(b.dialoge.ergebnisfenster.size(), 1u);
    EXPECT_EQ(b.dialoge.ergebnisfenster.front().LaUeberschrift, "Max hat gewonnen!");
}

// A lane change by time, where the order home is not the order of the race: the first car
// home after the time is up may have fewer laps, and equal distances over both heats are
// decided by the summed times. Place, gap and banner say what the race decided.
TEST(Zuschauerstand, SpurwechselAufZeitGibtPlatzAbstandUndSiegerAusEinerWertung) {
    Zeitwechselbahn b;
    const Zuschauerstand& zuschauer = b.stand;
    const auto spur = [&](int s) { return b.zs(s); };
    // Heat 1: Ida four laps, home first at 10.2 s; Max ten, home at 10.6 s.
    b.starten();
    b.plan(1, 0.5, 2.5, 8);
    b.plan(1, 10.2, 1, 10.2);
    b.plan(2, 0.5, 1, 9.5);
    b.plan(2, 10.6, 1, 10.6);
    b.fahren(10.4);
    EXPECT_EQ(spur(1).vermerk, "Im Ziel") << "Max may still pass her";
    b.fahren(11);
    EXPECT_EQ(zuschauer.ansicht().ergebnis, "Nach dem 1. Lauf vorn: Max");
    EXPECT_EQ(spur(2).vermerk, "1. Platz");
    EXPECT_EQ(spur(2).abstand, "führt");
    EXPECT_EQ(spur(1).vermerk, "2. Platz");
    EXPECT_EQ(spur(1).abstand, "+6,000 Rd.");

    // Heat 2: Ida ten laps on lane 2, home at 10.3 s; Max four, home at 10.7 s. Fourteen
    // laps each: Ida's 20.5 s beat Max's 21.3 s.
    b.starten();
    b.plan(1, 0.5, 2.5, 8);
    b.plan(1, 10.7, 1, 10.7);
    b.plan(2, 0.5, 1, 9.5);
    b.plan(2, 10.3, 1, 10.3);
    b.fahren(11);
    EXPECT_EQ(zuschauer.ansicht().ergebnis, "Gesamtsieger: Ida");
    EXPECT_EQ(spur(2).name, "Ida");
    EXPECT_EQ(spur(2).vermerk, "1. Platz");
    EXPECT_EQ(spur(2).abstand, "führt");
    EXPECT_EQ(spur(1).vermerk, "2. Platz");
    EXPECT_EQ(spur(1).abstand, "+0,800 s") << "as many laps: the summed times";
    ASSERT_EQ(b.dialoge.ergebnisfenster.size(), 1u);
    EXPECT_EQ(b.dialoge.ergebnisfenster.front().LaUeberschrift, "Ida hat gewonnen!");
}

namespace {
Abendanzeige abend(const QStringList& reihenfolge, std::optional<Abendpaarung> naechste,
                   const QString& stelle = QStringLiteral("Begegnung 2 von 3")) {
    Abendanzeige a{{}, {}, std::move(naechste), stelle};
    for (const QString& name : reihenfolge)
        a.tabelle.push_back({name, {QString::number(a.tabelle.size() + 1), name}, false});
    return a;
}
} // namespace

// The page and the window of a night on the simulator are checked end to end
// (zuschauerabend.sh); here the turns of a Begegnung the simulator does not stop at.
TEST(Zuschauerstand, RennabendZeigtZwischenDenBegegnungenDieTabelleUndWahrendDessenDieStelle) {
    Zuschauerbahn b;
    b.runden(1);
    b.einstellen([](Renneinstellungen& e) { e.spurwechsel = true; });
    b.stand.abendSetzen(abend({"Carla", "Anna", "Bernd"}, Abendpaarung{"Anna", "Bernd"}));
    EXPECT_EQ(zeilentext(b.a().alsNaechstes), "Als Nächstes: Anna (Spur 1) – Bernd (Spur 2)");
    EXPECT_EQ(b.a().titel, "Spurwechsel, 1. Lauf – 1 Runde");
    // The Hall of Fame asks while the race still stands at the heat just driven. After the
    // second the night has counted the Begegnung and names the next one.
    std::vector<Zuschaueransicht> imHof;
    b.rekorde.beimHofPruefen = [&] {
        if (!imHof.empty())
            b.stand.abendSetzen(abend({"Anna", "Carla", "Bernd"}, Abendpaarung{"Carla", "Anna"},
                                      QStringLiteral("Begegnung 3 von 3")));
        imHof.push_back(b.a());
    };
    b.starten();
    b.fahren(1, 0.1, {3.0});
    b.fahren(2, 0.1, {3.5});
    ASSERT_EQ(imHof.size(), 1u);
    EXPECT_EQ(zeilentext(imHof[0].abendstand),
              "Rennabend: Begegnung 2 von 3 – Anna Platz 2, Bernd Platz 3")
        << "the first heat is over, the Begegnung is not";
    EXPECT_TRUE(imHof[0].abendtabelle.empty());
    EXPECT_TRUE(b.a().abendtabelle.empty()) << "between the heats the Begegnung goes on";
    EXPECT_EQ(zeilentext(b.a().alsNaechstes), "");
    EXPECT_EQ(zeilentext(b.a().abendstand),
              "Rennabend: Begegnung 2 von 3 – Anna Platz 2, Bernd Platz 3");
    b.starten();
    EXPECT_EQ(zeilentext(b.a().abendstand),
              "Rennabend: Begegnung 2 von 3 – Bernd Platz 3, Anna Platz 2")
        << "lane 1 first, in the second heat Bernd";
    b.fahren(1, 0.1, {3.5});
    b.fahren(2, 0.1, {3.0});
    ASSERT_EQ(imHof.size(), 2u);
    EXPECT_EQ(zeilentext(imHof[1].abendstand), "")
        << "the Begegnung is over, the next one not begun";
    EXPECT_EQ(imHof[1].abendtabelle.size(), 3u);
    EXPECT_EQ(zeilentext(imHof[1].alsNaechstes), "Als Nächstes: Carla (Spur 1) – Anna (Spur 2)");
    EXPECT_EQ(imHof[1].titel, "Spurwechsel, 1. Lauf – 1 Runde") << "the race to come";
    EXPECT_EQ(imHof[1].ergebnis, "Gesamtsieger: Anna") << "beside the result of the last one";
    EXPECT_EQ(b.a(), imHof[1]) << "so it stays once the race has turned back to the first heat";

    b.stand.abendSetzen(abend({"Anna", "Bernd", "Carla"}, std::nullopt));
    EXPECT_EQ(b.a().abendtabelle.size(), 3u) << "the final standings";
    EXPECT_EQ(zeilentext(b.a().alsNaechstes), "") << "nothing comes after the last Begegnung";
    EXPECT_EQ(b.a().ergebnis, "Gesamtsieger: Anna") << "beside the last race's result";
    b.stand.abendSetzen(std::nullopt);
    EXPECT_TRUE(b.a().abendtabelle.empty()) << "without a night the race is shown as ever";
    EXPECT_EQ(b.a().titel, "Spurwechsel, 2. Lauf – 1 Runde") << "the race shown";
}

// The finished race stays up through new names, and goes once new settings make the next
// race another one, though the race's lap tables keep its laps until the next Start.
TEST(Zuschauerstand, NeueEinstellungenNachDemRennenRaeumenDieZuschauerNichtDieTabellen) {
    Zuschauerbahn b;
    b.runden(2);
    b.starten();
    b.fahren(1, 0.1, {3.0, 2.5});
    b.fahren(2, 0.1, {3.1, 2.6});
    ASSERT_EQ(b.a().ergebnis, "Sieger: Anna");
    b.rennen.fahrerBenennen(1, QStringLiteral("Carla"));
    EXPECT_EQ(b.spur(1).name, "Anna") << "the finished race keeps its drivers";
    EXPECT_EQ(b.spur(1).vermerk, "1. Platz");

    b.runden(3);
    EXPECT_EQ(b.spur(1).name, "Carla");
    EXPECT_EQ(b.spur(1).gefahren, "0 / 3");
    EXPECT_EQ(b.spur(1).letzte, "–");
    EXPECT_EQ(b.spur(1).beste, "–");
    EXPECT_EQ(b.spur(1).vermerk, "");
    EXPECT_EQ(b.spur(2).abstand, "");
    EXPECT_EQ(b.a().ergebnis, "");
    EXPECT_EQ(b.a().rennuhr, "");
    EXPECT_EQ(b.rennen.stand().spuren[1].runden.size(), 2u) << "the table keeps them";
}

// A lap taken back leaves the lap before as the last, and no new best marked on it.
TEST(Zuschauerstand, EineZurueckgenommeneRundeNimmtIhreBestzeitMit) {
    Zuschauerbahn b;
    b.runden(5);
    b.starten();
    b.fahren(1, 0.1, {3.0, 2.5, 2.0});
    ASSERT_TRUE(b.spur(1).besteNeu);
    b.rennen.rundeStreichen(1);
    EXPECT_EQ(b.spur(1).gefahren, "2 / 5");
    EXPECT_EQ(b.spur(1).letzte, "2,500 s");
    EXPECT_EQ(b.spur(1).beste, "2,500 s");
    EXPECT_FALSE(b.spur(1).besteNeu) << "2.5 was a best when driven, but is not new now";
    b.fahren(2, 0.1, {2.8});
    EXPECT_EQ(b.spur(2).abstand, "") << "lane 2 crossed after lane 1's second lap";
}

// Without a countdown the race is under way at Start; the clock waits for the first car.
TEST(Zuschauerstand, FliegenderStartZeigtKeinenCountdownUndDieUhrAbDerErstenDurchfahrt) {
    Zuschauerbahn b;
    b.einstellen([&](Renneinstellungen& e) {
        e.ohneCountdown = true;
        e.rundenzahl = 3;
    });
    b.bei(-5);
    b.rennen.startGedrueckt();
    EXPECT_EQ(b.a().countdown, "");
    EXPECT_EQ(b.a().rennuhr, "");
    EXPECT_FALSE(b.takt.enabled());
    b.signal(1, 0.0);
    EXPECT_TRUE(b.takt.enabled()) << "green at the first crossing";
    EXPECT_EQ(b.a().rennuhr, "0:00,0");
    b.signal(1, 3.0);
    EXPECT_EQ(b.spur(1).position, "P1");
    EXPECT_EQ(b.spur(1).gefahren, "1 / 3");
}

// On a wider track the line names every lane of the next Lauf, a free one as free, each name
// in its driver's colour; the page of one driver finds where they drive next, in and between
// the Läufe. On the live page the names carry their colours.
TEST(Zuschauerstand, RennabendAufVierSpurenNenntJedeSpurInDerFarbeDesFahrers) {
    Zuschauerbahn b;
    b.einstellen([](Renneinstellungen& e) { e.spuranzahl = 4; });
    Abendanzeige a =
        abend({"Anna", "Bert", "Carla"},
              Abendpaarung{"Anna",
                           "",
                           {"Bert", "Carla"},
                           3,
                           {Farben::Rot, std::nullopt, Farben::Hellgrau, Farben::Blassgelb}},
              QStringLiteral("Lauf 3 von 4"));
    a.fahrerlaeufe = {{"Anna", "Dein nächster Lauf: Lauf 3, Spur 1"}};
    b.stand.abendSetzen(a);
    const Namenszeile zeile = b.a().alsNaechstes;
    EXPECT_EQ(zeilentext(zeile),
              "Als Nächstes: Lauf 3 – Anna (Spur 1), Spur 2 frei, Bert (Spur 3), Carla (Spur 4)");
    std::vector<std::optional<Farbe>> farben;
    for (const Zeilenteil& t : zeile)
        if (t.name)
            farben.push_back(t.farbe);
    EXPECT_EQ(farben, (std::vector<std::optional<Farbe>>{Farben::Rot, Farben::Hellgrau,
                                                         Farben::Blassgelb}));
    EXPECT_EQ(b.a().fahrerlaeufe, a.fahrerlaeufe);

    const QJsonObject json = QJsonDocument::fromJson(seitenJson(b.a())).object();
    const QJsonArray teile = json[QStringLiteral("teile")][QStringLiteral("naechste")].toArray();
    EXPECT_EQ(teile.at(1).toObject()[QStringLiteral("farbe")], "#ff0000");
    EXPECT_EQ(json[QStringLiteral("abend")][QStringLiteral("laeufe")].toArray().at(0).toObject(),
              (QJsonObject{
                  {QStringLiteral("name"), QStringLiteral("Anna")},
                  {QStringLiteral("text"), QStringLiteral("Dein nächster Lauf: Lauf 3, Spur 1")}}));
}
