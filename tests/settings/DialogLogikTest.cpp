#include "Einstellungsbahn.h"

#include <functional>
#include <gtest/gtest.h>

TEST(Dialog, OeffnetMitDenWertenDesRennens) {
    Einstellungsbahn b;
    b.einstellen([](Renneinstellungen& e) {
        e.kurslaenge = 5.5;
        e.rundenzahl = 20;
        e.rennmodus = false;
        e.ampelbilder = false;
        e.rundenBeep = true;
    });
    DialogLogik d = b.dialogOeffnen();
    EXPECT_EQ(d.ansicht.kurslaenge, "5,5");
    EXPECT_EQ(d.ansicht.rundenzahl, "20");
    EXPECT_EQ(d.ansicht.prellzeit, "2");
    EXPECT_TRUE(d.ansicht.trainingsmodus);
    EXPECT_TRUE(d.ansicht.kreisscheiben);
    EXPECT_TRUE(d.ansicht.beep);
    EXPECT_FALSE(d.ansicht.raceControlKnopfAktiv);
}

TEST(Dialog, FelderPruefenBeimVerlassen) {
    Einstellungsbahn b;
    DialogLogik d = b.dialogOeffnen();

    d.ansicht.kurslaenge = "3.75";
    d.kurslaengePruefen();
    EXPECT_EQ(d.ansicht.kurslaenge, "3,75");
    EXPECT_TRUE(b.dialoge.meldungen.empty());

    d.ansicht.prellzeit = "1,5";
    d.prellzeitPruefen();
    ASSERT_EQ(b.dialoge.meldungen.size(), 1u);
    EXPECT_EQ(b.dialoge.meldungen[0].titel, "Fehler");
    EXPECT_EQ(b.dialoge.meldungen[0].text, "Die Prellzeit darf nicht kleiner als 2 Sekunden sein. "
                                           "Setze Prellzeit auf 2 Sekunden");
    EXPECT_EQ(d.ansicht.prellzeit, "2");

    d.ansicht.prellzeit = "x";
    d.prellzeitPruefen();
    ASSERT_EQ(b.dialoge.meldungen.size(), 2u) << "a letter gives one message only";
    EXPECT_EQ(b.dialoge.meldungen[1].titel, "Eingabefehler");
    EXPECT_EQ(b.dialoge.meldungen[1].text, "keine Zahl eingegeben setze Prellzeit zu 2 Sekunden");
    EXPECT_EQ(d.ansicht.prellzeit, "2");

    d.ansicht.rundenzahl = "zehn";
    d.rundenzahlPruefen();
    EXPECT_EQ(b.dialoge.meldungen.back().text, "keine Zahl eingegeben setzt 10 Runden");
    EXPECT_EQ(d.ansicht.rundenzahl, "10");
}

// Only numbers the settings can hold pass: no race of 0 or -3 laps or more than the tables
// hold, no course of 0 m or one whose speeds overflow. A refusal of a number names its field
// and range alike, except the debounce time below 2 seconds and what is no number at all,
// which keep their own messages.
TEST(Dialog, ZahlenAusserhalbDesBereichsNennenFeldUndBereich) {
    Einstellungsbahn b;
    DialogLogik d = b.dialogOeffnen();
    const auto pruefen = [&](QString DialogAnsicht::*feld, void (DialogLogik::*pruefung)(),
                             const QString& eingabe, const QString& danach, const QString& meldung,
                             const QString& titel = "Eingabefehler") {
        const std::size_t vorher = b.dialoge.meldungen.size();
        d.ansicht.*feld = eingabe;
        std::invoke(pruefung, d);
        EXPECT_EQ(d.ansicht.*feld, danach) << eingabe.toStdString();
        if (meldung.isEmpty()) {
            EXPECT_EQ(b.dialoge.meldungen.size(), vorher) << eingabe.toStdString();
            return;
        }
        ASSERT_EQ(b.dialoge.meldungen.size(), vorher + 1) << eingabe.toStdString();
        EXPECT_EQ(b.dialoge.meldungen.back().text, meldung) << eingabe.toStdString();
        EXPECT_EQ(b.dialoge.meldungen.back().titel, titel) << eingabe.toStdString();
    };
    const QString runden = "Die Rundenzahl muss zwischen 1 und 1.000.000 liegen.";
    for (const char* zahl : {"0", "-3", "1000001", "99999999999", "1e10"})
        pruefen(&DialogAnsicht::rundenzahl, &DialogLogik::rundenzahlPruefen, zahl, "10", runden);
    pruefen(&DialogAnsicht::rundenzahl, &DialogLogik::rundenzahlPruefen, "1000000", "1000000", "");
    pruefen(&DialogAnsicht::rundenzahl, &DialogLogik::rundenzahlPruefen, "2,5", "2,5", "");

    const QString laenge = "Die Kurslänge muss zwischen 0,001 und 10.000 Metern liegen.";
    for (const char* zahl : {"0", "-2,5", "10000,5", "1e308"})
        pruefen(&DialogAnsicht::kurslaenge, &DialogLogik::kurslaengePruefen, zahl, "5,5", laenge);
    pruefen(&DialogAnsicht::kurslaenge, &DialogLogik::kurslaengePruefen, "10000", "10000", "");
    for (const char* text : {"1e999", "5,5,5"})
        pruefen(&DialogAnsicht::kurslaenge, &DialogLogik::kurslaengePruefen, text, "5,5",
                "keine Zahl eingegeben setze 5,5 Meter");

    const QString prellzeit = "Die Prellzeit muss zwischen 2 und 3.600 Sekunden liegen.";
    for (const char* zahl : {"3600,5", "1e300"})
        pruefen(&DialogAnsicht::prellzeit, &DialogLogik::prellzeitPruefen, zahl, "2",
                prellzeit);
    for (const char* zahl : {"0", "-1", "1,999"})
        pruefen(&DialogAnsicht::prellzeit, &DialogLogik::prellzeitPruefen, zahl, "2",
                "Die Prellzeit darf nicht kleiner als 2 Sekunden sein. Setze Prellzeit auf 2 "
                "Sekunden",
                "Fehler");

    // OK checks what is still in the fields: a length of 1e308 is never stored.
    d.ansicht.kurslaenge = "1e308";
    d.okGedrueckt();
    EXPECT_EQ(b.dialoge.meldungen.back().text, laenge);
    EXPECT_EQ(b.einstellungen().kurslaenge, 5.5);
    EXPECT_EQ(b.speicher.werte.value("laenge"), "5,5");
}

TEST(Dialog, OkUebernimmtUndSpeichertInFesterReihenfolge) {
    Einstellungsbahn b;
    DialogLogik d = b.dialogOeffnen();
    d.ansicht.kurslaenge = "3.75";
    d.kurslaengePruefen();
    d.ansicht.rundenzahl = "2,5";
    d.ankreuzen(&DialogAnsicht::klang, true);
    d.ankreuzen(&DialogAnsicht::permanentesLogging, true);
    d.ankreuzen(&DialogAnsicht::ohneCountdown, true);
    d.okGedrueckt();

    const Rennen& r = b.rennen;
    EXPECT_TRUE(d.geschlossen());
    EXPECT_EQ(r.einstellungen().kurslaenge, 3.75);
    EXPECT_EQ(r.einstellungen().rundenzahl, 2);
    EXPECT_TRUE(r.einstellungen().mitSound && r.einstellungen().permanentesLogging &&
                r.einstellungen().ohneCountdown);
    EXPECT_EQ(b.speicher.werte.value("laenge"), "3,75");
    EXPECT_EQ(b.speicher.werte.value("runden"), "2");
    EXPECT_EQ(b.speicher.geschrieben.mid(0, 3), (QStringList{"laenge", "runden", "prellzeit"}));
    EXPECT_EQ(b.speicher.geschrieben.mid(3),
              (QStringList{"RundenBeep", "MitSound", "SchnellsterRundenBeep", "PermanentesLogging",
                           "MaxGeschwManuell", "Ampelbilder", "Rennmodus", "SpurWechsel",
                           "ohneCountdown", "RaceControl"}));
    EXPECT_EQ(b.ansicht().statusleiste.feld("kurslaenge").text, "Kurslänge: 3,75 m");
    EXPECT_EQ(b.ansicht().restrunden[2].text, "2");
    EXPECT_EQ(b.ansicht().ampel[1].lampe, Lampe::Gelb);
    EXPECT_TRUE(b.portsteuerung.aufrufe.isEmpty()) << "the port stays as it is";
}

// Enter presses OK while a field still holds what was typed: it is checked all the same.
TEST(Dialog, OkOhneVerlassenDesFeldesSpeichertNieUngepruefteTexte) {
    Einstellungsbahn b;
    DialogLogik d = b.dialogOeffnen();
    d.ansicht.kurslaenge = "viel";
    d.okGedrueckt();
    EXPECT_EQ(b.dialoge.meldungen.size(), 1u);
    EXPECT_EQ(b.speicher.werte.value("laenge"), "5,5");
}

TEST(Dialog, TrainingUndSpurwechselSchliessenSichAus) {
    Einstellungsbahn b;
    DialogLogik d = b.dialogOeffnen();
    d.ankreuzen(&DialogAnsicht::trainingsmodus, true);
    d.ankreuzen(&DialogAnsicht::spurwechsel, true);
    EXPECT_FALSE(d.ansicht.trainingsmodus);
    d.okGedrueckt();
    EXPECT_EQ(b.speicher.werte.value("Rennmodus"), "True");
    EXPECT_EQ(b.speicher.werte.value("SpurWechsel"), "True");
    EXPECT_TRUE(b.ansicht().spurwechsel[2].sichtbar);

    DialogLogik e = b.dialogOeffnen();
    e.ankreuzen(&DialogAnsicht::trainingsmodus, true);
    EXPECT_FALSE(e.ansicht.spurwechsel);
    e.okGedrueckt();
    EXPECT_EQ(b.speicher.werte.value("Rennmodus"), "False");
    EXPECT_EQ(b.speicher.werte.value("SpurWechsel"), "False");
    EXPECT_FALSE(b.ansicht().spurwechsel[2].sichtbar);
    EXPECT_EQ(b.ansicht().statusleiste.feld("modus").text, "Trainingsmodus");
}

TEST(Dialog, AbbrechenAendertNichtsSetztAberDenLaufZurueck) {
    Einstellungsbahn b;
    b.einstellen([&](Renneinstellungen& e) { e.spurwechsel = true; });
    b.rennenFahren();
    ASSERT_TRUE(b.stand().wechsellauf > 0);
    b.speicher.geschrieben.clear();
    DialogLogik d = b.dialogOeffnen();
    d.ansicht.rundenzahl = "30";
    d.abbrechenGedrueckt();
    EXPECT_TRUE(d.geschlossen());
    EXPECT_FALSE(b.stand().wechsellauf > 0) << "opening with lane change on starts at heat one";
    EXPECT_EQ(b.einstellungen().rundenzahl, 10);
    EXPECT_TRUE(b.speicher.geschrieben.isEmpty());
}

TEST(Dialog, GedrueckteAmpelZeigtNachOkFuenfGelbeKreise) {
    Einstellungsbahn b;
    DialogLogik d = b.dialogOeffnen();
    d.ankreuzen(&DialogAnsicht::kreisscheiben, true);
    d.okGedrueckt();
    for (int lampe = 1; lampe <= 5; ++lampe)
        EXPECT_EQ(b.ansicht().ampel[lampe], (Lampenbild{Lampensatz::Kreis, Lampe::Gelb}));
    EXPECT_EQ(b.speicher.werte.value("Ampelbilder"), "False");
}

TEST(Dialog, RacecontrolNurMitFunktionierenderBibliothek) {
    Einstellungsbahn b;
    b.version = std::nullopt;
    DialogLogik d = b.dialogOeffnen();
    d.ankreuzen(&DialogAnsicht::raceControl, true);
    EXPECT_TRUE(d.ansicht.raceControlKnopfAktiv);
    d.ankreuzen(&DialogAnsicht::beep, true);
    d.okGedrueckt();
    EXPECT_FALSE(b.einstellungen().raceControl) << "the old mode stays";
    EXPECT_FALSE(b.speicher.werte.contains("RaceControl"));
    EXPECT_EQ(b.speicher.werte.value("RundenBeep"), "True") << "the rest of the OK is stored";
    EXPECT_TRUE(b.portsteuerung.aufrufe.isEmpty());

    b.version = "1.3";
    DialogLogik e = b.dialogOeffnen();
    e.ankreuzen(&DialogAnsicht::raceControl, true);
    e.okGedrueckt();
    EXPECT_TRUE(b.einstellungen().raceControl);
    EXPECT_EQ(b.speicher.werte.value("RaceControl"), "True");
    EXPECT_EQ(b.portsteuerung.aufrufe, QStringList{"SchnittstelleOeffnen normalOeffnen"});

    DialogLogik f = b.dialogOeffnen();
    EXPECT_TRUE(f.ansicht.raceControlKnopfAktiv);
    f.ankreuzen(&DialogAnsicht::raceControl, false);
    f.okGedrueckt();
    EXPECT_FALSE(b.einstellungen().raceControl);
    EXPECT_EQ(b.portsteuerung.aufrufe.size(), 2) << "back to the sensor port";

    DialogLogik g = b.dialogOeffnen();
    g.okGedrueckt();
    EXPECT_EQ(b.portsteuerung.aufrufe.size(), 2) << "already off: only the key is stored";
    EXPECT_EQ(b.speicher.werte.value("RaceControl"), "False");
}

TEST(Dialog, RacecontrolHinweisBeimVerlassenDesKaestchens) {
    Einstellungsbahn b;
    DialogLogik d = b.dialogOeffnen();
    d.ankreuzen(&DialogAnsicht::raceControl, true);
    d.raceControlVerlassen();
    d.raceControlVerlassen();
    ASSERT_EQ(b.dialoge.meldungen.size(), 2u) << "each time the focus leaves it";
    EXPECT_TRUE(b.dialoge.meldungen[0].text.contains("www.racecontrol.example"));
    d.ankreuzen(&DialogAnsicht::raceControl, false);
    EXPECT_TRUE(d.ansicht.raceControlKnopfAktiv) << "unticking alone does not disable it";
    d.raceControlVerlassen();
    EXPECT_FALSE(d.ansicht.raceControlKnopfAktiv);
}

TEST(Dialog, KnoepfeWirkenSofort) {
    Einstellungsbahn b;
    b.dialoge.eingabeAntworten = {"3"};
    b.starten();
    b.fahren(1, 0.5, {2});
    b.rennen.startGedrueckt();
    ASSERT_NE(b.stand().maxGeschw, 0);
    DialogLogik d = b.dialogOeffnen();
    d.portWechseln();
    EXPECT_EQ(b.portsteuerung.aufrufe, (QStringList{"schliessen", "SchnittstelleOeffnen 3"}));
    EXPECT_EQ(b.dialoge.eingaben[0].titel, "welche Schnittstelle");
    d.hoechstgeschwindigkeitZuruecksetzen();
    EXPECT_EQ(b.stand().maxGeschw, 0);
    d.ergebnisSpeichern();
    EXPECT_EQ(b.rekorde.aufrufe, QStringList{"ErgebnisSpeichern"});
    d.hilfeZeigen();
    d.infoZeigen();
    d.raceControlEinstellen();
    EXPECT_EQ(b.dialoge.gezeigteFenster,
              (std::vector<Fenster>{Fenster::fHinweis, Fenster::Info, Fenster::fRaceControl}));
    EXPECT_FALSE(d.geschlossen());
}

TEST(Dialog, OptionOeffnetDenDialogBeiGelberAmpel) {
    Einstellungsbahn b;
    b.start.optionenOeffnen();
    EXPECT_EQ(b.ansicht().ampel[3].lampe, Lampe::Gelb);
    EXPECT_EQ(b.dialoge.gezeigteFenster, std::vector<Fenster>{Fenster::Dialog});
}
