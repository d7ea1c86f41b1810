#include "Mehrspuransicht.h"
#include "Strafwertung.h"
#include "Zahlenformat.h"
#include "Zeitbahn.h"

#include <gtest/gtest.h>

namespace {
const QString Fehlstart = QStringLiteral("Fehlstart");

// What the listeners hear of penalties.
struct Strafprotokoll final : Rennbeobachter {
    void strafe(const Rennen&, const Strafe& s) override { gegeben.push_back(s); }
    void strafeZurueckgenommen(const Rennen&, const Strafe& s) override { zurueck.push_back(s); }
    void fehlstart(const Rennen&, int spur) override { abgebrochen.push_back(spur); }
    void rennende(const Rennen&, int sieger) override { siegerBeimEnde = sieger; }
    std::vector<Strafe> gegeben, zurueck;
    std::vector<int> abgebrochen;
    int siegerBeimEnde = -1;
};

// Four lanes of three laps, each lane one constant lap time, lane 1 the fastest; the
// signals come in the order of time, and `unterwegs` runs at that race second.
void vierSpurenFahren(Rennbahn& b, double unterwegs, const std::function<void()>& strafen) {
    b.einstellen([](Renneinstellungen& e) {
        e.spuranzahl = 4;
        e.rundenzahl = 3;
    });
    b.starten();
    std::vector<std::pair<double, int>> signale;
    for (int runde = 0; runde <= 3; ++runde)
        for (int spur = 1; spur <= 4; ++spur)
            signale.emplace_back(0.5 + runde * (2.0 + 0.1 * spur), spur);
    std::sort(signale.begin(), signale.end());
    bool gegeben = false;
    for (const auto& [zeit, spur] : signale) {
        if (!gegeben && zeit > unterwegs) {
            b.bei(unterwegs);
            strafen();
            gegeben = true;
        }
        b.signal(spur, zeit);
    }
}
} // namespace

// Cars off before green, lane 2 then lane 1, each rolling over the line once more. By each
// rule every lane is told once a start; the rule decides whether the start stops or the
// lanes carry a penalty into the race. The next Start begins afresh.
TEST(Strafen, FehlstartJeNachRegel) {
    struct Fall {
        Fehlstartregel regel;
        std::vector<Strafe> strafen; // none: the start is called off
        QString vermerk; // in the name fields; none: the drivers' names and their penalty
    };
    const Fall faelle[] = {
        {Fehlstartregel::Abbruch, {}, Fehlstart},
        {Fehlstartregel::Zeitstrafe,
         {{0, 2, Strafart::Zeit, 5, 0, Fehlstart}, {0, 1, Strafart::Zeit, 5, 0, Fehlstart}},
         {}},
        {Fehlstartregel::StopAndGo,
         {{0, 2, Strafart::StopAndGo, 12, 0, Fehlstart},
          {0, 1, Strafart::StopAndGo, 12, 0, Fehlstart}},
         QStringLiteral("Stop and go")},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(fehlstartregelName(f.regel).toStdString());
        const bool abbruch = f.strafen.empty();
        Rennbahn b;
        Strafprotokoll protokoll;
        b.rennen.beobachterAnmelden(protokoll);
        b.einstellen([&](Renneinstellungen& e) {
            e.fehlstartregel = f.regel;
            e.fehlstartstrafe = 5;
            e.stopAndGoZeit = 12;
        });
        b.bei(-5);
        b.rennen.startGedrueckt();
        b.countdown(20);
        for (const auto& [spur, zeit] : {std::pair{2, -2.9}, {1, -2.5}, {2, -2.0}, {1, -1.5}})
            b.signal(spur, zeit);
        const QStringList gemeldet{"Fehlstart von Fahrer 2", "Fehlstart von Fahrer 1"};
        EXPECT_EQ(b.meldungstexte(), abbruch ? gemeldet : QStringList());
        if (abbruch) {
            EXPECT_EQ(b.dialoge.meldungen[0].titel, "Rundomat");
        }
        EXPECT_EQ(protokoll.abgebrochen, abbruch ? (std::vector<int>{2, 1}) : std::vector<int>());
        EXPECT_EQ(protokoll.gegeben, f.strafen);
        EXPECT_EQ(b.stand().strafen, f.strafen);
        EXPECT_EQ(b.klang.pieptoene.size(), 2u) << "one beep a lane";
        EXPECT_EQ(b.timer.enabled(), !abbruch) << "only the rule Abbruch stops the countdown";
        for (int spur : {1, 2})
            EXPECT_EQ(b.ansicht().fahrer[spur].text,
                      f.vermerk.isEmpty() ? QStringLiteral("Fahrer %1  +5 s").arg(spur) : f.vermerk);
        EXPECT_FALSE(b.stand().signaleGesperrt);
        EXPECT_FALSE(b.ansicht().optionen.bedienbar) << "closed until a race ends or stops";
        EXPECT_FALSE(b.ansicht().hallOfFame.bedienbar);
        b.countdown(30);
        const Lampe l = abbruch ? Lampe::Gelb : Lampe::Gruen;
        EXPECT_EQ(b.lampen(), (Reihe<Lampe, 5>{l, l, l, l, l}));
        EXPECT_EQ(b.ansicht().start.text, abbruch ? "Start" : "Stop");

        if (!abbruch)
            b.rennen.startGedrueckt(); // stops the race
        b.bei(5);
        b.rennen.startGedrueckt();
        EXPECT_EQ(b.ansicht().countdown.text, "5");
        EXPECT_TRUE(b.timer.enabled());
        EXPECT_EQ(b.ansicht().fahrer[2].text, "Fahrer 2");
        EXPECT_TRUE(b.stand().strafen.empty());
        const std::size_t piepte = b.klang.pieptoene.size();
        b.signal(2, 6);
        EXPECT_EQ(b.klang.pieptoene.size(), piepte + 1) << "after a new Start it counts again";
        EXPECT_EQ(b.stand().strafen.size(), abbruch ? 0u : 1u);
        EXPECT_EQ(b.meldungstexte().size(), abbruch ? 3 : 0);
    }
}

// Lane 1 jumps the start and is home 3.1 s ahead: its 5 s penalty gives lane 2 the race.
TEST(Strafen, EineZeitstrafeFuerDenFehlstartKostetDenSieg) {
    Rennbahn b;
    Strafprotokoll protokoll;
    b.rennen.beobachterAnmelden(protokoll);
    b.einstellen([](Renneinstellungen& e) {
        e.rundenzahl = 3;
        e.fehlstartregel = Fehlstartregel::Zeitstrafe;
        e.fehlstartstrafe = 5;
    });
    b.bei(-5);
    b.rennen.startGedrueckt();
    b.countdown(30);
    b.signal(1, -2);
    b.countdown(20);
    ASSERT_EQ(b.stand().ampel, Ampel::Gruen);

    b.fahren(1, 0.5, {2, 2, 2}); // the early signal was no crossing: lap 1 from green
    EXPECT_EQ(b.rundenzeiten(1), (std::vector<double>{0, 2.5, 2, 2}));
    EXPECT_EQ(b.ansicht().fahrer[1].text, "Fahrer 1  +5 s") << "first home, not yet the winner";
    b.fahren(2, 0.6, {3, 3, 3});

    EXPECT_EQ(b.ansicht().fahrer[2].text, "Sieger!!!");
    EXPECT_EQ(b.ansicht().fahrer[2].markierung, "Sieger");
    EXPECT_EQ(b.ansicht().fahrer[1].text, "Verlierer");
    EXPECT_EQ(protokoll.siegerBeimEnde, 2);
    const Laufergebnis& lauf = b.rennen.ergebnis().letzterLauf();
    EXPECT_EQ(lauf.sieger, 2);
    EXPECT_EQ(lauf.strafen, protokoll.gegeben);
    EXPECT_EQ(b.plaetze(), (std::vector<int>{2, 1}));
    EXPECT_DOUBLE_EQ(lauf.spur(1).lauf.zeit, 11.5);
    EXPECT_DOUBLE_EQ(lauf.spur(1).lauf.strafzeit, 5);
    EXPECT_DOUBLE_EQ(lauf.spur(1).lauf.geschwindigkeit, Zahlenformat::runden3(15 / 11.5));
    EXPECT_DOUBLE_EQ(lauf.spur(2).lauf.zeit, 9.6);
    EXPECT_DOUBLE_EQ(lauf.zielabstand(), 1.9);
    // The lap table's race time stays as driven; the record goes by the penalised one.
    EXPECT_DOUBLE_EQ(b.spur(1).schnitt, 15 / 6.5);
    EXPECT_DOUBLE_EQ(gewerteterSchnitt(b.stand(), 1), 15 / 11.5);
    EXPECT_DOUBLE_EQ(gewerteterSchnitt(b.stand(), 2), b.spur(2).schnitt);
}

TEST(Strafen, WasAbgelehntWirdAendertNichts) {
    Rennbahn b;
    EXPECT_FALSE(b.rennen.strafeGeben(1, Strafart::Zeit, 5, {})) << "no race under way";
    b.einstellen([](Renneinstellungen& e) {
        e.spuranzahl = 3;
        e.freieSpuren = 0b100;
    });
    b.starten();
    const std::size_t piepte = b.klang.pieptoene.size();
    EXPECT_FALSE(b.rennen.strafeGeben(3, Strafart::Zeit, 5, {})) << "a free lane";
    EXPECT_FALSE(b.rennen.strafeGeben(1, Strafart::Zeit, 0.5, {}));
    EXPECT_FALSE(b.rennen.strafeGeben(1, Strafart::StopAndGo, 601, {}));
    EXPECT_FALSE(b.rennen.strafeGeben(1, Strafart::Runden, 1.5, {}));
    EXPECT_FALSE(b.rennen.strafeGeben(1, Strafart::Runden, 0, {}));
    EXPECT_FALSE(b.rennen.strafeZuruecknehmen()) << "none to take back";
    EXPECT_TRUE(b.stand().strafen.empty());
    EXPECT_EQ(b.klang.pieptoene.size(), piepte + 6) << "the race director hears each refusal";
    b.bei(7.25);
    EXPECT_TRUE(b.rennen.strafeGeben(2, Strafart::Zeit, 600, QStringLiteral("Abkürzung")));
    EXPECT_EQ(b.stand().strafen, (std::vector<Strafe>{{0, 2, Strafart::Zeit, 600, 7.25,
                                                       QStringLiteral("Abkürzung")}}));
}

// Lane 1, the fastest, loses a lap and falls behind every lane that counts three; lane 2's
// two seconds put it behind lanes 3 and 4.
TEST(Strafen, RundenUndZeitstrafenOrdnenVierSpurenNeu) {
    Rennbahn b;
    vierSpurenFahren(b, 3, [&] {
        EXPECT_TRUE(b.rennen.strafeGeben(1, Strafart::Runden, 1, QStringLiteral("Abkürzung")));
        EXPECT_TRUE(b.rennen.strafeGeben(2, Strafart::Zeit, 2, QStringLiteral("Rempler")));
    });
    const Laufergebnis& lauf = b.rennen.ergebnis().letzterLauf();
    EXPECT_EQ(b.plaetze(), (std::vector<int>{4, 3, 1, 2}));
    EXPECT_EQ(lauf.sieger, 3);
    EXPECT_EQ(b.spur(3).ausgang, Spurausgang::Sieg);
    EXPECT_EQ(b.spur(1).ausgang, Spurausgang::Niederlage);
    EXPECT_EQ(lauf.spur(1).lauf.strafrunden, 1);
    EXPECT_EQ(lauf.spur(1).runden.size(), 3u) << "the lane drove its laps";
    EXPECT_DOUBLE_EQ(lauf.spur(1).lauf.geschwindigkeit, Zahlenformat::runden3(10 / 6.8));
    EXPECT_DOUBLE_EQ(lauf.spur(2).lauf.zeit, 9.1);
}

// A penalty given after the first lane is home takes its win until the end; taken back,
// the race is as if it had never been given.
TEST(Strafen, ZurueckgenommenIstDasErgebnisWieOhneStrafe) {
    Rennbahn ohne;
    vierSpurenFahren(ohne, 100, [] {});
    Rennbahn mit;
    Strafprotokoll protokoll;
    mit.rennen.beobachterAnmelden(protokoll);
    vierSpurenFahren(mit, 7, [&] {
        ASSERT_EQ(mit.spur(1).ausgang, Spurausgang::Sieg);
        EXPECT_TRUE(mit.rennen.strafeGeben(1, Strafart::Zeit, 30, {}));
        EXPECT_EQ(mit.spur(1).ausgang, Spurausgang::Offen);
        EXPECT_FALSE(mit.stand().rennsieger);
        EXPECT_TRUE(mit.rennen.strafeGeben(4, Strafart::Runden, 2, {}));
        EXPECT_TRUE(mit.rennen.strafeZuruecknehmen());
        EXPECT_EQ(mit.stand().strafen.size(), 1u) << "the last one given goes";
        EXPECT_TRUE(mit.rennen.strafeZuruecknehmen());
        EXPECT_EQ(mit.spur(1).ausgang, Spurausgang::Sieg);
        EXPECT_EQ(mit.stand().rennsieger, 1);
    });
    ASSERT_EQ(protokoll.zurueck.size(), 2u);
    EXPECT_EQ(protokoll.zurueck[0].spur, 4);
    EXPECT_EQ(mit.rennen.ergebnis(), ohne.rennen.ergebnis());
    EXPECT_EQ(mit.stand().spuren, ohne.stand().spuren);
    EXPECT_EQ(mit.ansicht(), ohne.ansicht());
    EXPECT_EQ(mit.rennen.ergebnis().letzterLauf().sieger, 1);
}

// A lane home keeps taking penalties until the race is over; after it nothing is taken.
TEST(Strafen, NachDemZielZaehltDieStrafeBisZumRennende) {
    Rennbahn b;
    b.runden(2);
    b.starten();
    b.fahren(1, 0.5, {2, 2});
    b.fahren(2, 0.6, {2.5});
    EXPECT_FALSE(b.rennen.strafeGeben(1, Strafart::StopAndGo, 10, {})) << "no stop left to make";
    EXPECT_TRUE(b.rennen.strafeGeben(1, Strafart::Zeit, 1.5, {}));
    b.signal(2, 5.6);
    EXPECT_EQ(b.rennen.ergebnis().letzterLauf().sieger, 2) << "4.5 + 1.5 is behind 5.6";
    EXPECT_FALSE(b.rennen.strafeGeben(2, Strafart::Zeit, 5, {}));
    EXPECT_FALSE(b.rennen.strafeZuruecknehmen());
}

// By time a lap penalty shortens the distance: lane 1, ahead by less than the two laps it
// loses, is behind lane 2 on the result.
TEST(Strafen, ImZeitrennenKostetEineRundenstrafeStrecke) {
    Zeitbahn b(Zielregel::Sofort);
    b.starten();
    b.plan(1, 0.5, 2.0, 19);
    b.plan(2, 0.6, 2.4, 19);
    b.fahren(10);
    EXPECT_TRUE(b.rennen.strafeGeben(1, Strafart::Runden, 2, {}));
    b.fahren(21);
    ASSERT_FALSE(b.stand().gestartet);
    const Laufergebnis& lauf = b.rennen.ergebnis().letzterLauf();
    EXPECT_EQ(lauf.sieger, 2);
    EXPECT_DOUBLE_EQ(lauf.spur(1).lauf.distanz, b.distanz(1) - 2);
    EXPECT_LT(lauf.spur(1).lauf.distanz, lauf.spur(2).lauf.distanz);
    EXPECT_EQ(b.plaetze(), (std::vector<int>{2, 1}));
    EXPECT_EQ(b.ansicht().fahrer[2].text, "Sieger!!!");
    EXPECT_EQ(b.ansicht().fahrer[1].text, "Verlierer");
}

// Over a lane change the laps a penalty took count against the driver's totals: the faster
// driver, a lap short in the second heat, comes second.
TEST(Strafen, DieGesamtwertungEinesSpurwechselsZaehltDieStrafrunden) {
    Rennbahn b;
    b.einstellen([](Renneinstellungen& e) {
        e.spurwechsel = true;
        e.rundenzahl = 2;
    });
    b.starten();
    b.fahren(1, 0.5, {2, 2});
    b.fahren(2, 0.6, {2.5, 2.5});
    b.starten();
    ASSERT_EQ(b.spur(2).fahrer, "Fahrer 1");
    b.fahren(2, 0.5, {2, 2});
    EXPECT_TRUE(b.rennen.strafeGeben(2, Strafart::Runden, 1, {}));
    b.fahren(1, 0.6, {2.5, 2.5});
    const Rennergebnis& e = b.rennen.ergebnis();
    ASSERT_TRUE(e.komplett());
    EXPECT_EQ(e.gesamt(2).fahrer, "Fahrer 1");
    EXPECT_EQ(e.gesamt(2).gesamt.strafrunden, 1);
    EXPECT_LT(e.gesamt(2).gesamt.zeit, e.gesamt(1).gesamt.zeit);
    EXPECT_EQ(e.gesamt(1).platz, 1);
    EXPECT_EQ(e.gesamt(2).platz, 2);
    EXPECT_EQ(e.sieger(), 1);
    EXPECT_EQ(e.laeufe[0].strafen, std::vector<Strafe>{});
    EXPECT_EQ(e.letzterLauf().strafen.size(), 1u);
}

// Without power to cut, a stop and go is timed from the lane's next crossing: what crosses
// within its seconds is no lap, and the lap in progress runs on through the stop.
TEST(Strafen, EinStopAndGoZaehltDieDurchfahrtenWaehrendDesStoppsNicht) {
    Rennbahn b;
    b.runden(3);
    b.starten();
    b.fahren(1, 0.5, {2});
    b.bei(3);
    EXPECT_TRUE(b.rennen.strafeGeben(1, Strafart::StopAndGo, 10, {}));
    EXPECT_EQ(b.ansicht().fahrer[1].text, "Stop and go");
    b.signal(1, 4.5); // a lap; the stop begins here
    b.signal(1, 6);   // rolling over the line again: not counted
    b.signal(1, 14);
    EXPECT_EQ(b.rundenzeiten(1), (std::vector<double>{0, 2.5, 2}));
    EXPECT_EQ(b.ansicht().fahrer[1].text, "Stop and go");
    b.signal(1, 16.5); // the stop is served: the lap counts from 4.5
    EXPECT_EQ(b.rundenzeiten(1), (std::vector<double>{0, 2.5, 2, 12}));
    EXPECT_EQ(b.ansicht().fahrer[1].text, "Fahrer 1");
    b.fahren(2, 0.6, {6, 6, 6});
    EXPECT_EQ(b.ansicht().fahrer[1].text, "Sieger!!!") << "served, it adds no time";
}

// Given before a flying start, a stop and go begins at the lane's first crossing, also for
// the lane whose crossing starts the race clock: neither drives a lap before its stop.
TEST(Strafen, EinStopAndGoVorDemFliegendenStartBeginntAnDerErstenDurchfahrt) {
    Rennbahn b;
    b.einstellen([](Renneinstellungen& e) { e.ohneCountdown = true; });
    b.bei(-1);
    b.rennen.startGedrueckt();
    ASSERT_TRUE(b.rennen.strafeGeben(1, Strafart::StopAndGo, 3, {}));
    ASSERT_TRUE(b.rennen.strafeGeben(2, Strafart::StopAndGo, 3, {}));
    for (const double zeit : {0.0, 2.0, 4.0}) {
        b.signal(1, zeit); // the first starts the race clock
        b.signal(2, zeit + 0.1);
    }
    EXPECT_EQ(b.rundenzeiten(1), (std::vector<double>{0, 4}));
    EXPECT_EQ(b.rundenzeiten(2), (std::vector<double>{0, 4.1})) << "lap 1 from the clock's start";
}

TEST(Strafen, VieleSpurenZeigenDenStopAndGoInIhrerZeile) {
    Rennbahn b;
    b.einstellen([](Renneinstellungen& e) { e.spuranzahl = 3; });
    b.starten();
    b.fahren(3, 0.5, {2});
    EXPECT_TRUE(b.rennen.strafeGeben(3, Strafart::StopAndGo, 5, {}));
    const Mehrspuransicht a = mehrspuransicht(b.rennen, 1);
    EXPECT_EQ(a.zeilen[2].zelle(Mehrspurspalte::Abstand), "Stop and go");
    EXPECT_EQ(a.zeilen[0].zelle(Mehrspurspalte::Abstand), "");
}
