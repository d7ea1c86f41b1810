// A stored race corrected and restored, in a database of the version before corrections.
#include "Verlaufsabfragen.h"
#include "Verlaufsschema.h"
#include "Verlaufsspeicher.h"
#include "Verlaufstest.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <gtest/gtest.h>

namespace {
// A race database as the program wrote it before corrections existed: version 1, one race
// of two laps per lane, written statement by statement as that program did.
void datenbankVersion1(const QString& pfad) {
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("v1"));
        db.setDatabaseName(pfad);
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        for (const QString& anweisung : verlaufsschemaSchritt(0))
            ASSERT_TRUE(q.exec(anweisung)) << anweisung.toStdString();
        for (const char* anweisung :
             {"PRAGMA application_id = 1380207956", "PRAGMA user_version = 1",
              "INSERT INTO rennen VALUES (1, '2026-05-01T14:03:22+02:00', 'rennen', 2, 5, 0.5,"
              " 'sensoren', 0, 'Anna')",
              "INSERT INTO fahrten VALUES (1, 1, 1, 'Anna', 255, 8, 1.25, 4, 1)",
              "INSERT INTO fahrten VALUES (1, 1, 2, 'Bert', 65280, 9, 1.111, 4.5, 1)",
              "INSERT INTO runden VALUES (1, 1, 1, 1, 4, 1.25, 0)",
              "INSERT INTO runden VALUES (1, 1, 1, 2, 4, 1.25, 0)",
              "INSERT INTO runden VALUES (1, 1, 2, 1, 4.5, 1.111, 0)",
              "INSERT INTO runden VALUES (1, 1, 2, 2, 4.5, 1.111, 0)"})
            ASSERT_TRUE(q.exec(QString::fromUtf8(anweisung))) << anweisung;
    }
    QSqlDatabase::removeDatabase(QStringLiteral("v1"));
}
} // namespace

TEST(Korrektur, AlteDatenbankWirdAufgestuftUndKorrekturenBehaltenDasOriginal) {
    Verlaufsordner o;
    datenbankVersion1(o.pfad);
    Verlaufsdatenbank db(o.pfad);
    ASSERT_TRUE(db.vorbereiten().beschreibbar) << db.fehler().toStdString();
    QSqlQuery version(db.db());
    ASSERT_TRUE(version.exec(QStringLiteral("PRAGMA user_version")) && version.next());
    EXPECT_EQ(version.value(0).toInt(), Verlaufsdatenbank::Version);
    version.finish();

    Verlaufsabfragen abfragen(db);
    const std::optional<Rennaufzeichnung> alt = abfragen.rennen(1);
    ASSERT_TRUE(alt);
    EXPECT_EQ(rundenzeitenVon(alt->laeufe[0][1]), (std::vector<double>{4, 4}))
        << "laps kept as they were";

    // Anna's second crossing was a bounce: her laps become one, so Bert wins. A second
    // correction must not replace the race as first stored.
    Rennaufzeichnung erste = *alt;
    erste.laeufe[0][1] = fahrt(QStringLiteral("Anna"), {8}, false);
    erste.sieger = QStringLiteral("Bert");
    Verlaufsspeicher speicher(db);
    ASSERT_EQ(speicher.korrigieren(1, *alt, erste), std::nullopt);
    Rennaufzeichnung zweite = erste;
    zweite.laeufe[0][2] = fahrt(QStringLiteral("Bert"), {4.5, 4.4});
    ASSERT_EQ(speicher.korrigieren(1, erste, zweite), std::nullopt);
    const std::optional<Rennaufzeichnung> korrigiert = abfragen.rennen(1);
    ASSERT_TRUE(korrigiert);
    EXPECT_EQ(rundenzeitenVon(korrigiert->laeufe[0][1]), std::vector<double>{8});
    EXPECT_EQ(rundenzeitenVon(korrigiert->laeufe[0][2]), (std::vector<double>{4.5, 4.4}));
    EXPECT_EQ(korrigiert->sieger, "Bert");

    // A correction that dies half-way (here the database refuses its laps, as a crash would
    // leave them unwritten) costs only that correction: the race stays as the last one stored
    // it, and the race as first stored can still be restored.
    ASSERT_TRUE(QSqlQuery(db.db()).exec(
        QStringLiteral("CREATE TRIGGER absturz BEFORE INSERT ON runden"
                       " BEGIN SELECT RAISE(ABORT, 'Absturz'); END")));
    Rennaufzeichnung dritte = zweite;
    dritte.laeufe[0][1] = fahrt(QStringLiteral("Anna"), {3, 3, 2});
    EXPECT_NE(speicher.korrigieren(1, zweite, dritte), std::nullopt);
    ASSERT_TRUE(QSqlQuery(db.db()).exec(QStringLiteral("DROP TRIGGER absturz")));
    EXPECT_EQ(rundenzeitenVon(abfragen.rennen(1)->laeufe[0][1]), std::vector<double>{8});
    EXPECT_EQ(rundenzeitenVon(abfragen.rennen(1)->laeufe[0][2]), (std::vector<double>{4.5, 4.4}));

    ASSERT_EQ(speicher.wiederherstellen(1), std::nullopt);
    const std::optional<Rennaufzeichnung> zurueck = abfragen.rennen(1);
    ASSERT_TRUE(zurueck);
    EXPECT_EQ(rundenzeitenVon(zurueck->laeufe[0][1]), (std::vector<double>{4, 4}));
    EXPECT_EQ(rundenzeitenVon(zurueck->laeufe[0][2]), (std::vector<double>{4.5, 4.5}));
    EXPECT_EQ(zurueck->sieger, "Anna");
    EXPECT_EQ(zurueck->laeufe[0][2].farbe, Farbe{65280});
    ASSERT_EQ(speicher.wiederherstellen(1), std::nullopt) << "nothing left to restore: no change";
    EXPECT_EQ(rundenzeitenVon(abfragen.rennen(1)->laeufe[0][1]), (std::vector<double>{4, 4}));
}
