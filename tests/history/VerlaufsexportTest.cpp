#include "Verlaufsexport.h"

#include "QtAusgabe.h"
#include "Verlaufsspeicher.h"
#include "Verlaufstest.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
struct Exportordner : Verlaufsordner {
    Exportordner() {
        EXPECT_TRUE(db.vorbereiten().beschreibbar);
        Rennaufzeichnung eins = rennen(QStringLiteral("Jürgen \"Blitz\"; Ö"), {3.25, 2.5},
                                       QStringLiteral("Zeile\nzwei"), {4});
        eins.laeufe[0][2].runden[0].vonHand = true;
        eins.laeufe[0][1].farbe = 0x00A5FF; // orange, as 0x00BBGGRR
        eins.abgebrochen = true;
        eins.sieger.reset();
        Rennaufzeichnung zwei = rennen(QStringLiteral("Anna"), {3}, lang, {3});
        zwei.art = Rennart::Spurwechsel;
        zwei.quelle = Signalquelle::Tastatur;
        zwei.sieger.reset();
        zwei.laeufe.push_back({fahrt(lang, {3}), fahrt(QStringLiteral("Anna"), {3})});
        for (const Rennaufzeichnung* r : {&eins, &zwei})
            EXPECT_EQ(Verlaufsspeicher(db).speichern(*r), std::nullopt);
    }
    QByteArray exportieren(const QString& name, std::optional<qint64> nur = std::nullopt) {
        Verlaufsabfragen abfragen(db);
        const QString ziel = QDir(ordner.path()).filePath(name);
        EXPECT_EQ(verlaufExportieren(abfragen, ziel, nur), std::nullopt);
        QFile datei(ziel);
        return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
    }
    const QString lang = QString(10000, QChar(0x00E4)); // ä
    Verlaufsdatenbank db{pfad};
};
} // namespace

TEST(Verlaufsexport, CsvOeffnetSichInDeutschenTabellenprogrammenWieEsIst) {
    Exportordner o;
    const QByteArray csv = o.exportieren(QStringLiteral("alle.CSV"));
    const QByteArray erwartet =
        "\xEF\xBB\xBF"
        "Rennen;Datum;Modus;Lauf;Spur;Fahrer;Runde;Zeit (s);Geschwindigkeit (m/s);Handrunde\r\n"
        "1;01.05.2026 14:03:22;Rennen, abgebrochen;1;1;\"J\xC3\xBCrgen \"\"Blitz\"\"; \xC3\x96\";1;"
        "3,250;1,538;nein\r\n"
        "1;01.05.2026 14:03:22;Rennen, abgebrochen;1;1;\"J\xC3\xBCrgen \"\"Blitz\"\"; \xC3\x96\";2;"
        "2,500;2,000;nein\r\n"
        "1;01.05.2026 14:03:22;Rennen, abgebrochen;1;2;\"Zeile\nzwei\";1;4,000;1,250;ja\r\n";
    EXPECT_TRUE(csv.startsWith(erwartet)) << csv.left(600).toStdString();
    const QList<QByteArray> rest = csv.mid(erwartet.size()).split('\n');
    ASSERT_EQ(rest.size(), 5) << "four laps of race 2, and the end";
    EXPECT_EQ(rest[1],
              "2;01.05.2026 14:03:22;Spurwechsel;1;2;" + o.lang.toUtf8() + ";1;3,000;1,667;nein\r");
    EXPECT_EQ(rest[3], "2;01.05.2026 14:03:22;Spurwechsel;2;2;Anna;1;3,000;1,667;nein\r");

    EXPECT_EQ(o.exportieren(QStringLiteral("eins.csv"), 2).count('\n'), 5) << "one race alone";
}

TEST(Verlaufsexport, JsonMitZahlenAlsZahlenUndIsoDaten) {
    Exportordner o;
    QJsonParseError fehler{};
    const QJsonDocument doc =
        QJsonDocument::fromJson(o.exportieren(QStringLiteral("a.json")), &fehler);
    ASSERT_EQ(fehler.error, QJsonParseError::NoError) << fehler.errorString().toStdString();
    const QJsonArray rennen = doc.object()[QStringLiteral("rennen")].toArray();
    ASSERT_EQ(rennen.size(), 2);
    const QJsonObject eins = rennen[0].toObject();
    EXPECT_EQ(eins[QStringLiteral("nummer")], 1);
    EXPECT_EQ(eins[QStringLiteral("beginn")], "2026-05-01T14:03:22+02:00");
    EXPECT_EQ(eins[QStringLiteral("modus")], "rennen");
    EXPECT_EQ(eins[QStringLiteral("abgebrochen")], true);
    EXPECT_EQ(eins[QStringLiteral("sieger")], QJsonValue::Null);
    EXPECT_EQ(eins[QStringLiteral("unentschieden")], false);
    EXPECT_EQ(eins[QStringLiteral("kurslaenge")], 5);
    const QJsonObject spur1 =
        eins[QStringLiteral("laeufe")][0][QStringLiteral("spuren")][0].toObject();
    EXPECT_EQ(spur1[QStringLiteral("fahrer")], "Jürgen \"Blitz\"; Ö");
    EXPECT_EQ(spur1[QStringLiteral("farbe")], "#FFA500");
    EXPECT_EQ(spur1[QStringLiteral("gesamtzeit")], 5.75);
    EXPECT_EQ(spur1[QStringLiteral("bestrunde")], 2);
    EXPECT_EQ(spur1[QStringLiteral("runden")][1][QStringLiteral("zeit")], 2.5);
    const QJsonObject spur2 =
        eins[QStringLiteral("laeufe")][0][QStringLiteral("spuren")][1].toObject();
    EXPECT_EQ(spur2[QStringLiteral("fahrer")], "Zeile\nzwei");
    EXPECT_EQ(spur2[QStringLiteral("runden")][0][QStringLiteral("handrunde")], true);

    const QJsonObject zwei = rennen[1].toObject();
    EXPECT_EQ(zwei[QStringLiteral("modus")], "spurwechsel");
    EXPECT_EQ(zwei[QStringLiteral("signalquelle")], "tastatur");
    EXPECT_EQ(zwei[QStringLiteral("unentschieden")], true);
    EXPECT_EQ(
        zwei[QStringLiteral("laeufe")][1][QStringLiteral("spuren")][0][QStringLiteral("fahrer")],
        o.lang);
}

TEST(Verlaufsexport, FalscheEndungOderUnerreichbarerOrtSchreibtNichts) {
    Exportordner o;
    Verlaufsabfragen abfragen(o.db);
    EXPECT_EQ(verlaufExportieren(abfragen, QDir(o.ordner.path()).filePath(QStringLiteral("a.txt"))),
              "Der Dateiname muss auf .csv oder .json enden.");
    EXPECT_NE(
        verlaufExportieren(abfragen, QDir(o.ordner.path()).filePath(QStringLiteral("fehlt/a.csv"))),
        std::nullopt);
    EXPECT_EQ(
        verlaufExportieren(abfragen, QDir(o.ordner.path()).filePath(QStringLiteral("a.csv")), 7),
        "Das Rennen gibt es nicht mehr.");
    EXPECT_EQ(o.dateien().filter(QStringLiteral("a.")), QStringList{});
}
