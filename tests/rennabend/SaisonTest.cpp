// A season of stored nights, as the history window shows it: drop rounds set with S, classes
// given with the rosters, the table computed from the nights every time.
#include "Abendablage.h"
#include "Abendfahrer.h"
#include "Fensterbahn.h"
#include "RennabendLogik.h"
#include "Rennabendexport.h"
#include "Rennabendspeicher.h"
#include "Rennbahn.h"
#include "Saisonspeicher.h"
#include "Saisontabelle.h"

#include <QJsonArray>
#include <QJsonObject>

namespace {
const std::vector<int> Saisonpunkte{10, 8, 6, 5};

// A night of the season "Winter" from a roster as typed in the window "Rennabend", every
// Begegnung won by who stands first in `reihenfolge`, stored as the program stores it.
void saisonabendFahren(const QString& pfad, const QString& roster, const QStringList& reihenfolge,
                       int& minute) {
    Verlaufsdatenbank db(pfad);
    ASSERT_TRUE(db.vorbereiten().beschreibbar);
    Rennbahn bahn;
    Datenbankablage ablage(db);
    Rennabendleiter leiter(bahn.rennen, ablage);
    leiter.beiAenderung([&] { EXPECT_EQ(rennabendSpeichern(db, leiter.abend()), std::nullopt); });
    FakeDialoge dialoge;
    ASSERT_TRUE(RennabendLogik(leiter, dialoge)
                    .beginnen(roster, Rennabendregeln{}, QStringLiteral("Winter"), {}));
    for (int i = 0; i < 10 && leiter.naechstePaarung(); ++i) {
        const Paarung p = *leiter.naechstePaarung();
        const QString sieger =
            reihenfolge.indexOf(p.spur1) < reihenfolge.indexOf(p.spur2) ? p.spur1 : p.spur2;
        leiter.ablegen(fuerDenAbend(leiter, begegnung(p, sieger, ++minute)));
    }
    EXPECT_FALSE(leiter.naechstePaarung());
}

QStringList saisonzeile(std::initializer_list<const char*> felder) {
    QStringList zeile;
    for (const char* f : felder)
        zeile << QString::fromUtf8(f);
    return zeile;
}
} // namespace

// Four nights: Dieter drives one, Anna misses one and changes from Junior to GT, Carla's
// class is given only now and then, Bert has two equal worst nights. The season's tables
// follow the drop rounds the racer sets with S, and a number that is none is turned down.
TEST(Saison, StreichresultateUndKlassenAusGespeichertenAbenden) {
    Fensterbahn b;
    int minute = 0;
    saisonabendFahren(b.pfad, QStringLiteral("Anna [Junior], Bert, Carla [GT]"), {A, B, C}, minute);
    saisonabendFahren(b.pfad, QStringLiteral("Carla [GT], Bert [Junior], Dieter [GT]"), {C, B, D},
                      minute);
    saisonabendFahren(b.pfad, QStringLiteral("Carla, Anna [ GT ], Bert"), {C, A, B}, minute);
    saisonabendFahren(b.pfad, QStringLiteral("Carla, Anna, Bert"), {C, A, B}, minute);
    {
        // The names go on without their classes; the night keeps them.
        Verlaufsdatenbank db(b.pfad);
        ASSERT_TRUE(db.vorbereiten().beschreibbar);
        QString fehler;
        const auto abende = rennabendeLesen(db, {}, fehler);
        ASSERT_EQ(abende.size(), 4u);
        EXPECT_EQ(fahrernamen(abende[0].abend), (QStringList{A, B, C}));
        EXPECT_EQ(abende[0].abend.klassen, (Fahrerklassen{{A, "Junior"}, {C, "GT"}}));
        EXPECT_EQ(abende[2].abend.klassen, (Fahrerklassen{{A, "GT"}}));
        EXPECT_TRUE(abende[3].abend.klassen.isEmpty());
        EXPECT_FALSE(abende[3].beschaedigt);
    }
    b.saisons = [](Verlaufsdatenbank& db, QString& fehler) {
        return saisonwertungenLesen(db, Saisonpunkte, fehler);
    };
    b.logik().saisonZeigen();
    ASSERT_EQ(b.a().seite, VerlaufAnsicht::Seite::Saison);
    const QString tag = QDate::currentDate().toString(QStringLiteral("dd.MM."));
    EXPECT_EQ(b.a().tabellenkopf, (QStringList{"Platz", "Fahrer", "Klasse", tag, tag, tag, tag,
                                               "Gesamt", "Wertung", "Abende", "Abendsiege"}));
    EXPECT_EQ(b.a().angaben, QStringList{"4 Rennabende"}) << "none dropped yet";
    EXPECT_EQ(b.a().tabelle,
              (std::vector<QStringList>{
                  saisonzeile({"1", "Carla", "GT", "6", "10", "10", "10", "36", "36", "4", "3"}),
                  saisonzeile({"2", "Bert", "Junior", "8", "8", "6", "6", "28", "28", "4", "0"}),
                  saisonzeile({"3", "Anna", "GT", "10", "–", "8", "8", "26", "26", "3", "1"}),
                  saisonzeile({"4", "Dieter", "GT", "–", "6", "–", "–", "6", "6", "1", "0"}),
                  {"Klasse GT"},
                  saisonzeile({"1", "Carla", "GT", "6", "10", "10", "10", "36", "36", "4", "3"}),
                  saisonzeile({"2", "Anna", "GT", "10", "–", "8", "8", "26", "26", "3", "1"}),
                  saisonzeile({"3", "Dieter", "GT", "–", "6", "–", "–", "6", "6", "1", "0"}),
                  {"Klasse Junior"},
                  saisonzeile({"1", "Bert", "Junior", "8", "8", "6", "6", "28", "28", "4", "0"}),
              }));
    EXPECT_EQ(b.a().tabellentitel, (std::vector<std::size_t>{4, 8}));

    // One dropped: Anna's missed night goes and she passes Bert, whose earlier 6 goes.
    b.dialoge.eingabeAntworten = {"1"};
    b.logik().streichresultateFragen();
    ASSERT_EQ(b.dialoge.eingaben.size(), 1u);
    EXPECT_EQ(b.dialoge.eingaben[0].text, "Wie viele seiner schlechtesten Abende streicht jeder "
                                          "Fahrer in der Saison Winter? (0 bis 50)");
    EXPECT_EQ(b.dialoge.vorgaben, QStringList{"0"});
    ASSERT_EQ(b.a().seite, VerlaufAnsicht::Seite::Saison);
    EXPECT_TRUE(b.dialoge.meldungen.empty());
    EXPECT_EQ(b.a().angaben,
              (QStringList{"4 Rennabende", "1 Streichresultat: In der Wertung zählen je Fahrer "
                                           "die besten 3 Abende, die gestrichenen stehen in "
                                           "Klammern."}));
    const std::vector<QStringList> eins{
        saisonzeile({"1", "Carla", "GT", "(6)", "10", "10", "10", "36", "30", "4", "3"}),
        saisonzeile({"2", "Anna", "GT", "10", "–", "8", "8", "26", "26", "3", "1"}),
        saisonzeile({"3", "Bert", "Junior", "8", "8", "(6)", "6", "28", "22", "4", "0"}),
        saisonzeile({"4", "Dieter", "GT", "–", "6", "–", "–", "6", "6", "1", "0"}),
    };
    ASSERT_EQ(b.a().tabelle.size(), 10u);
    EXPECT_EQ(std::vector<QStringList>(b.a().tabelle.begin(), b.a().tabelle.begin() + 4), eins);
    EXPECT_EQ(b.a().tabelle[6],
              saisonzeile({"2", "Anna", "GT", "10", "–", "8", "8", "26", "26", "3", "1"}));

    for (const char* keine : {"abc", "51", "-1", "2,5", "1e1"}) {
        b.dialoge.eingabeAntworten = {QString::fromUtf8(keine)};
        b.logik().streichresultateFragen();
        ASSERT_FALSE(b.dialoge.meldungen.empty()) << keine;
        EXPECT_EQ(b.dialoge.meldungen.back().text,
                  QStringLiteral("„%1“ geht nicht als Streichresultate: Es braucht eine ganze "
                                 "Zahl von 0 bis 50.")
                      .arg(QString::fromUtf8(keine)));
        EXPECT_EQ(b.dialoge.meldungen.back().titel, "Rennverlauf");
    }
    EXPECT_EQ(std::vector<QStringList>(b.a().tabelle.begin(), b.a().tabelle.begin() + 4), eins)
        << "unchanged";
    b.dialoge.eingabeAntworten = {""}; // cancelled
    b.logik().streichresultateFragen();
    EXPECT_EQ(b.dialoge.vorgaben.back(), "1");

    // The PDF has the classes' tables under the whole field's.
    const Tabelle druck = b.logik().saisontabelle();
    ASSERT_EQ(druck.teile.size(), 2u);
    EXPECT_EQ(druck.teile[1].ueberschrift, "Klasse Junior");
    EXPECT_EQ(druck.teile[1].zeilen, std::vector<QStringList>{b.a().tabelle[9]});
    const QString html = tabelleAlsHtml(druck);
    EXPECT_TRUE(html.contains("<h2>Klasse GT</h2>")) << html.toStdString();
    EXPECT_TRUE(html.contains("<td>(6)</td>"));

    // The drop rounds stay with the season, read again from the database.
    Verlaufsdatenbank db(b.pfad);
    ASSERT_TRUE(db.vorbereiten().beschreibbar);
    QString fehler;
    const std::vector<Saisonwertung> wieder = saisonwertungenLesen(db, Saisonpunkte, fehler);
    ASSERT_EQ(wieder.size(), 1u);
    EXPECT_EQ(wieder[0].streichresultate, 1);
    EXPECT_EQ(wieder[0].zeilen, eins);
    ASSERT_EQ(streichresultateSpeichern(db, QStringLiteral("Winter"), 2), std::nullopt);
    EXPECT_EQ(saisonwertungenLesen(db, Saisonpunkte, fehler)[0].zeilen[2],
              saisonzeile({"3", "Bert", "Junior", "8", "8", "(6)", "(6)", "28", "16", "4", "0"}));

    // The history's JSON export holds the same tables, and each night its drivers' classes.
    QJsonObject oben;
    ASSERT_EQ(rennabendeExportieren(db, {}, Saisonpunkte)(oben), std::nullopt);
    EXPECT_EQ(oben["rennabende"][0]["klassen"].toObject(), (QJsonObject{{A, "Junior"}, {C, "GT"}}));
    const QJsonArray saisons = oben["saisons"].toArray();
    ASSERT_EQ(saisons.size(), 1);
    const QJsonObject winter = saisons[0].toObject();
    EXPECT_EQ(winter["name"].toString(), "Winter");
    EXPECT_EQ(winter["streichresultate"].toInt(), 2);
    const QJsonArray abende = winter["abende"].toArray();
    ASSERT_EQ(abende.size(), 4);
    for (qsizetype i = 0; i < abende.size(); ++i) {
        EXPECT_EQ(abende[i]["schluessel"], oben["rennabende"][i]["schluessel"]) << "oldest first";
        EXPECT_EQ(abende[i]["datum"].toString(), QDate::currentDate().toString(Qt::ISODate));
    }
    const QJsonArray tabelle = winter["tabelle"].toArray();
    ASSERT_EQ(tabelle.size(), 4);
    EXPECT_EQ(tabelle[0].toObject(),
              (QJsonObject{{"platz", 1},
                           {"name", C},
                           {"klasse", "GT"},
                           {"abendpunkte", QJsonArray{6, 10, 10, 10}},
                           {"gestrichen", QJsonArray{true, true, false, false}},
                           {"gesamt", 36},
                           {"wertung", 20},
                           {"abende", 4},
                           {"abendsiege", 3}}));
    EXPECT_EQ(tabelle[1]["name"].toString(), A);
    EXPECT_EQ(tabelle[1]["abendpunkte"].toArray(), (QJsonArray{10, QJsonValue(), 8, 8}));
    EXPECT_EQ(tabelle[1]["gestrichen"].toArray(), (QJsonArray{false, false, true, false}));
    EXPECT_EQ(tabelle[3]["wertung"].toInt(), 6);
    const QJsonArray klassen = winter["klassen"].toArray();
    ASSERT_EQ(klassen.size(), 2);
    EXPECT_EQ(klassen[0]["klasse"].toString(), "GT");
    EXPECT_EQ(klassen[0]["tabelle"][2]["name"].toString(), D);
    EXPECT_EQ(klassen[0]["tabelle"][2]["platz"].toInt(), 3);
    EXPECT_EQ(klassen[1]["tabelle"].toArray().size(), 1);
}

// A driver joining in the window may bring a class, one who leaves keeps theirs for the
// season, and one who comes back in another class is in that one from now on.
TEST(Saison, KlassenKommenUndGehenMitDenFahrern) {
    Rennbahn bahn;
    Ablageliste ablage;
    Rennabendleiter leiter(bahn.rennen, ablage);
    FakeDialoge dialoge;
    RennabendLogik logik(leiter, dialoge);
    ASSERT_TRUE(logik.beginnen(QStringLiteral("Anna [Junior],Bert,Carla"), Rennabendregeln{},
                               QStringLiteral("Winter"), {}));
    logik.hinzufuegen(QStringLiteral("Dieter [GT]"));
    logik.entfernen(A);
    EXPECT_TRUE(dialoge.meldungen.empty());
    EXPECT_EQ(fahrernamen(leiter.abend()), (QStringList{B, C, D}));
    EXPECT_EQ(leiter.abend().klassen, (Fahrerklassen{{A, "Junior"}, {D, "GT"}}));
    logik.hinzufuegen(QStringLiteral("anna [GT]"));
    EXPECT_EQ(klasseVon(leiter.abend().klassen, A), "GT");
    EXPECT_EQ(leiter.abend().klassen.size(), 2);
}
