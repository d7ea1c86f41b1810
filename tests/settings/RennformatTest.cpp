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
    EXPECT_EQ(logik.ansicht,
              (RennformatAnsicht{false, "3:00", Zielregel::RundeBeenden, 2, 0, false, false, "3",
                                 Fehlstartregel::Abbruch, "5", "10", "5"}));
    EXPECT_FALSE(logik.zeitWaehlbar());

    logik.ansicht.nachZeit = true;
    logik.ansicht.dauer = "0:09";
    logik.ansicht.zielregel = Zielregel::Sofort;
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
    ASSERT_TRUE(b.stand().wechsellauf > 0);
    RennformatLogik gleich(b.rennen, b.speicher, b.dialoge);
    EXPECT_TRUE(gleich.okGedrueckt());
    EXPECT_TRUE(b.stand().wechsellauf > 0) << "nothing changed, the second heat follows";
    RennformatLogik zeit(b.rennen, b.speicher, b.dialoge);
    zeit.ansicht.nachZeit = true;
    EXPECT_TRUE(zeit.okGedrueckt());
    EXPECT_FALSE(b.stand().wechsellauf > 0);

    // A window left open into a race changes nothing.
    b.starten();
    RennformatLogik spaet(b.rennen, b.speicher, b.dialoge);
    spaet.ansicht.nachZeit = false;
    EXPECT_TRUE(spaet.okGedrueckt());
    EXPECT_EQ(b.einstellungen().rennart, Rennlaenge::Zeit);
}

// The track in the window: four lanes with lane 2 free bring lanes 3 and 4 with their stored
// drivers, the rule after the winner takes the count's default and is stored only where it
// differs; a track with no car, or more lanes while the box times, is refused.
TEST(Rennformat, SpurenUndFreieSpurenWaehlen) {
    Einstellungsbahn b;
    b.speicher.werte = {{"fahrer3", "Carla"}, {"fahrerfarbe4", "255"}};
    b.starteProgramm();
    RennformatLogik logik(b.rennen, b.speicher, b.dialoge);
    logik.spuranzahlWaehlen(4);
    EXPECT_TRUE(logik.ansicht.nachSiegerBeenden);
    logik.ansicht.freieSpuren = 0b1111;
    EXPECT_FALSE(logik.okGedrueckt());
    EXPECT_EQ(b.dialoge.meldungen.back().text, "Mindestens eine Spur braucht einen Fahrer.");
    EXPECT_EQ(b.rennen.spurenzahl(), 2);

    logik.ansicht.freieSpuren = 0b0010;
    ASSERT_TRUE(logik.okGedrueckt());
    ASSERT_EQ(b.rennen.spurenzahl(), 4);
    EXPECT_EQ(b.spur(3).fahrer, "Carla");
    EXPECT_EQ(b.spur(4).farbe, 255u);
    EXPECT_TRUE(b.einstellungen().spurFrei(2));
    EXPECT_TRUE(b.einstellungen().nachSiegerBeenden);
    EXPECT_EQ(b.speicher.werte.value("Spuranzahl"), "4");
    EXPECT_EQ(b.speicher.werte.value("FreieSpuren"), "2");
    EXPECT_EQ(b.speicher.werte.value("NachSiegerBeenden"), "Spurenzahl");

    RennformatLogik zwei(b.rennen, b.speicher, b.dialoge);
    zwei.spuranzahlWaehlen(2);
    zwei.ansicht.nachSiegerBeenden = true;
    ASSERT_TRUE(zwei.okGedrueckt());
    EXPECT_EQ(b.speicher.werte.value("NachSiegerBeenden"), "True");

    b.einstellen([](Renneinstellungen& e) { e.raceControl = true; });
    RennformatLogik box(b.rennen, b.speicher, b.dialoge);
    box.spuranzahlWaehlen(6);
    EXPECT_FALSE(box.okGedrueckt());
    EXPECT_TRUE(b.dialoge.meldungen.back().text.startsWith("Die Zeitnahmebox zählt nur zwei"));
    EXPECT_EQ(b.rennen.spurenzahl(), 2);
}

// The whole numbers of the window: the track call's factor from 2 to 10 median laps, the
// penalties' seconds from 1 to 600; anything else is refused in its field with the window
// kept open. A key is stored only once it changes, so a store that never had it keeps none.
TEST(Rennformat, ZahlenfelderNurImIhremBereich) {
    struct Fall {
        QString RennformatAnsicht::*feld;
        QStringList falsch;
        QString meldung;
    };
    const QString strafe = QStringLiteral(" muss zwischen 1 und 600 Sekunden liegen (ganze Sekunden).");
    const Fall faelle[] = {
        {&RennformatAnsicht::streckenruffaktor, {"1", "11", "", "drei"},
         "Der Streckenruffaktor muss eine ganze Zahl zwischen 2 und 10 sein."},
        {&RennformatAnsicht::fehlstartstrafe, {"0", "601"}, "Die Strafe für einen Fehlstart" + strafe},
        {&RennformatAnsicht::stopAndGoZeit, {"2,5", "-3"}, "Das Stop and go" + strafe},
        {&RennformatAnsicht::strafzeit, {"1000", "fünf"}, "Die Zeitstrafe" + strafe},
    };
    Einstellungsbahn b;
    b.starteProgramm();
    RennformatLogik logik(b.rennen, b.speicher, b.dialoge);
    const RennformatAnsicht gut = logik.ansicht;
    for (const Fall& f : faelle)
        for (const QString& falsch : f.falsch) {
            logik.ansicht = gut;
            logik.ansicht.*f.feld = falsch;
            logik.ansicht.fehlstartregel = Fehlstartregel::StopAndGo;
            EXPECT_FALSE(logik.okGedrueckt()) << falsch.toStdString();
            EXPECT_EQ(b.dialoge.meldungen.back().text, f.meldung);
        }
    EXPECT_EQ(b.einstellungen().fehlstartregel, Fehlstartregel::Abbruch) << "nothing applied";

    logik.ansicht = gut;
    EXPECT_TRUE(logik.okGedrueckt());
    for (const char* schluessel : {"Streckenrufautomatik", "Streckenruffaktor", "Fehlstartregel",
                                   "Fehlstartstrafe", "StopAndGoZeit", "Strafzeit"})
        EXPECT_FALSE(b.speicher.werte.contains(schluessel)) << schluessel;
    logik.ansicht.streckenrufautomatik = true;
    logik.ansicht.streckenruffaktor = " 10 ";
    logik.ansicht.fehlstartregel = Fehlstartregel::Zeitstrafe;
    logik.ansicht.strafzeit = "600";
    EXPECT_TRUE(logik.okGedrueckt());
    const Renneinstellungen& e = b.einstellungen();
    EXPECT_TRUE(e.streckenrufautomatik);
    EXPECT_EQ(e.streckenruffaktor, 10);
    EXPECT_EQ(e.fehlstartregel, Fehlstartregel::Zeitstrafe);
    EXPECT_EQ(e.strafzeit, 600);
    EXPECT_EQ(b.speicher.werte.value("Streckenruffaktor"), "10");
    EXPECT_EQ(b.speicher.werte.value("Fehlstartregel"), "Zeitstrafe");
    EXPECT_EQ(b.speicher.werte.value("Strafzeit"), "600");
    EXPECT_FALSE(b.speicher.werte.contains("StopAndGoZeit"));
}
