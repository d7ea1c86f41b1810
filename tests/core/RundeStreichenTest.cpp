#include "Rennbahn.h"

#include <gtest/gtest.h>

namespace {
struct Streichliste : Rennbeobachter {
    void rundeGestrichen(const Rennen&, const Streichmeldung& m) override {
        meldungen.push_back(m);
    }
    std::vector<Streichmeldung> meldungen;
};
} // namespace

// A doubled Shift+1 taken back: the lane drives on as if the second press never came.
TEST(RundeStreichen, DoppelteHandrundeVerschwindetUndDieRundeLaeuftVonDerDurchfahrtDavor) {
    Rennbahn b;
    Streichliste liste;
    b.rennen.beobachterAnmelden(liste);
    b.runden(3);
    b.rennen.fahrerBenennen(1, QStringLiteral("Anna"));
    b.starten();
    b.fahren(1, 0.5, {4.0}); // lap 1: 4,5 s from green, 1,111 m/s
    b.signal(1, 4.7);        // the doubled press: 0,2 s, 25 m/s, best lap, top speed
    ASSERT_EQ(b.maxg(), "Maximalgeschwindigkeit: 25 m/s von Anna");
    const std::size_t piepse = b.klang.pieptoene.size();

    b.bei(5.0);
    b.rennen.rundeStreichen(1);
    EXPECT_EQ(b.rundenzeiten(1), (std::vector<double>{0, 4.5}));
    EXPECT_EQ(b.ansicht().restrunden[1].text, "2");
    EXPECT_EQ(b.ansicht().zeit[1].text, "4,500 sec");
    EXPECT_EQ(b.ansicht().bestzeit[1].text, "4,500 sec");
    EXPECT_EQ(b.zelle(1, 2, 1).text, "") << "the row of the lap taken back is empty again";
    EXPECT_EQ(b.maxg(), "Maximalgeschwindigkeit: 1,111 m/s von Anna");
    EXPECT_EQ(b.klang.pieptoene.size(), piepse) << "a lap taken back is no fault";
    ASSERT_EQ(liste.meldungen.size(), 1u);
    EXPECT_EQ(liste.meldungen[0].runde, 2);
    EXPECT_DOUBLE_EQ(liste.meldungen[0].rundenzeit, 0.2);
    EXPECT_NEAR(liste.meldungen[0].zeit - b.stand().startzeit, 5.0, 1e-9);

    // The lap in progress began at the crossing before the one taken back.
    b.signal(1, 8.5);
    EXPECT_EQ(b.rundenzeiten(1), (std::vector<double>{0, 4.5, 4.0}));
    b.signal(1, 12.0);
    EXPECT_TRUE(b.spur(1).fertig) << "three laps, as the race asked";
    EXPECT_EQ(b.spur(1).bestrunde, 3);
    EXPECT_DOUBLE_EQ(*b.spur(1).zielzeit, 12.0);
}

// Nothing to take back: a beep, a message to the listeners, and not one fact changed.
TEST(RundeStreichen, OhneRundeImZielOderNachDemRennenNurEinPiepton) {
    Rennbahn b;
    Streichliste liste;
    b.rennen.beobachterAnmelden(liste);
    b.runden(2);
    const auto nurPiepen = [&](int spur, const char* wann) {
        const Rennstand vorher = b.stand();
        const std::size_t piepse = b.klang.pieptoene.size();
        const std::size_t meldungen = liste.meldungen.size();
        b.rennen.rundeStreichen(spur);
        EXPECT_EQ(b.stand(), vorher) << wann;
        EXPECT_EQ(b.klang.pieptoene.size(), piepse + 1) << wann;
        ASSERT_EQ(liste.meldungen.size(), meldungen + 1) << wann;
        EXPECT_EQ(liste.meldungen.back().runde, 0) << wann;
    };
    nurPiepen(1, "between races");
    b.starten();
    nurPiepen(1, "green, no crossing yet");
    b.signal(1, 0.5);
    nurPiepen(1, "the first crossing starts lap 1, it is no lap");
    b.fahren(1, 3.0, {2.5}); // home: laps of 3 and 2,5 s
    ASSERT_TRUE(b.spur(1).fertig);
    ASSERT_EQ(b.stand().rennsieger, 1);
    nurPiepen(1, "a lane home keeps its laps and its win");
    b.fahren(2, 0.5, {3, 3});
    ASSERT_FALSE(b.stand().gestartet);
    nurPiepen(2, "the race is over");
}

// A heat over stays as it was: in the second heat only that heat's laps can go.
TEST(RundeStreichen, SpurwechselLaesstDenErstenLaufUnberuehrt) {
    Rennbahn b;
    b.runden(2);
    b.einstellen([](Renneinstellungen& e) { e.spurwechsel = true; });
    b.rennenFahren(2.0);
    ASSERT_TRUE(b.stand().wechsellauf > 0);
    const Laufergebnis lauf1 = b.rennen.ergebnis().laeufe[0];
    b.starten();
    b.fahren(1, 0.5, {2.0});
    b.rennen.rundeStreichen(1);
    b.rennen.rundeStreichen(1);
    EXPECT_TRUE(b.spur(1).runden.empty());
    EXPECT_EQ(b.rennen.ergebnis().laeufe[0], lauf1);
    b.fahren(1, 3.0, {2.5});
    b.fahren(2, 0.5, {2.0, 2.0});
    EXPECT_EQ(b.rennen.ergebnis().laeufe[0], lauf1);
    EXPECT_DOUBLE_EQ(b.rennen.ergebnis().laeufe[1].spur(1).lauf.zeit, 5.5)
        << "the lap taken back left no trace";
}

// The top speed goes back to where the laps still standing put it: an earlier race's, the
// other lane's, or none after Shift+M.
TEST(RundeStreichen, HoechstgeschwindigkeitFolgtDenVerbliebenenRunden) {
    Rennbahn b;
    b.einstellen([](Renneinstellungen& e) { e.maxGeschwManuell = true; });
    b.runden(3);
    b.rennenFahren(10.0); // 0,5 m/s from an earlier race
    b.starten();
    // Lap 1 is timed from green to the second crossing.
    b.fahren(2, 0.5, {0.5}); // 1 s: 5 m/s
    b.fahren(1, 0.2, {0.3}); // 0,5 s: 10 m/s
    b.rennen.rundeStreichen(1);
    EXPECT_EQ(b.maxg(), "Maximalgeschwindigkeit: 5 m/s von Fahrer 2");
    b.signal(1, 1.0); // 5 m/s again, not faster: lane 2 keeps it
    b.rennen.rundeStreichen(2);
    EXPECT_EQ(b.maxg(), "Maximalgeschwindigkeit: 5 m/s von Fahrer 1");
    b.rennen.startGedrueckt(); // stop

    b.starten();
    b.fahren(1, 0.2, {0.3}); // 10 m/s
    b.rennen.rundeStreichen(1);
    EXPECT_EQ(b.maxg(), "Maximalgeschwindigkeit: 5 m/s von Fahrer 1") << "from the race before";
    b.rennen.hoechstgeschwindigkeitZuruecksetzen();
    b.signal(1, 1.5); // 1,5 s: 3,333 m/s
    b.signal(1, 3.5); // 2 s: 2,5 m/s
    b.rennen.rundeStreichen(1);
    EXPECT_EQ(b.maxg(), "Maximalgeschwindigkeit: 3,333 m/s von Fahrer 1");
    b.rennen.rundeStreichen(1);
    EXPECT_EQ(b.rundenzeiten(1), std::vector<double>{0});
    EXPECT_EQ(b.maxg(), "Maximalgeschwindigkeit:") << "none before the reset comes back";
}
