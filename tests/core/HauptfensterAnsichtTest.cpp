// What the main window makes of the facts the race keeps beyond a race: counters that
// outlive Stop, outcomes that outlive the race, the port that could or could not be opened.
#include "Rennbahn.h"

#include <gtest/gtest.h>

namespace {
QStringList zaehler(const HauptfensterAnsicht& a) {
    QStringList texte;
    for (int spur = 1; spur <= 2; ++spur)
        texte << a.fahrer[spur].text << a.zeit[spur].text << a.bestzeit[spur].text
              << a.restrunden[spur].text;
    return texte;
}
} // namespace

TEST(HauptfensterAnsicht, ZaehlerUndSchilderBehaltenNachStopWasDieSpurenZuletztFuhren) {
    Rennbahn b;
    b.runden(3);
    b.starten();
    b.fahren(1, 0.5, {2, 2, 2}); // home at 6,5 s, the winner
    b.fahren(2, 7, {3});         // lap 1 runs from the green light: 10 s
    b.rennen.startGedrueckt();   // Stop
    EXPECT_EQ(b.zelle(1, 1, 1).text, "");
    EXPECT_EQ(zaehler(b.ansicht()), (QStringList{"Sieger!!!", "6,500 sec", "2,000 sec", "0", //
                                                 "Verlierer", "10,000 sec", "10,000 sec", "2"}));

    // New settings give every lane all its laps again; the times stay.
    b.runden(5);
    b.rennen.fahrerBenennen(2, QStringLiteral("Jürgen"));
    EXPECT_EQ(zaehler(b.ansicht()), (QStringList{"Sieger!!!", "6,500 sec", "2,000 sec", "5", //
                                                 "Jürgen", "10,000 sec", "10,000 sec", "5"}));

    b.rennen.startGedrueckt();
    EXPECT_EQ(zaehler(b.ansicht()), (QStringList{"Fahrer 1", "0 sec", "? sec", "5", //
                                                 "Jürgen", "0 sec", "? sec", "5"}));
}

TEST(HauptfensterAnsicht, PortfeldUndTitelSagenWasAusDemPortWurde) {
    Rennbahn b;
    const auto gezeigt = [&b] {
        const HauptfensterAnsicht a = b.ansicht();
        return QStringList{a.statusleiste.feld(QStringLiteral("port")).text, a.titel};
    };
    const QString ohne =
        QStringLiteral("Rundomat   -> Zeitaufnahme über die serielle Schnittstelle nicht möglich");
    EXPECT_EQ(gezeigt(), (QStringList{"Com Port:", "Rundomat"}));
    b.rennen.portFehlt();
    EXPECT_EQ(gezeigt(), (QStringList{"Com Port: ?", ohne}));
    b.rennen.simulationGestartet(5);
    EXPECT_EQ(gezeigt(), (QStringList{"Simulation", ohne})) << "the track times no port either";
    b.rennen.portGeoeffnet(QStringLiteral("/dev/ttyS0"));
    EXPECT_EQ(gezeigt(), (QStringList{"Com Port: /dev/ttyS0", "Rundomat"}));
    b.rennen.platineErkannt(false);
    EXPECT_EQ(gezeigt(), (QStringList{"Platine: /dev/ttyS0", "Rundomat"}));
}

// Between the races of a night the title says who drives next, while the window still shows
// the race just driven; during a race it is the race's title alone.
TEST(HauptfensterAnsicht, DerTitelNenntZwischenDenLaeufenDenNaechsten) {
    Rennbahn b;
    const QString naechster = QStringLiteral("Als Nächstes: Bert (Spur 1) – Anna (Spur 2)");
    EXPECT_EQ(hauptfensterAnsicht(b.rennen, naechster).titel, "Rundomat – " + naechster);
    b.starten();
    EXPECT_EQ(hauptfensterAnsicht(b.rennen, naechster).titel, "Rundomat");
    b.rennen.startGedrueckt(); // Stop
    EXPECT_EQ(hauptfensterAnsicht(b.rennen, naechster).titel, "Rundomat – " + naechster);
    EXPECT_EQ(hauptfensterAnsicht(b.rennen).titel, "Rundomat");
}
