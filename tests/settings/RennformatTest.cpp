#include "Einstellungsbahn.h"
#include "RennformatLogik.h"

#include <gtest/gtest.h>

// What may be typed as a race's length: m:ss, h:mm:ss or whole minutes, up to ten hours.
TEST(Rennformat, RenndauerLesen) {
    EXPECT_EQ(renndauerLesen("3:00"), 180);
    EXPECT_EQ(renndauerLesen(" 0:10 "), 10);
    EXPECT_EQ(renndauerLesen("1:02:05"), 3725);
    EXPECT_EQ(renndauerLesen("5"), 300);
    EXPECT_EQ(renndauerLesen("10:00:00"), 36000);
    for (const char* falsch :
         {"", "abc", "3:5", "3:60", "-1", "+3", "10:00:01", "1:2:3:4", "2,5", "99999999999"})
        EXPECT_EQ(renndauerLesen(falsch), std::nullopt) << falsch;
}

// OK applies and stores the format; a refused length keeps the window open and changes
// nothing; changing the format between the heats of a lane-change race starts again at
// the first; during a race the format stays.
TEST(Rennformat, OkUebernimmtDasFormatZwischenDenRennen) {
    Einstellungsbahn b;
    b.starteProgramm();
    RennformatLogik logik(b.rennen, b.speicher, b.dialoge);
    EXPECT_EQ(logik.ansicht, (RennformatAnsicht{false, "3:00", Zielregel::RundeBeenden}));
    EXPECT_FALSE(logik.zeitWaehlbar());

    logik.ansicht = {true, "0:09", Zielregel::Sofort};
    EXPECT_FALSE(logik.okGedrueckt());
    ASSERT_EQ(b.dialoge.meldungen.size(), 1u);
    EXPECT_EQ(b.einstellungen().rennart, Rennlaenge::Runden);
    EXPECT_FALSE(b.speicher.werte.contains("Rennart"));

    logik.ansicht.dauer = "1:30:00";
    EXPECT_TRUE(logik.okGedrueckt());
    EXPECT_EQ(b.einstellungen().rennart, Rennlaenge::Zeit);
    EXPECT_EQ(b.einstellungen().renndauer, 5400);
    EXPECT_EQ(b.einstellungen().zielregel, Zielregel::Sofort);
    EXPECT_EQ(b.speicher.werte.value("Rennart"), "Zeit");
    EXPECT_EQ(b.speicher.werte.value("Renndauer"), "5400");
    EXPECT_EQ(b.speicher.werte.value("Zielregel"), "Sofort");
    EXPECT_EQ(b.ansicht().statusleiste.feld("rundenzahl").text, "Renndauer: 1:30:00");

    // After the first heat of a lane change by laps.
    b.einstellen([](Renneinstellungen& e) {
        e.rennart = Rennlaenge::Runden;
        e.spurwechsel = true;
        e.rundenzahl = 1;
    });
    b.rennenFahren();
    ASSERT_TRUE(b.stand().zweiterLauf);
    RennformatLogik gleich(b.rennen, b.speicher, b.dialoge);
    EXPECT_TRUE(gleich.okGedrueckt());
    EXPECT_TRUE(b.stand().zweiterLauf) << "nothing changed, the second heat follows";
    RennformatLogik zeit(b.rennen, b.speicher, b.dialoge);
    zeit.ansicht.nachZeit = true;
    EXPECT_TRUE(zeit.okGedrueckt());
    EXPECT_FALSE(b.stand().zweiterLauf);

    // A window left open into a race changes nothing.
    b.starten();
    RennformatLogik spaet(b.rennen, b.speicher, b.dialoge);
    spaet.ansicht.nachZeit = false;
    EXPECT_TRUE(spaet.okGedrueckt());
    EXPECT_EQ(b.einstellungen().rennart, Rennlaenge::Zeit);
}
