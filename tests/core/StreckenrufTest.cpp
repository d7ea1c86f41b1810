// The automatic track call: which lane is overdue when, the call it brings, its replay, and
// a stop and go that cuts a board lane's power.
#include "Rennbahn.h"
#include "Streckenrufwacht.h"
#include "Zufallsrennen.h"

#include <gtest/gtest.h>

namespace {
Spurstand gefahren(std::vector<double> rundenzeiten) {
    Spurstand s;
    double t = 0;
    for (double z : rundenzeiten)
        s.runden.push_back({z, 1, t += z, false});
    s.rundenbeginn = t;
    s.runde = int(rundenzeiten.size()) + 1;
    return s;
}
} // namespace

// Lane 1 drives steady 40 s laps, due at 120 + 3 x 40; lane 2 varies; each case changes one
// thing.
TEST(Streckenruf, WelcheSpurWannUeberfaelligIst) {
    struct Fall {
        const char* was;
        std::function<void(Rennstand&)> aendern;
        int faktor;
        std::optional<Ueberfaelligkeit> erwartet;
    };
    const std::vector<Fall> faelle{
        {"lane 2's median of 3, 5, 100 is 5: due 3 x 5 after its last crossing",
         {},
         3,
         Ueberfaelligkeit{2, 108 + 15}},
        {"the factor counts", {}, 10, Ueberfaelligkeit{2, 108 + 50}},
        {"an even count takes the middle two",
         [](Rennstand& r) {
             r.spuren[2] = gefahren({3, 5, 7, 100});
         },
         3, Ueberfaelligkeit{2, 115 + 18}},
        {"two laps are not enough",
         [](Rennstand& r) {
             r.spuren[2] = gefahren({1, 1});
         },
         3, Ueberfaelligkeit{1, 240}},
        {"a lane home is left out", [](Rennstand& r) { r.spuren[2].fertig = true; }, 3,
         Ueberfaelligkeit{1, 240}},
        {"a free lane is left out", [](Rennstand& r) { r.einstellungen.freieSpuren = 0b10; }, 3,
         Ueberfaelligkeit{1, 240}},
        {"a stop and go still to begin is left out",
         [](Rennstand& r) { r.spuren[2].stopAndGoOffen = 10; }, 3, Ueberfaelligkeit{1, 240}},
        {"a stop and go under way: its time runs from the stop's end",
         [](Rennstand& r) { r.spuren[2].stopAndGoBis = 120; }, 3, Ueberfaelligkeit{2, 135}},
        {"after a track call every lane's time runs anew",
         [](Rennstand& r) {
             r.streckenrufe.push_back({0, 130, 145, Streckenrufursache::Hand});
         },
         3, Ueberfaelligkeit{2, 145}},
        {"none during a crash pause", [](Rennstand& r) { r.crashPause = true; }, 3, std::nullopt},
        {"none before green", [](Rennstand& r) { r.rennenLaeuft = false; }, 3, std::nullopt},
        {"none at a flying start before the first car",
         [](Rennstand& r) { r.einstellungen.ohneCountdown = true; }, 3, std::nullopt},
    };
    for (const Fall& f : faelle) {
        Rennstand r;
        r.gestartet = r.rennenLaeuft = true;
        r.spuren[1] = gefahren({40, 40, 40});
        r.spuren[2] = gefahren({3, 5, 100});
        if (f.aendern)
            f.aendern(r);
        EXPECT_EQ(naechsteUeberfaelligkeit(r, f.faktor), f.erwartet) << f.was;
    }
}

// Lane 2 stops after its third lap with the automatic call on: the watch's alarm rings at
// the overdue moment, the race stands with the call Automatisch, the status bar says so, and
// Space resumes. Replayed from its record without any watch, the race calls the same.
TEST(Streckenruf, DieWachtRuftDenStreckenrufUndDieWiedergabeAuchOhneSie) {
    Aufnahmebahn a;
    FakeWecker wachtwecker{a.uhr};
    Streckenrufwacht wacht(
        wachtwecker, [&] { return a.rennen.signalzeit(a.uhr.stand) - a.rennen.stand().startzeit; },
        [&](int spur) { a.rennen.streckenrufAusloesen(spur); });
    a.rennen.beobachterAnmelden(wacht);
    Renneinstellungen e;
    e.rundenzahl = 20;
    e.streckenrufautomatik = true;
    a.rennen.einstellungenAnwenden(e);
    a.uhr.stand = 100'000;
    a.rennen.startGedrueckt();
    for (int tick = 0; tick < 50; ++tick) {
        a.uhr.stand += 100;
        a.rennen.countdownTick();
    }
    const std::int64_t gruen = a.uhr.stand;
    const auto bei = [&](double s) { a.uhr.stand = gruen + std::llround(s * 1000); };
    // Lane 1 every 2 s, lane 2 every 3 s; lane 2 crosses last at 0.5 + 9 = 9.5 s.
    for (int runde = 0; runde <= 3; ++runde) {
        bei(0.4 + 2 * runde);
        a.rennen.handrunde(1);
        bei(0.5 + 3 * runde);
        a.rennen.handrunde(2);
    }
    for (double t : {8.4, 10.4, 12.4, 14.4, 16.4, 18.4}) {
        bei(t);
        a.rennen.handrunde(1);
    }
    ASSERT_TRUE(wachtwecker.faellig);
    EXPECT_EQ(*wachtwecker.faellig, gruen + 18'500) << "9.5 s + 3 x 3 s";
    EXPECT_FALSE(a.rennen.stand().crashPause);
    bei(18.5);
    ASSERT_TRUE(wachtwecker.klingelt(a.uhr.stand));
    wacht.wecken(a.rennen);
    const Rennstand& r = a.rennen.stand();
    EXPECT_TRUE(r.crashPause);
    ASSERT_EQ(r.streckenrufe.size(), 1u);
    EXPECT_EQ(r.streckenrufe[0].ursache, Streckenrufursache::Automatisch);
    EXPECT_DOUBLE_EQ(r.streckenrufe[0].beginn, 18.5);
    EXPECT_TRUE(a.dialoge.meldungen.empty()) << "no message box";
    EXPECT_EQ(hauptfensterAnsicht(a.rennen).statusleiste.feld("modus").text,
              "Streckenruf (automatisch)");
    EXPECT_TRUE(hauptfensterAnsicht(a.rennen).crash.sichtbar);
    EXPECT_FALSE(wachtwecker.faellig) << "no second call while the race stands";
    a.rennen.streckenrufAusloesen(2); // a late alarm changes nothing
    EXPECT_EQ(r.streckenrufe.size(), 1u);

    bei(30);
    a.rennen.crashUmschalten(); // Space
    EXPECT_FALSE(r.crashPause);
    EXPECT_DOUBLE_EQ(*r.streckenrufe[0].ende, 30);
    ASSERT_TRUE(wachtwecker.faellig);
    EXPECT_EQ(*wachtwecker.faellig, gruen + 30'000 + 6'000) << "lane 1's 3 x 2 s from the resume";

    Wiedergabebahn w(a.aufnahme.mitschnitt());
    ASSERT_TRUE(w.wiedergabe.abspielen(w.rennen));
    EXPECT_EQ(w.rennen.stand().streckenrufe, r.streckenrufe);
    EXPECT_EQ(w.rennen.stand(), r);
}

namespace {
// What the board is told of the lanes' power.
struct Stromprotokoll final : Rennbeobachter {
    void spurstrom(const Rennen&, int spur, bool an) override { schaltungen.push_back({spur, an}); }
    std::vector<std::pair<int, bool>> schaltungen;
};
} // namespace

// On a board that switches the lanes' power a stop and go cuts it at once, crossings before
// its end are no laps, the race's alarm gives the power back when it is served, and the
// lane's next crossing counts. Without power outputs the stop is timed from the next crossing.
TEST(Streckenruf, StopAndGoSchaltetDenSpurstromDerPlatine) {
    for (const bool spurstrom : {true, false}) {
        Rennbahn b;
        Stromprotokoll strom;
        b.rennen.beobachterAnmelden(strom);
        b.rennen.portGeoeffnet("/dev/ttyUSB0");
        b.rennen.platineErkannt(spurstrom);
        b.runden(10);
        b.starten();
        b.fahren(2, 0.5, {2, 2});
        b.fahren(1, 0.4, {2});
        b.bei(3);
        ASSERT_TRUE(b.rennen.strafeGeben(1, Strafart::StopAndGo, 10, "Rennleitung"));
        if (!spurstrom) {
            EXPECT_TRUE(strom.schaltungen.empty());
            EXPECT_FALSE(b.spur(1).stopAndGoBis) << "the stop begins at the next crossing";
            continue;
        }
        EXPECT_EQ(strom.schaltungen, (std::vector<std::pair<int, bool>>{{1, false}}));
        ASSERT_TRUE(b.wecker.faellig);
        EXPECT_EQ(*b.wecker.faellig, Rennbahn::Basis + 13'000);
        EXPECT_EQ(b.rennen.signalPruefen(1, double(Rennbahn::Basis) / 1000 + 5),
                  Signalausgang::StopAndGo);
        b.signal(1, 6); // a car that coasts over the line
        EXPECT_EQ(b.spur(1).runden.size(), 1u);
        EXPECT_EQ(b.ansicht().fahrer[1].text, "Stop and go");
        b.bei(13);
        b.rennen.rennzeitTick();
        EXPECT_EQ(strom.schaltungen, (std::vector<std::pair<int, bool>>{{1, false}, {1, true}}));
        EXPECT_FALSE(b.wecker.faellig);
        b.signal(1, 15);
        EXPECT_EQ(b.rundenzeiten(1), (std::vector<double>{0, 2.4, 12.6}));
        EXPECT_EQ(b.ansicht().fahrer[1].text, "Fahrer 1");

        // Stop ends a race with a lane still without power: it gets it back.
        b.bei(16);
        ASSERT_TRUE(b.rennen.strafeGeben(2, Strafart::StopAndGo, 5, "Rennleitung"));
        b.rennen.startGedrueckt();
        EXPECT_EQ(strom.schaltungen.back(), (std::pair<int, bool>{2, true}));
    }
}
