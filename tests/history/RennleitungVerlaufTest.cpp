// Penalties and track calls in the history: written down from the race, stored in a
// database brought up from the version before them, read back, exported, and kept or changed
// by a correction.
#include "Korrektur.h"
#include "Nachrechnung.h"
#include "Rennbahn.h"
#include "Rennjson.h"
#include "Rennmitschrift.h"
#include "Rennseite.h"
#include "Verlaufsabfragen.h"
#include "Verlaufsexport.h"
#include "Verlaufsspeicher.h"
#include "Verlaufstest.h"

#include "Zahlenformat.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSqlQuery>
#include <gtest/gtest.h>

namespace {
// A database as the version before race control left it: its tables, one race, no more.
void datenbankVersion7(const QString& pfad) {
    Verlaufsdatenbank db(pfad);
    ASSERT_TRUE(db.vorbereiten().beschreibbar);
    ASSERT_EQ(Verlaufsspeicher(db).speichern(rennen("Alt", {4, 4}, "Bert", {5, 5})),
              std::nullopt);
    QSqlQuery q(db.db());
    for (const char* anweisung :
         {"DROP TABLE strafen", "DROP TABLE streckenrufe", "DROP TABLE saisons",
          "ALTER TABLE rennabende DROP COLUMN klassen", "PRAGMA user_version = 7"})
        ASSERT_TRUE(q.exec(QString::fromLatin1(anweisung))) << anweisung;
}

QByteArray csvVon(const Rennaufzeichnung& r) {
    QTemporaryDir ordner;
    const QString pfad = QDir(ordner.path()).filePath(QStringLiteral("r.csv"));
    EXPECT_EQ(verlaufExportieren(pfad, einRennen(3, r)), std::nullopt);
    QFile datei(pfad);
    EXPECT_TRUE(datei.open(QIODevice::ReadOnly));
    return datei.readAll();
}
} // namespace

// A race stopped during its second track call: its penalty and both calls, the open one
// ended at the stop, go to the store, survive the database's upgrade beside an older race,
// and come back from it and from the JSON as they were.
TEST(Rennleitungsverlauf, StrafenUndStreckenrufeGehenDurchDatenbankJsonUndCsv) {
    Rennbahn b;
    Ablageliste ablage;
    Rennmitschrift mitschrift{ablage, [] { return Signalquelle::Tastatur; },
                              [] { return QDateTime::fromString("2026-05-01T14:03:22+02:00",
                                                                Qt::ISODate); }};
    b.rennen.beobachterAnmelden(mitschrift);
    b.rennen.fahrerBenennen(1, QStringLiteral("Anna"));
    b.rennen.fahrerBenennen(2, QStringLiteral("Bernd"));
    b.runden(5);
    b.starten();
    b.signal(1, 0.1);
    b.signal(2, 0.2);
    b.signal(1, 4);
    b.bei(5);
    ASSERT_TRUE(b.rennen.strafeGeben(2, Strafart::Zeit, 5, QStringLiteral("Abkürzung \"K2\"")));
    b.bei(6);
    b.rennen.crashUmschalten();
    b.bei(9);
    b.rennen.crashUmschalten();
    b.signal(2, 10);
    b.bei(12);
    b.rennen.crashUmschalten();
    b.bei(14);
    b.rennen.startGedrueckt(); // Stop
    ASSERT_EQ(ablage.rennen.size(), 1u);
    const Rennaufzeichnung& r = ablage.rennen[0];
    ASSERT_TRUE(r.abgebrochen);
    ASSERT_EQ(r.strafen.size(), 1u);
    EXPECT_EQ(r.strafen[0],
              (Strafe{0, 2, Strafart::Zeit, 5, r.strafen[0].rennzeit, "Abkürzung \"K2\""}));
    EXPECT_GT(r.strafen[0].rennzeit, 4);
    ASSERT_EQ(r.streckenrufe.size(), 2u);
    EXPECT_TRUE(r.streckenrufe[1].ende) << "ended by the stop";
    EXPECT_EQ(r.streckenrufe[0].ursache, Streckenrufursache::Hand);

    Verlaufsordner o;
    datenbankVersion7(o.pfad);
    Verlaufsdatenbank db(o.pfad);
    ASSERT_TRUE(db.vorbereiten().beschreibbar) << db.fehler().toStdString();
    ASSERT_EQ(Verlaufsspeicher(db).speichern(r), std::nullopt);
    Verlaufsabfragen abfragen(db);
    const std::optional<Rennaufzeichnung> alt = abfragen.rennen(1);
    ASSERT_TRUE(alt);
    EXPECT_EQ(alt->laeufe[0][1].fahrer, "Alt") << "the race before the upgrade is kept";
    EXPECT_TRUE(alt->strafen.empty());
    const std::optional<Rennaufzeichnung> gelesen = abfragen.rennen(2);
    ASSERT_TRUE(gelesen);
    EXPECT_EQ(gelesen->strafen, r.strafen);
    EXPECT_EQ(gelesen->streckenrufe, r.streckenrufe);

    const QByteArray json = rennenAlsJson(2, *gelesen);
    EXPECT_TRUE(json.contains(
        ", \"strafen\": [{\"lauf\": 1, \"spur\": 2, \"art\": \"Zeit\", \"wert\": 5, \"rennzeit\": "))
        << json.toStdString();
    EXPECT_TRUE(json.contains("\"ursache\": \"Hand\"}]"));
    const std::optional<Rennaufzeichnung> zurueck =
        rennenAusJson(QJsonDocument::fromJson(json).object());
    ASSERT_TRUE(zurueck);
    EXPECT_EQ(zurueck->strafen, r.strafen);
    EXPECT_EQ(zurueck->streckenrufe, r.streckenrufe);

    // Entries of a heat or lane the race did not have, or of no known kind, are none of it.
    QJsonObject fremd = QJsonDocument::fromJson(json).object();
    fremd[QStringLiteral("strafen")] = QJsonDocument::fromJson(R"([
        {"lauf": 2, "spur": 1, "art": "Zeit", "wert": 5, "rennzeit": 0, "grund": ""},
        {"lauf": 1, "spur": 3, "art": "Zeit", "wert": 5, "rennzeit": 0, "grund": ""},
        {"lauf": 1, "spur": 1, "art": "Gelb", "wert": 5, "rennzeit": 0, "grund": ""},
        {"lauf": 1, "spur": 1, "art": "Runden", "wert": 2, "rennzeit": 3.5, "grund": "x"}])")
                                           .array();
    const std::optional<Rennaufzeichnung> bereinigt = rennenAusJson(fremd);
    ASSERT_TRUE(bereinigt);
    EXPECT_EQ(bereinigt->strafen, (std::vector<Strafe>{{0, 1, Strafart::Runden, 2, 3.5, "x"}}));

    VerlaufAnsicht seite;
    rennseiteFuellen(seite, {2, *gelesen});
    const qsizetype strafen = seite.angaben.indexOf(QStringLiteral("Strafen"));
    ASSERT_GE(strafen, 0) << seite.angaben.join('\n').toStdString();
    EXPECT_EQ(seite.angaben.mid(strafen),
              (QStringList{"Strafen",
                           "    Spur 2 – Bernd: 5 s Zeitstrafe, Abkürzung \"K2\" (bei " +
                               Zahlenformat::ZahlFormatieren(r.strafen[0].rennzeit) + " s)",
                           "Streckenrufe", "    6,000 s bis 9,000 s, von Hand",
                           // The race clock stood during the first call's 3 s.
                           "    9,000 s bis 11,000 s, von Hand"}));

    const QString csv = QString::fromUtf8(csvVon(*gelesen));
    EXPECT_TRUE(csv.contains(QStringLiteral(";1;2;Bernd;;") +
                             Zahlenformat::ZahlFormatieren(r.strafen[0].rennzeit) +
                             QStringLiteral(";;;Runden;;;;\"Strafe: 5 s Zeitstrafe, Abkürzung "
                                            "\"\"K2\"\"\"\r\n")))
        << csv.toStdString();
    EXPECT_TRUE(csv.contains(QStringLiteral(";1;;;;6,000;;;Runden;;;;Streckenruf (Hand) bis 9,000 s\r\n")))
        << csv.toStdString();
}

// Anna is 3 s faster than Bert. A 5 s penalty given in the correction makes Bert the winner
// and stays through a crossing deleted, an undo and a judging with another Prellzeit; taken
// back, Anna wins again. The database keeps what the correction leaves.
TEST(Rennleitungsverlauf, DieKorrekturGibtUndNimmtStrafenUndWertetNeu) {
    Rennaufzeichnung gespeichert = rennen("Anna", {4, 4, 4}, "Bert", {5, 5, 5});
    gespeichert.rohsignale = {{{1, 0}, {2, 0}, {1, 4'000'000}, {2, 5'000'000}, {1, 8'000'000},
                               {2, 10'000'000}, {1, 12'000'000}, {2, 15'000'000}}};
    Korrektur k(gespeichert);
    EXPECT_EQ(k.spurText(), "Spur 1 (Anna)");
    EXPECT_EQ(k.strafeGeben(Strafart::Zeit, 0.5, ""),
              "Eine Zeitstrafe liegt zwischen 1 und 600 Sekunden.");
    EXPECT_EQ(k.strafeGeben(Strafart::Zeit, 601, ""),
              "Eine Zeitstrafe liegt zwischen 1 und 600 Sekunden.");
    EXPECT_EQ(k.strafeGeben(Strafart::Runden, 1.5, ""),
              "Ein Rundenabzug ist eine ganze Zahl von 1 bis 999 Runden.");
    EXPECT_EQ(k.strafeZuruecknehmen(), "Spur 1 hat in diesem Lauf keine Strafe.");
    EXPECT_FALSE(k.geaendert()) << "nothing refused is an edit";

    ASSERT_EQ(k.strafeGeben(Strafart::Zeit, 5, "Fehlstart"), std::nullopt);
    EXPECT_EQ(k.rennen().sieger, "Bert");
    EXPECT_EQ(k.rennen().strafen,
              (std::vector<Strafe>{{0, 1, Strafart::Zeit, 5, 15, "Fehlstart"}}))
        << "given at the heat's last crossing, Bert's";
    const Laufergebnis& lauf = k.rennmodell().ergebnis().letzterLauf();
    EXPECT_EQ(lauf.spur(1).lauf.zeit, 17);
    EXPECT_EQ(lauf.spur(1).platz, 2);
    EXPECT_EQ(lauf.spur(2).platz, 1);
    EXPECT_EQ(k.rennmodell().stand().strafen.size(), 1u) << "the result file's penalties";

    // Bert's last crossing deleted: he is not home, Anna is, penalised or not.
    k.spurWechseln(1);
    k.rundeWechseln(2);
    ASSERT_EQ(k.loeschen(), std::nullopt);
    EXPECT_EQ(k.rennen().strafen.size(), 1u);
    EXPECT_EQ(k.rennen().sieger, "Anna");
    ASSERT_TRUE(k.rueckgaengig());
    EXPECT_EQ(k.rennen().sieger, "Bert");

    // Judged again from its signals, the race keeps the penalty.
    Rennaufzeichnung bestraft = k.rennen();
    const Rennaufzeichnung neu = Nachrechnung(bestraft, 1.0).ergebnis();
    EXPECT_EQ(neu.strafen, bestraft.strafen);
    EXPECT_EQ(neu.sieger, "Bert");

    Verlaufsordner o;
    Verlaufsdatenbank db(o.pfad);
    ASSERT_TRUE(db.vorbereiten().beschreibbar);
    Verlaufsspeicher speicher(db);
    ASSERT_EQ(speicher.speichern(gespeichert), std::nullopt);
    ASSERT_EQ(speicher.korrigieren(1, gespeichert, bestraft), std::nullopt);
    EXPECT_EQ(Verlaufsabfragen(db).rennen(1)->strafen, bestraft.strafen);
    EXPECT_EQ(Verlaufsabfragen(db).rennen(1)->sieger, "Bert");

    k.spurWechseln(-1);
    ASSERT_EQ(k.strafeZuruecknehmen(), std::nullopt);
    EXPECT_TRUE(k.rennen().strafen.empty());
    EXPECT_EQ(k.rennen().sieger, "Anna");
    ASSERT_EQ(speicher.wiederherstellen(1), std::nullopt);
    EXPECT_TRUE(Verlaufsabfragen(db).rennen(1)->strafen.empty()) << "the original had none";
}

// A free lane gets no penalty.
TEST(Rennleitungsverlauf, EineFreieSpurBekommtKeineStrafe) {
    Rennaufzeichnung r = rennen("Anna", {4, 4}, "", {});
    r.freieSpuren = 0b10;
    Korrektur k(r);
    k.spurWechseln(1);
    EXPECT_EQ(k.strafeGeben(Strafart::Zeit, 5, ""), "Spur 2 war frei: Sie bekommt keine Strafe.");
}
