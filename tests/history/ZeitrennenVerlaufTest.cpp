#include "QtAusgabe.h"
#include "Verlaufsabfragen.h"
#include "Verlaufsexport.h"
#include "Verlaufsschema.h"
#include "Verlaufsspeicher.h"
#include "Verlaufstest.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlQuery>

namespace {
// A lane-change race by time: distances with their fractions in both heats.
Rennaufzeichnung zeitrennen() {
    Rennaufzeichnung r = rennen(QStringLiteral("Ida"), {3, 3}, QStringLiteral("Max"), {4});
    r.rennart = Rennlaenge::Zeit;
    r.renndauer = 600;
    r.zielregel = Zielregel::Sofort;
    r.laeufe[0][1].distanz = 2.5;
    r.laeufe[0][2].distanz = 1.25;
    r.laeufe.push_back({fahrt(QStringLiteral("Max"), {3}), fahrt(QStringLiteral("Ida"), {3})});
    r.laeufe[1][1].distanz = 1.75;
    r.laeufe[1][2].distanz = 0;
    return r;
}

QByteArray lesen(const QString& pfad) {
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}
} // namespace

// A race by time keeps its format and every lane's distance through the database and both
// exports; a race by laps says so and has no duration, rule or distance.
TEST(ZeitrennenVerlauf, FormatUndDistanzenInDatenbankUndExport) {
    Verlaufsordner o;
    Verlaufsdatenbank db{o.pfad};
    ASSERT_TRUE(db.vorbereiten().beschreibbar);
    ASSERT_EQ(Verlaufsspeicher(db).speichern(zeitrennen()), std::nullopt);
    ASSERT_EQ(
        Verlaufsspeicher(db).speichern(rennen(QStringLiteral("A"), {3}, QStringLiteral("B"), {4})),
        std::nullopt);
    Verlaufsabfragen abfragen(db);
    const std::optional<Rennaufzeichnung> gelesen = abfragen.rennen(1);
    ASSERT_TRUE(gelesen);
    EXPECT_EQ(gelesen->rennart, Rennlaenge::Zeit);
    EXPECT_EQ(gelesen->renndauer, 600);
    EXPECT_EQ(gelesen->zielregel, Zielregel::Sofort);
    EXPECT_EQ(gelesen->laeufe[0][1].distanz, 2.5);
    EXPECT_EQ(gelesen->laeufe[1][2].distanz, 0.0) << "no distance is not none";

    const QString json = QDir(o.ordner.path()).filePath(QStringLiteral("v.json"));
    ASSERT_EQ(verlaufExportieren(json, alleRennen(abfragen, {})), std::nullopt);
    const QJsonArray liste =
        QJsonDocument::fromJson(lesen(json)).object()[QStringLiteral("rennen")].toArray();
    ASSERT_EQ(liste.size(), 2);
    const QJsonObject zeit = liste[0].toObject();
    EXPECT_EQ(zeit[QStringLiteral("rennart")], "Zeit");
    EXPECT_EQ(zeit[QStringLiteral("renndauer")], 600);
    EXPECT_EQ(zeit[QStringLiteral("zielregel")], "Sofort");
    EXPECT_EQ(
        zeit[QStringLiteral("laeufe")][1][QStringLiteral("spuren")][0][QStringLiteral("distanz")],
        1.75);
    const QJsonObject runden = liste[1].toObject();
    EXPECT_EQ(runden[QStringLiteral("rennart")], "Runden");
    EXPECT_EQ(runden[QStringLiteral("renndauer")], QJsonValue::Null);
    EXPECT_EQ(
        runden[QStringLiteral("laeufe")][0][QStringLiteral("spuren")][0][QStringLiteral("distanz")],
        QJsonValue::Null);

    const QString csv = QDir(o.ordner.path()).filePath(QStringLiteral("v.csv"));
    ASSERT_EQ(verlaufExportieren(csv, alleRennen(abfragen, {})), std::nullopt);
    const QList<QByteArray> zeilen = lesen(csv).split('\n');
    EXPECT_TRUE(zeilen[0].endsWith(";Rennart;Renndauer (s);Zielregel;Distanz (Runden);Hinweis\r"));
    EXPECT_TRUE(zeilen[1].endsWith(";Zeit;600;Sofort;2,500;\r")) << zeilen[1].toStdString();
    EXPECT_TRUE(zeilen[zeilen.size() - 2].endsWith(";nein;Runden;;;;\r"));
}

// A database of the version before races by time is upgraded in place: its races are
// races by laps, and a race by time goes in beside them.
TEST(ZeitrennenVerlauf, AlteDatenbankWirdAufgeruestet) {
    Verlaufsordner o;
    {
        QSqlDatabase alt =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("alt"));
        alt.setDatabaseName(o.pfad);
        ASSERT_TRUE(alt.open());
        QSqlQuery q(alt);
        for (const QString& anweisung : verlaufsschemaSchritt(0))
            ASSERT_TRUE(q.exec(anweisung)) << anweisung.toStdString();
        ASSERT_TRUE(q.exec(QStringLiteral(
            "INSERT INTO rennen VALUES (1, '2025-01-01T10:00:00+01:00', 'rennen', 3, 5, 2,"
            " 'sensoren', 0, 'Alt')")));
        ASSERT_TRUE(q.exec(
            QStringLiteral("INSERT INTO fahrten VALUES (1, 1, 1, 'Alt', 0, 9, 1.667, 3, 1)")));
        ASSERT_TRUE(
            q.exec(QStringLiteral("PRAGMA application_id = %1").arg(VerlaufsAnwendungskennung)));
        ASSERT_TRUE(q.exec(QStringLiteral("PRAGMA user_version = 1")));
        alt.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("alt"));

    Verlaufsdatenbank db{o.pfad};
    ASSERT_TRUE(db.vorbereiten().beschreibbar);
    ASSERT_EQ(Verlaufsspeicher(db).speichern(zeitrennen()), std::nullopt);
    Verlaufsabfragen abfragen(db);
    const std::optional<Rennaufzeichnung> alt = abfragen.rennen(1);
    ASSERT_TRUE(alt);
    EXPECT_EQ(alt->rennart, Rennlaenge::Runden);
    EXPECT_EQ(alt->sieger, "Alt");
    EXPECT_FALSE(alt->laeufe[0][1].distanz);
    const std::optional<Rennaufzeichnung> neu = abfragen.rennen(2);
    ASSERT_TRUE(neu);
    EXPECT_EQ(neu->rennart, Rennlaenge::Zeit);
    EXPECT_EQ(neu->laeufe[0][2].distanz, 1.25);
}
