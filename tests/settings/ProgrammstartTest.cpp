#include "Einstellungsbahn.h"
#include "Fahrernamen.h"
#include "QtEinstellungsspeicher.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Programmstart, ErsterStartMitLeeremSpeicherNimmtAlleVorgaben) {
    Einstellungsbahn b;
    b.starteProgramm();
    const Rennen& r = b.rennen;
    const HauptfensterAnsicht ansicht = b.ansicht();

    EXPECT_EQ(r.einstellungen().kurslaenge, 5);
    EXPECT_EQ(r.einstellungen().rundenzahl, 10);
    EXPECT_EQ(r.einstellungen().prellzeit, 2);
    EXPECT_EQ(ansicht.titel, "Rundomat");
    EXPECT_EQ(ansicht.statusleiste.feld("kurslaenge").text, "Kurslänge: 5 m");
    EXPECT_EQ(ansicht.statusleiste.feld("rundenzahl").text, "Rundenzahl: 10");
    EXPECT_EQ(ansicht.statusleiste.feld("modus").text, "Rennmodus");
    EXPECT_EQ(ansicht.restrunden[1].text, "10");
    EXPECT_TRUE(ansicht.zeit[1].sichtbar);
    EXPECT_FALSE(ansicht.bestzeit[2].sichtbar);
    EXPECT_TRUE(r.einstellungen().ampelbilder);
    const Renneinstellungen& e = r.einstellungen();
    EXPECT_FALSE(e.rundenBeep || e.mitSound || e.schnellsterRundenBeep || e.permanentesLogging ||
                 e.maxGeschwManuell || e.ohneCountdown || e.spurwechsel || e.raceControl);
    EXPECT_EQ(ansicht.fahrer[1].text, "Fahrer 1");
    EXPECT_EQ(ansicht.fahrer[2].farbe, 0xC0C0C0u);
    EXPECT_FALSE(ansicht.spurwechsel[1].sichtbar);
    EXPECT_EQ(ansicht.ampel[1], (Lampenbild{Lampensatz::Ampel, Lampe::Aus}));
    EXPECT_TRUE(r.stand().signaleGesperrt);
    EXPECT_EQ(r.stand().spuren[2].letztesSignal, 0);
    EXPECT_EQ(ansicht.rundentabellen[1].zeilenzahl(), 12);

    EXPECT_EQ(b.ablauf, (QStringList{"HofLesen", "SchnittstelleOeffnen normalOeffnen"}));
    EXPECT_EQ(b.speicher.geschrieben, (QStringList{"caption", "Rennmodus"}));
    EXPECT_EQ(b.speicher.werte.value("caption"), "Rundomat");
    EXPECT_EQ(b.speicher.werte.value("Rennmodus"), "True");
}

TEST(Programmstart, GespeicherteWerteWerdenUmgewandelt) {
    Einstellungsbahn b;
    b.speicher.werte = {
        {"laenge", "5,5"},      {"runden", "2,5"},           {"prellzeit", "3"},
        {"Rennmodus", "False"}, {"SpurWechsel", "True"},     {"caption", "Bahn im Keller"},
        {"fahrer1", "Jürgen"},  {"fahrerfarbe1", "65535"},   {"RundenBeep", "-1"},
        {"Ampelbilder", "0"},   {"RCEmpfindlichkeit", "130"}};
    // The program starts after the first heat of a lane-change race.
    b.einstellen([](Renneinstellungen& e) {
        e.spurwechsel = true;
        e.rundenzahl = 1;
    });
    b.starten();
    b.fahren(1, 0.5, {2});
    b.fahren(2, 0.5, {2});
    ASSERT_TRUE(b.stand().wechsellauf > 0);
    b.starteProgramm();
    const Rennen& r = b.rennen;

    EXPECT_EQ(r.einstellungen().kurslaenge, 5.5);
    EXPECT_EQ(b.ansicht().statusleiste.feld("kurslaenge").text, "Kurslänge: 5,5 m");
    EXPECT_EQ(r.einstellungen().rundenzahl, 2) << "a half goes to the even neighbour";
    EXPECT_EQ(r.einstellungen().prellzeit, 3);
    EXPECT_FALSE(r.einstellungen().rennmodus);
    EXPECT_EQ(b.ansicht().statusleiste.feld("modus").text, "Trainingsmodus");
    EXPECT_TRUE(b.ansicht().bestzeit[1].sichtbar);
    EXPECT_FALSE(b.ansicht().zeit[1].sichtbar);
    EXPECT_EQ(b.speicher.werte.value("Rennmodus"), "False");
    EXPECT_TRUE(b.ansicht().spurwechsel[1].sichtbar && b.ansicht().spurwechsel[2].sichtbar);
    EXPECT_FALSE(r.stand().wechsellauf > 0);
    EXPECT_EQ(b.ansicht().titel, "Bahn im Keller");
    EXPECT_EQ(b.speicher.werte.value("caption"), "Bahn im Keller");
    EXPECT_EQ(b.ansicht().fahrer[1].text, "Jürgen");
    EXPECT_EQ(b.ansicht().fahrer[1].farbe, 0x00FFFFu);
    EXPECT_TRUE(r.einstellungen().rundenBeep);
    EXPECT_FALSE(r.einstellungen().ampelbilder);
    EXPECT_EQ(b.ansicht().ampel[1].satz, Lampensatz::Kreis);
    EXPECT_EQ(r.einstellungen().box.empfindlichkeit, 130);

    Einstellungsbahn c;
    c.speicher.werte = {{"runden", "3,5"}};
    c.starteProgramm();
    EXPECT_EQ(c.einstellungen().rundenzahl, 4);
}

// Text that does not convert gives the key's default; start-up goes on.
TEST(Programmstart, UnbrauchbareWerteGebenDieVorgabe) {
    Einstellungsbahn b;
    b.speicher.werte = {{"laenge", "abc"},       {"runden", "99999999999"}, {"prellzeit", ""},
                        {"Rennmodus", "ja"},     {"RaceControl", "1.5"},    {"fahrerfarbe2", "rot"},
                        {"RCNachlauf", "viele"}, {"ohneCountdown", "True "}};
    b.starteProgramm();
    const Rennen& r = b.rennen;
    EXPECT_EQ(r.einstellungen().kurslaenge, 5);
    EXPECT_EQ(r.einstellungen().rundenzahl, 10);
    EXPECT_EQ(r.einstellungen().prellzeit, 2);
    EXPECT_TRUE(r.einstellungen().rennmodus);
    EXPECT_FALSE(r.einstellungen().raceControl);
    EXPECT_EQ(b.ansicht().fahrer[2].farbe, 0xC0C0C0u);
    EXPECT_EQ(r.einstellungen().box.nachlauf, 0);
    EXPECT_FALSE(r.einstellungen().ohneCountdown);
    EXPECT_TRUE(b.dialoge.meldungen.empty());

    // No race on a track of 0 m, nor on one whose speeds no number holds.
    for (const auto& [runden, laenge] :
         {std::pair{"0", "0"}, {"-3", "1e308"}, {"0,4", "10000,5"}}) {
        Einstellungsbahn c;
        c.speicher.werte = {{"runden", runden}, {"laenge", laenge}};
        c.starteProgramm();
        EXPECT_EQ(c.einstellungen().rundenzahl, 10) << runden;
        EXPECT_EQ(c.einstellungen().kurslaenge, 5) << laenge;
    }
    Einstellungsbahn zehnKilometer;
    zehnKilometer.speicher.werte = {{"laenge", "10000"}};
    zehnKilometer.starteProgramm();
    EXPECT_EQ(zehnKilometer.rennen.einstellungen().kurslaenge, 10000);
}

// The race format: by laps unless the store says otherwise; garbage and durations out of
// range give the default, the bounds themselves are taken.
TEST(Programmstart, RennformatAusDemSpeicher) {
    Einstellungsbahn leer;
    leer.starteProgramm();
    EXPECT_EQ(leer.einstellungen().rennart, Rennlaenge::Runden);
    EXPECT_EQ(leer.einstellungen().renndauer, 180);
    EXPECT_EQ(leer.einstellungen().zielregel, Zielregel::RundeBeenden);

    struct Fall {
        const char *art, *dauer, *regel;
        Rennlaenge rennart;
        int renndauer;
        Zielregel zielregel;
    };
    for (const Fall& f :
         {Fall{"Zeit", "10", "Sofort", Rennlaenge::Zeit, 10, Zielregel::Sofort},
          Fall{"Zeit", "36000", "FuehrenderBeendet", Rennlaenge::Zeit, 36000,
               Zielregel::FuehrenderBeendet},
          Fall{"zeit", "9", "sofort", Rennlaenge::Runden, 180, Zielregel::RundeBeenden},
          Fall{"Uhr", "36001", "", Rennlaenge::Runden, 180, Zielregel::RundeBeenden},
          Fall{"", "3 min", "Zeit", Rennlaenge::Runden, 180, Zielregel::RundeBeenden}}) {
        Einstellungsbahn b;
        b.speicher.werte = {{"Rennart", f.art}, {"Renndauer", f.dauer}, {"Zielregel", f.regel}};
        b.starteProgramm();
        EXPECT_EQ(b.einstellungen().rennart, f.rennart) << f.art;
        EXPECT_EQ(b.einstellungen().renndauer, f.renndauer) << f.dauer;
        EXPECT_EQ(b.einstellungen().zielregel, f.zielregel) << f.regel;
        EXPECT_TRUE(b.dialoge.meldungen.empty());
    }
}

TEST(Programmstart, ZuVieleRundenFallenMitMeldungAufZehnZurueck) {
    Einstellungsbahn b;
    b.speicher.werte = {{"runden", "2000000"}};
    b.starteProgramm();
    EXPECT_EQ(b.einstellungen().rundenzahl, 10);
    ASSERT_EQ(b.dialoge.meldungen.size(), 1u);
    EXPECT_EQ(b.dialoge.meldungen[0].titel, "Speicherproblem");
    EXPECT_EQ(b.speicher.werte.value("runden"), "10");
    EXPECT_EQ(b.ansicht().statusleiste.feld("rundenzahl").text, "Rundenzahl: 10");
}

// The real store: a config file under XDG_CONFIG_HOME, group [einstellung].
TEST(QtEinstellungsspeicher, EinstellungenUeberlebenEinenNeustart) {
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    qputenv("XDG_CONFIG_HOME", ordner.path().toUtf8());
    {
        Einstellungsbahn b;
        QtEinstellungsspeicher speicher(b.dialoge);
        Programmstart start(b.rennen, speicher, b.portsteuerung, b.dialoge, [] {});
        start.programmStarten();
        speicher.speichern("laenge", "5,5");
        speicher.speichern("fahrer1", "Jürgen");
        speicher.speichern("Rennmodus", "False");
        // White, the largest colour, chosen from the colour menu of lane 2.
        Fahrernamen fahrer(b.rennen, speicher, b.dialoge);
        fahrer.gedrueckt(2, 4);
        EXPECT_TRUE(b.dialoge.meldungen.empty());
    }
    const QString datei = ordner.path() + "/rundomat/rundomat.conf";
    QFile f(datei);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << datei.toStdString();
    const QString inhalt = QString::fromUtf8(f.readAll());
    EXPECT_TRUE(inhalt.startsWith("[einstellung]")) << inhalt.toStdString();
    EXPECT_TRUE(inhalt.contains("caption=Rundomat"));
    f.close();

    Einstellungsbahn b;
    QtEinstellungsspeicher speicher(b.dialoge);
    Programmstart start(b.rennen, speicher, b.portsteuerung, b.dialoge, [] {});
    start.programmStarten();
    EXPECT_EQ(b.einstellungen().kurslaenge, 5.5);
    EXPECT_EQ(b.stand().spuren[1].fahrer, "Jürgen");
    EXPECT_FALSE(b.einstellungen().rennmodus);
    EXPECT_EQ(b.ansicht().fahrer[2].farbe, 0xFFFFFFu);
    EXPECT_EQ(b.ansicht().fahrer[1].farbe, Farben::Hellgrau);
    EXPECT_EQ(speicher.lesen("fehlt", "vorgabe"), "vorgabe");

    // Edited by hand without quotes, 5,5 still means 5,5.
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write("prellzeit=2,5\n");
    f.close();
    EXPECT_EQ(QtEinstellungsspeicher(b.dialoge).lesen("prellzeit", "2"), "2,5");
    qunsetenv("XDG_CONFIG_HOME");
}

// A store that cannot be written (here its folder is a file, which stops root, too) is
// told once, and the run goes on with what was set.
TEST(QtEinstellungsspeicher, UnschreibbarEinmalGemeldetWerteBleibenImSpeicher) {
    QTemporaryDir ordner;
    QFile keinOrdner(ordner.filePath("rundomat"));
    ASSERT_TRUE(keinOrdner.open(QIODevice::WriteOnly));
    keinOrdner.close();
    FakeDialoge dialoge;
    QtEinstellungsspeicher speicher(
        std::make_unique<QSettings>(keinOrdner.fileName() + "/rundomat.conf", QSettings::IniFormat),
        dialoge);

    speicher.speichern("runden", "7");
    speicher.speichern("fahrer1", "Ida");
    ASSERT_EQ(dialoge.meldungen.size(), 1u);
    EXPECT_TRUE(dialoge.meldungen[0].text.startsWith(
        "Die Einstellungen können nicht gespeichert werden: " + keinOrdner.fileName()))
        << dialoge.meldungen[0].text.toStdString();
    EXPECT_EQ(speicher.lesen("runden", "10"), "7");
    EXPECT_EQ(speicher.lesen("fahrer1", "Fahrer 1"), "Ida");
}

// The lanes come from the settings, or from the command line for this run, with a driver
// and a colour for every lane; a count no track has is two lanes, a list of free lanes that
// is no list frees none, and the timing box, which counts two lanes, is refused on four.
TEST(Programmstart, SpurenzahlFreieSpurenUndFahrerAllerSpuren) {
    Einstellungsbahn b;
    b.speicher.werte = {{"Spuranzahl", "4"},        {"fahrer3", "Carla"},
                        {"fahrerfarbe4", "255"},    {"FreieSpuren", "2"},
                        {"RaceControl", "True"}};
    b.starteProgramm();
    const Rennen& r = b.rennen;
    ASSERT_EQ(r.spurenzahl(), 4);
    EXPECT_EQ(r.stand().spuren[3].fahrer, "Carla");
    EXPECT_EQ(r.stand().spuren[4].fahrer, "Fahrer 4");
    EXPECT_EQ(r.stand().spuren[4].farbe, 255u);
    EXPECT_TRUE(r.einstellungen().spurFrei(2));
    EXPECT_TRUE(r.einstellungen().nachSiegerBeenden) << "on by default beyond two lanes";
    EXPECT_FALSE(r.einstellungen().raceControl);
    ASSERT_EQ(b.dialoge.meldungen.size(), 1u);
    EXPECT_TRUE(b.dialoge.meldungen[0].text.startsWith("Die Zeitnahmebox zählt nur zwei Spuren"));
    EXPECT_EQ(b.speicher.werte.value("RaceControl"), "True") << "on two lanes the box times again";

    for (const char* falsch : {"9", "1", "vier"}) {
        Einstellungsbahn c;
        c.speicher.werte = {{"Spuranzahl", falsch}, {"FreieSpuren", "1,x"}};
        c.starteProgramm();
        EXPECT_EQ(c.rennen.spurenzahl(), 2) << falsch;
        EXPECT_EQ(c.rennen.einstellungen().freieSpuren, 0u);
        EXPECT_FALSE(c.rennen.einstellungen().nachSiegerBeenden);
    }

    Einstellungsbahn befehl;
    befehl.speicher.werte = {{"Spuranzahl", "4"}};
    Programmstart start{befehl.rennen, befehl.speicher, befehl.portsteuerung, befehl.dialoge,
                        [] {}, 8};
    start.programmStarten();
    EXPECT_EQ(befehl.rennen.spurenzahl(), 8);
    EXPECT_EQ(befehl.speicher.werte.value("Spuranzahl"), "4") << "for this run only";
}
