#include "Tastatur.h"

#include "Mehrspuransicht.h"

#include "../../settings/Einstellungsbahn.h"
#include "../../ui/OhneZuschauer.h"

#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {
struct Zuschauerliste : Zuschaueranzeige {
    void umschalten() override { aufrufe << QStringLiteral("umschalten"); }
    void vollbildUmschalten() override { aufrufe << QStringLiteral("vollbild"); }
    QStringList aufrufe;
};

struct Tastaturbahn : Einstellungsbahn {
    Fahrernamen fahrer{rennen, speicher, dialoge};
    Zuschauerliste zuschauer;
    OhneZoom zoom;
    Tastatur tastatur{rennen, start, dialoge, fahrer, zuschauer, zoom};

    void taste(Taste t, int umschaltung = Umschaltung::Shift) {
        tastatur.tasteGedrueckt(t, umschaltung);
    }
};
} // namespace

TEST(Tastatur, EnterStartetUndStopptLeertasteNurImRennen) {
    Tastaturbahn b;
    b.taste(Taste::Leertaste, 0);
    EXPECT_FALSE(b.stand().crashPause) << "no race, no crash";
    b.taste(Taste::Enter, Umschaltung::Strg);
    EXPECT_EQ(b.ansicht().start.text, "Stop");
    b.taste(Taste::Leertaste, Umschaltung::Shift | Umschaltung::Strg);
    EXPECT_TRUE(b.stand().crashPause) << "any shift state";
    b.taste(Taste::Leertaste, 0);
    EXPECT_FALSE(b.stand().crashPause);
    b.taste(Taste::Enter, 0);
    EXPECT_EQ(b.ansicht().start.text, "Start");
}

TEST(Tastatur, RundenPerHandNurMitShiftAlleinUndNurWennSignaleZaehlen) {
    Tastaturbahn b;
    b.taste(Taste::Ziffer1);
    EXPECT_TRUE(b.dialoge.meldungen.empty()) << "idle: nothing";

    b.bei(-5);
    b.taste(Taste::Enter, 0);
    b.countdown(12);
    b.taste(Taste::Ziffer1, Umschaltung::Shift | Umschaltung::Strg);
    b.taste(Taste::Ziffer1, 0);
    EXPECT_TRUE(b.dialoge.meldungen.empty()) << "Ctrl+Shift+1 and plain 1 do nothing";
    b.taste(Taste::Ziffer1);
    ASSERT_EQ(b.dialoge.meldungen.size(), 1u);
    EXPECT_EQ(b.dialoge.meldungen[0].text, "Fehlstart von Fahrer 1");

    // After the false start signals still count and the option button stays disabled.
    b.taste(Taste::O);
    b.taste(Taste::H);
    b.taste(Taste::M);
    b.taste(Taste::Leertaste, 0);
    EXPECT_TRUE(b.dialoge.gezeigteFenster.empty());
    EXPECT_FALSE(b.stand().crashPause);
}

// Ctrl with the digit takes the lane's last lap back; with Shift as well, nothing happens.
TEST(Tastatur, StrgZifferStreichtDieLetzteRundeDerSpur) {
    Tastaturbahn b;
    b.starten();
    b.fahren(2, 0.5, {2, 2});
    b.taste(Taste::Ziffer2, Umschaltung::Strg | Umschaltung::Shift);
    b.taste(Taste::Ziffer2, 0);
    b.taste(Taste::Ziffer1, Umschaltung::Strg);
    EXPECT_EQ(b.spur(2).runden.size(), 2u);
    b.taste(Taste::Ziffer2, Umschaltung::Strg);
    EXPECT_EQ(b.rundenzeiten(2), (std::vector<double>{0, 2.5}));
}

TEST(Tastatur, FensterTastenNurZwischenDenRennen) {
    Tastaturbahn b;
    b.starten();
    b.fahren(1, 0.5, {2});
    for (Taste t : {Taste::A, Taste::D, Taste::M, Taste::H, Taste::O, Taste::I, Taste::T, Taste::V,
                    Taste::R, Taste::F1})
        b.taste(t);
    EXPECT_NE(b.stand().maxGeschw, 0) << "Shift+M only between races";
    EXPECT_TRUE(b.dialoge.gezeigteFenster.empty());
    EXPECT_TRUE(b.rekorde.aufrufe.isEmpty());
    EXPECT_TRUE(b.dialoge.eingaben.empty());

    b.taste(Taste::Enter, 0); // stop
    b.taste(Taste::M);
    EXPECT_EQ(b.stand().maxGeschw, 0);
    EXPECT_EQ(b.maxg(), "Maximalgeschwindigkeit:");
    b.taste(Taste::D);
    EXPECT_EQ(b.rekorde.aufrufe, QStringList{"ErgebnisSpeichern"});
    b.taste(Taste::H);
    b.taste(Taste::I);
    b.taste(Taste::O);
    b.taste(Taste::T);
    b.taste(Taste::V);
    b.taste(Taste::A);
    b.taste(Taste::R);
    EXPECT_EQ(
        b.dialoge.gezeigteFenster,
        (std::vector<Fenster>{Fenster::fhof, Fenster::Info, Fenster::Dialog, Fenster::Sensortest,
                              Fenster::fVerlauf, Fenster::fAnsagen, Fenster::Rennformat}));
    b.taste(Taste::F2);
    ASSERT_EQ(b.dialoge.eingaben.size(), 1u);
    EXPECT_EQ(b.dialoge.eingaben[0].text, "Wie soll der neue Name von Fahrer 2 sein?:");
    b.taste(Taste::H, Umschaltung::Shift | Umschaltung::Alt);
    EXPECT_EQ(b.dialoge.gezeigteFenster.size(), 7u);
}

TEST(Tastatur, InDerCrashpauseGehenDieFensterTastenAberNichtDieGesperrtenKnoepfe) {
    Tastaturbahn b;
    b.starten();
    b.taste(Taste::Leertaste, 0);
    b.taste(Taste::I);
    b.taste(Taste::H);
    b.taste(Taste::O);
    b.taste(Taste::T); // the lines would feed the test, not the race
    b.taste(Taste::V);
    b.taste(Taste::A);
    EXPECT_EQ(b.dialoge.gezeigteFenster, std::vector<Fenster>{Fenster::Info});
}

TEST(Tastatur, DasZuschauerfensterGehtAuchImRennenAufZuUndInDenVollbildmodus) {
    Tastaturbahn b;
    b.starten();
    b.taste(Taste::Z);
    b.taste(Taste::F11, 0);
    b.taste(Taste::Leertaste, 0);
    b.taste(Taste::Z);
    b.taste(Taste::Z, 0);
    b.taste(Taste::F11);
    EXPECT_EQ(b.zuschauer.aufrufe, (QStringList{"umschalten", "vollbild", "umschalten"}))
        << "Shift+Z and plain F11, in the race and in its crash pause";
    EXPECT_EQ(b.ansicht().start.text, "Stop") << "the race goes on";
}

TEST(Tastatur, ShiftStrgKlickAufDenCountdownSchaltetDenEinzelmodus) {
    Tastaturbahn b;
    b.tastatur.countdownGeklickt(Umschaltung::Shift);
    EXPECT_FALSE(b.stand().einzelmodus);
    b.tastatur.countdownGeklickt(Umschaltung::Shift | Umschaltung::Strg);
    EXPECT_TRUE(b.stand().einzelmodus);
    ASSERT_EQ(b.dialoge.meldungen.size(), 1u);
    EXPECT_EQ(b.dialoge.meldungen[0].text,
              "Einzelmodus ist jetz Wahr\r\nDer Einzelmodus geht nicht bei Shift + 1 bzw + 2");
    b.tastatur.countdownGeklickt(Umschaltung::Shift | Umschaltung::Strg);
    EXPECT_TRUE(b.dialoge.meldungen[1].text.startsWith("Einzelmodus ist jetz Falsch"));
}

TEST(Tastatur, StatusleisteOeffnetInfoNurOhneRennen) {
    Tastaturbahn b;
    b.tastatur.statusleisteGeklickt();
    b.starten();
    b.tastatur.statusleisteGeklickt();
    EXPECT_EQ(b.dialoge.gezeigteFenster, std::vector<Fenster>{Fenster::Info});
}

TEST(Fahrernamen, UmbenennenUndFarbenWerdenGespeichert) {
    Tastaturbahn b;
    b.dialoge.eingabeAntworten = {"", "  ", "Jürgen"};
    b.fahrer.umbenennen(1);
    EXPECT_EQ(b.stand().spuren[1].fahrer, "Fahrer 1") << "cancelled";
    EXPECT_TRUE(b.speicher.geschrieben.isEmpty());
    EXPECT_EQ(b.dialoge.vorgaben[0], "Fahrer 1");
    EXPECT_EQ(b.dialoge.eingaben[0].titel, "Name?");
    b.fahrer.umbenennen(1);
    EXPECT_EQ(b.stand().spuren[1].fahrer, "  ") << "blanks are a name";
    b.fahrer.umbenennen(2);
    EXPECT_EQ(b.ansicht().fahrer[2].text, "Jürgen");
    EXPECT_EQ(b.speicher.werte.value("fahrer2"), "Jürgen");

    b.fahrer.gedrueckt(1, std::nullopt); // the left button
    EXPECT_EQ(b.speicher.werte.value("fahrerfarbe1"), "12632256") << "every press stores";
    b.fahrer.gedrueckt(2, 6);
    EXPECT_EQ(b.ansicht().fahrer[2].farbe, 0xFFFF00u) << "Blau";
    EXPECT_EQ(b.speicher.werte.value("fahrerfarbe2"), "16776960");
    b.fahrer.gedrueckt(2, std::nullopt); // menu escaped
    EXPECT_EQ(b.ansicht().fahrer[2].farbe, 0xFFFF00u);
    b.fahrer.gedrueckt(2, 0);
    const Farbe zaehlerfarbe = b.ansicht().restrunden[1].farbe;
    EXPECT_EQ(b.ansicht().fahrer[2].farbe, zaehlerfarbe) << "Standard: the lap counter's";

    Einstellungsbahn neu;
    neu.speicher.werte = b.speicher.werte;
    neu.starteProgramm();
    EXPECT_EQ(neu.ansicht().fahrer[2].text, "Jürgen");
    EXPECT_EQ(neu.ansicht().fahrer[2].farbe, zaehlerfarbe);
}

namespace {
// The keys the file names from `von` to `bis`: each capture of `taste`, sorted.
QStringList genannt(const char* pfad, const QString& von, const QString& bis,
                    const QString& taste) {
    QFile datei(QString::fromUtf8(pfad));
    EXPECT_TRUE(datei.open(QIODevice::ReadOnly)) << pfad;
    const QString text = QString::fromUtf8(datei.readAll());
    const qsizetype anfang = text.indexOf(von);
    QStringList tasten;
    auto treffer = QRegularExpression(taste, QRegularExpression::MultilineOption)
                       .globalMatch(text.mid(anfang, text.indexOf(bis, anfang + 1) - anfang));
    while (treffer.hasNext())
        tasten << treffer.next().capturedTexts().mid(1);
    tasten.removeAll(QString());
    tasten.sort();
    return tasten;
}
} // namespace

// Read against the key table the program acts on, not a list of their own: a key without
// its entry, or an entry for a key the program does not know, fails here.
TEST(Tastatur, HandbuchUndHinweisfensterNennenJedeTasteDerTabelle) {
    Tastaturbahn b;
    QStringList tabelle;
    for (const Tastenbefehl& befehl : b.tastatur.tabelle())
        tabelle << befehl.name;
    tabelle.sort();
    // ".B Umschalt+Z", or ".BR Umschalt+1 \", \" Umschalt+2" for two keys.
    EXPECT_EQ(
        genannt(HANDBUCH, "\n.SH TASTEN\n", "\n.SH ", R"(^\.B (\S+)$|^\.BR (\S+) "[^"]*" (\S+)$)"),
        tabelle);
    EXPECT_EQ(genannt(README, "\nTasten\n------\n", "\n\n\n", R"(^  (\S+)(?:  |$))"), tabelle);
}

// On a four-lane track Shift and Ctrl with 3 and 4 give and take back laps and Shift+F3
// renames lane 3's driver; the digits of lanes the track does not have do nothing, and the
// race night's window opens as on two lanes.
TEST(Tastatur, SpurtastenFuerJedeSpurDerBahn) {
    Tastaturbahn b;
    b.einstellen([](Renneinstellungen& e) { e.spuranzahl = 4; });
    b.dialoge.eingabeAntworten = {QStringLiteral("Carla")};
    b.taste(Taste::F3);
    EXPECT_EQ(b.spur(3).fahrer, "Carla");
    EXPECT_EQ(b.speicher.werte.value("fahrer3"), "Carla");
    b.taste(Taste::F5);
    EXPECT_EQ(b.dialoge.eingaben.size(), 1u) << "no lane 5, no question";
    b.taste(Taste::N);
    EXPECT_EQ(b.dialoge.gezeigteFenster.size(), 1u);
    EXPECT_TRUE(b.dialoge.meldungen.empty());

    b.starten();
    b.bei(0.4);
    b.taste(Taste::Ziffer4);
    b.bei(2.4);
    b.taste(Taste::Ziffer4);
    b.bei(4.4);
    b.taste(Taste::Ziffer4);
    EXPECT_EQ(b.spur(4).runden.size(), 2u);
    b.taste(Taste::Ziffer4, Umschaltung::Strg);
    EXPECT_EQ(b.spur(4).runden.size(), 1u);
    b.taste(Taste::Ziffer5);
    b.taste(Taste::Ziffer8, Umschaltung::Strg);
    EXPECT_TRUE(b.dialoge.meldungen.empty());
}

// The race director's keys on a track of four lanes, lane 4 free: Alt with the digit a time
// penalty of the set seconds, with Shift as well a stop and go, Ctrl+Shift with the F-key a
// lap; Alt+Backspace takes the last back. Ctrl+Alt with a digit is AltGr on Windows and does
// nothing; a free lane only beeps. The penalty stands beside the lane's name.
TEST(Tastatur, DieRennleitungStraftMitAltUndNimmtMitAltRuecktasteZurueck) {
    using namespace Umschaltung;
    Tastaturbahn b;
    b.einstellen([](Renneinstellungen& e) {
        e.spuranzahl = 4;
        e.freieSpuren = 0b1000;
        e.strafzeit = 7;
        e.stopAndGoZeit = 12;
    });
    b.taste(Taste::Ziffer2, Alt);
    EXPECT_TRUE(b.stand().strafen.empty()) << "no race, no penalty";
    b.starten();
    b.bei(3);
    b.taste(Taste::Ziffer2, Alt);
    b.taste(Taste::Ziffer3, Alt | Shift);
    b.taste(Taste::F1, Strg | Shift);
    b.taste(Taste::Ziffer1, Strg | Alt);
    const QString r = QStringLiteral("Rennleitung");
    EXPECT_EQ(b.stand().strafen, (std::vector<Strafe>{{0, 2, Strafart::Zeit, 7, 3, r},
                                                       {0, 3, Strafart::StopAndGo, 12, 3, r},
                                                       {0, 1, Strafart::Runden, 1, 3, r}}));
    const Mehrspuransicht a = mehrspuransicht(b.rennen, 1);
    EXPECT_EQ(a.kopf.back(), "Strafe");
    EXPECT_EQ(a.zeilen[1].zelle(Mehrspurspalte::Strafe), "+7 s");
    EXPECT_EQ(a.zeilen[0].zelle(Mehrspurspalte::Strafe), "−1 Rd.");
    EXPECT_EQ(a.zeilen[2].zelle(Mehrspurspalte::Strafe), "");

    const std::size_t piepte = b.klang.pieptoene.size();
    b.taste(Taste::Ziffer4, Alt);
    EXPECT_EQ(b.klang.pieptoene.size(), piepte + 1) << "a free lane";
    b.taste(Taste::Ruecktaste, Alt);
    b.taste(Taste::Ruecktaste, Alt);
    EXPECT_EQ(b.stand().strafen.size(), 1u);
    EXPECT_EQ(mehrspuransicht(b.rennen, 1).zeilen[0].zelle(Mehrspurspalte::Strafe), "");
    b.taste(Taste::Ruecktaste, Alt);
    b.taste(Taste::Ruecktaste, Alt);
    EXPECT_TRUE(b.stand().strafen.empty());
    EXPECT_EQ(b.klang.pieptoene.size(), piepte + 2) << "none left to take back";
}

// On two lanes the penalty stands behind the driver's name in its label.
TEST(Tastatur, ZweiSpurenZeigenDieStrafeHinterDemNamen) {
    Tastaturbahn b;
    b.starten();
    b.taste(Taste::Ziffer1, Umschaltung::Alt);
    b.taste(Taste::Ziffer1, Umschaltung::Alt);
    b.taste(Taste::F1, Umschaltung::Strg | Umschaltung::Shift);
    EXPECT_EQ(b.ansicht().fahrer[1].text, "Fahrer 1  +10 s −1 Rd.");
    EXPECT_EQ(b.ansicht().fahrer[2].text, "Fahrer 2");
}
