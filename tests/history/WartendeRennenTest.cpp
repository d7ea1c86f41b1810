// Races the database does not take at the end of the race: another program's lock, a -shm
// file left read-only. They wait beside the database, are in the window and the export
// meanwhile, and are stored once the database takes them, in this run or the next.
#include "Rennjson.h"
#include "Rennwarteschlange.h"
#include "Schreibschutz.h"
#include "VerlaufLogik.h"
#include "Verlaufsbahn.h"
#include "Verlaufsexport.h"
#include "Verlaufsspeicher.h"
#include "Verlaufstest.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>

namespace {
int rennenIn(const QString& pfad) {
    Verlaufsdatenbank db(pfad);
    if (!db.verbinden(true))
        return -1;
    QSqlQuery q(db.db());
    return q.exec(QStringLiteral("SELECT count(*) FROM rennen")) && q.next() ? q.value(0).toInt()
                                                                             : -1;
}

QStringList wartedateien(const Verlaufsordner& o) {
    return o.dateien().filter(QRegularExpression(QStringLiteral("^rennen-wartend-.*\\.json$")));
}

void datenbankMitRennen(const QString& pfad, int anzahl) {
    Verlaufsdatenbank db(pfad);
    ASSERT_TRUE(db.vorbereiten().beschreibbar);
    for (int i = 0; i < anzahl; ++i)
        ASSERT_EQ(Verlaufsspeicher(db).speichern(
                      rennen(QStringLiteral("Anna"), {3}, QStringLiteral("Bernd"), {4},
                             QStringLiteral("2026-05-0%1T14:03:22+02:00").arg(i + 1))),
                  std::nullopt);
}

// What the list of the history window shows, once the database has answered.
QStringList liste(Verlaufsleser& leser, VerlaufLogik& logik) {
    leser.abwarten();
    QCoreApplication::processEvents();
    QStringList zeilen;
    for (const Rennzeile& z : logik.ansicht().zeilen)
        zeilen << (z.wartet ? QStringLiteral("wartet") : QString::number(z.nummer));
    return zeilen;
}
} // namespace

TEST(WartendeRennen, GesperrteDatenbankLaesstRennenWartenBisSieFreiIst) {
    Verlaufsordner o;
    datenbankMitRennen(o.pfad, 2);
    auto sperre = std::make_unique<Schreibsperre>(o.pfad);
    Verlaufsbahn b(o.pfad);
    b.rennenFahren(); // the writer waits 5 s for the lock, then keeps the race beside it

    const QStringList dateien = wartedateien(o);
    ASSERT_EQ(dateien.size(), 1) << o.dateien().join(' ').toStdString();
    ASSERT_EQ(b.meldungstexte().size(), 1);
    EXPECT_EQ(b.meldungstexte()[0],
              "Das Rennen konnte nicht im Rennverlauf gespeichert werden.\nDatei: " + o.pfad +
                  "\nUrsache: Ein anderes Programm hält die Datei länger als 5 Sekunden "
                  "gesperrt.\nEs wartet in " +
                  QDir(o.ordner.path()).filePath(dateien[0]) +
                  " und wird gespeichert, sobald das wieder geht: Rundomat versucht es alle 5 "
                  "Sekunden und beim nächsten Start wieder. Die Hall of Fame und die "
                  "Ergebnisdatei sind davon nicht betroffen.");
    EXPECT_EQ(b.dialoge.meldungen[0].titel, "Rennverlauf");

    // The window opens at once, while the writer sits in its wait for the second race, and
    // lists both waiting races above the stored one.
    b.rennenBeenden();
    QElapsedTimer uhr;
    uhr.start();
    Verlaufsleser leser(o.pfad);
    FakeDialoge dialoge;
    VerlaufLogik logik(leser, dialoge, o.ordner.path(), [&] { return b.schreiber.wartende(); });
    EXPECT_LT(uhr.elapsed(), 1000);
    EXPECT_EQ(logik.ansicht().zeilen.size(), 2u) << "what it has, at once";
    EXPECT_EQ(liste(leser, logik), (QStringList{"wartet", "wartet", "2", "1"}));
    EXPECT_LT(uhr.elapsed(), 3000) << "reading does not wait for the lock";
    EXPECT_EQ(logik.ansicht().hinweis,
              "2 Rennen warten noch darauf, in der Renndatenbank gespeichert zu werden.");

    // Deleting waits for the lock on the reader's thread; the window goes on taking keys.
    dialoge.fragenAntworten = {true};
    logik.auswahlSetzen(3);
    uhr.restart();
    logik.loeschen();
    logik.filterSetzen(QStringLiteral("Anna"));
    EXPECT_LT(uhr.elapsed(), 1000);
    EXPECT_EQ(logik.ansicht().zeilen.size(), 2u);
    EXPECT_EQ(dialoge.meldungen.size(), 1u) << "the question only";

    sperre.reset();
    ASSERT_TRUE(b.allesGespeichert(15000));
    EXPECT_TRUE(wartedateien(o).isEmpty());
    EXPECT_EQ(b.meldungstexte().size(), 1);
    leser.abwarten();
    QCoreApplication::processEvents();
    EXPECT_EQ(dialoge.meldungen.size(), 1u) << "deleted once the lock was gone";
    VerlaufLogik wieder(leser, dialoge, o.ordner.path(), [&] { return b.schreiber.wartende(); });
    EXPECT_EQ(liste(leser, wieder), (QStringList{"4", "3", "2"}))
        << "stored in their order; race 1 deleted";
}

// A program of another user that ended without closing the database (here: killed) leaves
// the -shm file behind, which this user may not write: the racer learns that file's name.
TEST(WartendeRennen, SchreibgeschuetzteShmDateiWirdBenannt) {
    Verlaufsordner o;
    const QString shm = o.pfad + QStringLiteral("-shm");
    QProcess anderer;
    anderer.start(QStringLiteral(SCHREIBPROBE), {o.pfad, QStringLiteral("0")});
    ASSERT_TRUE(anderer.waitForReadyRead(30000));
    anderer.kill();
    anderer.waitForFinished();
    ASSERT_TRUE(QFile::exists(shm));
    std::optional<Schreibschutz> schutz(std::in_place, shm);
    Verlaufsbahn b(o.pfad);
    b.rennenFahren();

    ASSERT_EQ(b.meldungstexte().size(), 1);
    EXPECT_TRUE(b.meldungstexte()[0].contains(
        "\nDatei: " + shm + "\nUrsache: Die Berechtigung zum Schreiben fehlt.\nEs wartet in "))
        << b.meldungstexte()[0].toStdString();
    EXPECT_EQ(wartedateien(o).size(), 1);

    schutz.reset();
    ASSERT_TRUE(b.allesGespeichert(15000));
    Verlaufsdatenbank db(o.pfad);
    ASSERT_TRUE(db.verbinden(true));
    QSqlQuery q(db.db());
    ASSERT_TRUE(q.exec(QStringLiteral("SELECT count(*) FROM fahrten WHERE lauf = 1 AND spur = 1"
                                      " AND fahrer NOT LIKE 'Probe %'")) &&
                q.next());
    EXPECT_EQ(q.value(0).toInt(), 1) << "the race of this program, stored once";
    EXPECT_TRUE(wartedateien(o).isEmpty());
}

// Races left waiting when the program ended: the command line's export has them, the next
// start stores them, and one that had been stored before its file could go is not stored
// twice. A file of a newer program or of nothing is left alone.
TEST(WartendeRennen, NaechsterStartSpeichertWartendeRennenGenauEinmal) {
    Verlaufsordner o;
    datenbankMitRennen(o.pfad, 1);
    const Rennwarteschlange schlange(o.ordner.path());
    Rennaufzeichnung schonDa = rennen(QStringLiteral("Cleo"), {2.5, 2.4}, QStringLiteral("Dora"),
                                      {3, 3}, QStringLiteral("2026-06-01T10:00:00+02:00"));
    Rennaufzeichnung neu = rennen(QStringLiteral("=Ede"), {2.25}, QStringLiteral("Fritz"), {3.5},
                                  QStringLiteral("2026-06-01T10:05:00+02:00"));
    neu.laeufe[0][1].runden[0].vonHand = true;
    neu.laeufe[0][2].farbe = 0x00A5FF;
    neu.laeufe[0][1].runden[0].geschwindigkeit = std::numeric_limits<double>::infinity();
    ASSERT_FALSE(schlange.ablegen(schonDa).datei.isEmpty());
    ASSERT_FALSE(schlange.ablegen(neu).datei.isEmpty());
    {
        Verlaufsdatenbank db(o.pfad);
        ASSERT_TRUE(db.vorbereiten().beschreibbar);
        ASSERT_EQ(Verlaufsspeicher(db).speichern(schonDa), std::nullopt);
    }
    for (const QByteArray& inhalt :
         {QByteArray("{\"rundomat-wartendes-rennen\": 2, \"rennen\": {}}"), QByteArray("kaputt")}) {
        QFile datei(QDir(o.ordner.path())
                        .filePath("rennen-wartend-29991231-000000-000-%1.json")
                        .arg(inhalt.size()));
        ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
        datei.write(inhalt);
    }
    const std::vector<Rennwarteschlange::Eintrag> gelesen = schlange.lesen();
    ASSERT_EQ(gelesen.size(), 2u);
    EXPECT_EQ(rennenAlsJson(std::nullopt, gelesen[1].rennen), rennenAlsJson(std::nullopt, neu))
        << "kept to the last figure";

    // What `rundomat --verlauf-export` writes: the stored races, then the waiting one.
    std::vector<Rennaufzeichnung> wartende;
    for (const Rennwarteschlange::Eintrag& e : gelesen)
        wartende.push_back(e.rennen);
    const QString ziel = QDir(o.ordner.path()).filePath(QStringLiteral("alle.json"));
    {
        Verlaufsdatenbank db(o.pfad);
        ASSERT_TRUE(db.verbinden(true));
        Verlaufsabfragen abfragen(db);
        ASSERT_EQ(verlaufExportieren(ziel, alleRennen(abfragen, wartende)), std::nullopt);
    }
    QFile exportiert(ziel);
    ASSERT_TRUE(exportiert.open(QIODevice::ReadOnly));
    const QJsonArray alle = QJsonDocument::fromJson(exportiert.readAll())["rennen"].toArray();
    ASSERT_EQ(alle.size(), 3) << "the race stored meanwhile once";
    EXPECT_EQ(alle[1][QStringLiteral("nummer")], 2);
    EXPECT_EQ(alle[2][QStringLiteral("nummer")], QJsonValue::Null);
    EXPECT_EQ(alle[2][QStringLiteral("laeufe")][0][QStringLiteral("spuren")][0]["fahrer"], "=Ede");

    Verlaufsbahn b(o.pfad);
    ASSERT_TRUE(b.allesGespeichert(15000));
    EXPECT_EQ(rennenIn(o.pfad), 3);
    EXPECT_TRUE(b.meldungstexte().isEmpty());
    EXPECT_EQ(wartedateien(o).size(), 2) << "the foreign files stay";
    Verlaufsdatenbank db(o.pfad);
    ASSERT_TRUE(db.verbinden(true));
    const std::optional<Rennaufzeichnung> gespeichert = Verlaufsabfragen(db).rennen(3);
    ASSERT_TRUE(gespeichert);
    EXPECT_EQ(rennenAlsJson(std::nullopt, *gespeichert), rennenAlsJson(std::nullopt, neu));
}
