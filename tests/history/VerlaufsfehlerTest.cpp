// The faults a racer must never see: a killed program, a damaged or foreign file, a file
// from a newer program, a full disk, a read-only folder, a second program at the same time.
#include "KleinerDatentraeger.h"
#include "Schreibschutz.h"
#include "Verlaufsabfragen.h"
#include "Verlaufsbahn.h"
#include "Verlaufsspeicher.h"
#include "Verlaufstest.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <csignal>
#include <thread>

namespace {
QByteArray inhalt(const QString& pfad) {
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

void schreiben(const QString& pfad, const QByteArray& bytes) {
    QFile datei(pfad);
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write(bytes);
}

// A database with races in it, closed (and so written back from its journal).
void datenbankMitRennen(const QString& pfad, int anzahl) {
    Verlaufsdatenbank db(pfad);
    ASSERT_TRUE(db.vorbereiten().beschreibbar);
    for (int i = 0; i < anzahl; ++i)
        ASSERT_EQ(Verlaufsspeicher(db).speichern(rennen(QStringLiteral("Anna"),
                                                        {3, 3, 3, 3, 3, 3, 3, 3, 3, 3},
                                                        QStringLiteral("Bernd"), {4})),
                  std::nullopt);
}

int anzahl(Verlaufsdatenbank& db, const QString& sql) {
    QSqlQuery q(db.db());
    return q.exec(sql) && q.next() ? q.value(0).toInt() : -1;
}

const QString Nichtgespeichert =
    QStringLiteral("Das Rennen konnte nicht im Rennverlauf gespeichert werden.\n");
} // namespace

TEST(Verlaufsfehler, UnbrauchbareDateiWirdUnveraendertBeiseitegelegtUndEinmalGemeldet) {
    Verlaufsordner vorlage;
    datenbankMitRennen(vorlage.pfad, 20);
    QByteArray beschaedigt = inhalt(vorlage.pfad);
    ASSERT_GT(beschaedigt.size(), 8192);
    beschaedigt.replace(4096, 4096, QByteArray(4096, '\x5A')); // a page overwritten
    QByteArray fremd;
    {
        Verlaufsordner anderes;
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("x"));
        db.setDatabaseName(anderes.pfad);
        ASSERT_TRUE(db.open());
        QSqlQuery(db).exec(QStringLiteral("CREATE TABLE kunden (name TEXT)"));
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("x"));
        fremd = inhalt(anderes.pfad);
    }
    for (const QByteArray& unbrauchbar :
         {QByteArray("Das ist keine Datenbank.\n").repeated(300), beschaedigt, fremd}) {
        Verlaufsordner o;
        schreiben(o.pfad, unbrauchbar);
        Verlaufsbahn b(o.pfad);
        b.rennenFahren();

        const QStringList dateien = o.dateien().filter(QStringLiteral(".beschaedigt-"));
        ASSERT_EQ(dateien.size(), 1) << o.dateien().join(' ').toStdString();
        EXPECT_EQ(inhalt(QDir(o.ordner.path()).filePath(dateien[0])), unbrauchbar);
        ASSERT_EQ(b.meldungstexte().size(), 1);
        EXPECT_TRUE(b.meldungstexte()[0].startsWith(
            "Die Renndatenbank /daten/rennen.sqlite ist beschädigt oder keine Renndatenbank von "
            "Rundomat. Sie bleibt unverändert als "))
            << b.meldungstexte()[0].toStdString();
        EXPECT_TRUE(b.meldungstexte()[0].contains(dateien[0]));
        EXPECT_EQ(b.rekorde.aufrufe, (QStringList{"HofPruefen", "ErgebnisSpeichern"}));

        Verlaufsdatenbank neu(o.pfad);
        ASSERT_TRUE(neu.verbinden(true));
        EXPECT_EQ(Verlaufsabfragen(neu).rennliste().size(), 1u) << "races go on in a new file";
    }
}

TEST(Verlaufsfehler, DatenbankEinerNeuerenVersionWirdGezeigtAberNieVeraendert) {
    Verlaufsordner o;
    datenbankMitRennen(o.pfad, 2);
    {
        Verlaufsdatenbank db(o.pfad);
        ASSERT_TRUE(db.vorbereiten().beschreibbar);
        QSqlQuery(db.db()).exec(QStringLiteral("PRAGMA user_version = 2"));
    }
    const QByteArray vorher = inhalt(o.pfad);
    {
        Verlaufsbahn b(o.pfad);
        b.rennenFahren();
        b.rennenFahren();
        ASSERT_EQ(b.meldungstexte().size(), 1) << "told once, at the start";
        EXPECT_EQ(b.meldungstexte()[0],
                  "Die Renndatenbank /daten/rennen.sqlite stammt aus einer neueren Version von "
                  "Rundomat. Der Rennverlauf lässt sich ansehen und exportieren, wird aber nicht "
                  "verändert: neue Rennen werden nicht gespeichert.");

        Verlaufsdatenbank lesen(o.pfad);
        ASSERT_TRUE(lesen.verbinden(false));
        EXPECT_FALSE(lesen.beschreibbar());
        EXPECT_EQ(Verlaufsabfragen(lesen).rennliste().size(), 2u);
        EXPECT_NE(Verlaufsspeicher(lesen).loeschen(1), std::nullopt);
    }
    EXPECT_EQ(inhalt(o.pfad), vorher);
    EXPECT_TRUE(o.dateien().filter(QStringLiteral("beschaedigt")).isEmpty()) << "never moved";
}

// Neither the database nor a file beside it takes the race: it waits in memory, the racer
// hears why once, and it is stored as soon as there is room.
TEST(Verlaufsfehler, VollerDatentraegerHaeltDieRennenBisWiederPlatzIst) {
    KleinerDatentraeger klein(512);
    if (!klein.bereit())
        GTEST_SKIP() << "no tmpfs of our own (not root)";
    const QString pfad = klein.pfad(Verlaufsdatenbank::Dateiname);
    Verlaufsbahn b(pfad);
    b.antworten(); // the database is made
    klein.fuellen();
    b.rennenFahren();
    b.rennenFahren();

    EXPECT_EQ(b.rekorde.aufrufe.count("ErgebnisSpeichern"), 2) << "the races went on as ever";
    ASSERT_EQ(b.meldungstexte().size(), 1) << "one cause, told once";
    EXPECT_EQ(b.meldungstexte()[0],
              Nichtgespeichert + "Datei: " + pfad +
                  "\nUrsache: Der Datenträger ist voll.\nEs lässt sich auch nicht daneben "
                  "aufbewahren: Der Datenträger ist voll. Rundomat behält es und versucht es alle "
                  "5 Sekunden wieder; wird Rundomat vorher beendet, geht es verloren. Die Hall of "
                  "Fame und die Ergebnisdatei sind davon nicht betroffen.");
    EXPECT_EQ(b.schreiber.wartende().size(), 2u);

    QFile::remove(klein.pfad(QStringLiteral("fuellung")));
    ASSERT_TRUE(b.allesGespeichert(15000));
    Verlaufsdatenbank db(pfad);
    ASSERT_TRUE(db.verbinden(true));
    EXPECT_EQ(anzahl(db, QStringLiteral("SELECT count(*) FROM rennen")), 2);
    EXPECT_EQ(b.meldungstexte().size(), 1);
}

TEST(Verlaufsfehler, SchreibgeschuetzterOrdnerHaeltDasRennenBisErBeschreibbarIst) {
    Verlaufsordner o;
    std::optional<Schreibschutz> schutz(std::in_place, o.ordner.path());
    Verlaufsbahn b(o.pfad);
    b.rennenFahren();
    b.rennenFahren();
    EXPECT_EQ(b.rekorde.aufrufe.count("HofPruefen"), 2);
    ASSERT_EQ(b.meldungstexte().size(), 1);
    EXPECT_TRUE(b.meldungstexte()[0].startsWith(
        Nichtgespeichert + "Ordner: " + o.ordner.path() +
        "\nUrsache: Die Berechtigung zum Schreiben fehlt.\nEs lässt sich auch nicht daneben "
        "aufbewahren: Die Berechtigung zum Schreiben fehlt. Rundomat behält es"))
        << b.meldungstexte()[0].toStdString();
    EXPECT_TRUE(o.dateien().isEmpty());

    schutz.reset();
    ASSERT_TRUE(b.allesGespeichert(15000));
    Verlaufsdatenbank db(o.pfad);
    ASSERT_TRUE(db.verbinden(true));
    EXPECT_EQ(anzahl(db, QStringLiteral("SELECT count(*) FROM rennen")), 2);
}

TEST(Verlaufsfehler, EinZweitesProgrammWartetKurzUndNichtsGehtVerloren) {
    Verlaufsordner o;
    Verlaufsdatenbank db(o.pfad);
    ASSERT_TRUE(db.vorbereiten().beschreibbar);
    std::thread anderes([&] {
        Verlaufsdatenbank zweite(o.pfad);
        ASSERT_TRUE(zweite.vorbereiten().beschreibbar);
        QSqlQuery q(zweite.db());
        q.exec(QStringLiteral("BEGIN IMMEDIATE"));
        std::this_thread::sleep_for(std::chrono::milliseconds(400));
        zweite.db().commit();
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    QElapsedTimer uhr;
    uhr.start();
    EXPECT_EQ(
        Verlaufsspeicher(db).speichern(rennen(QStringLiteral("A"), {3}, QStringLiteral("B"), {3})),
        std::nullopt);
    EXPECT_GE(uhr.elapsed(), 200) << "it waited for the other's write";
    anderes.join();

    // Two programs storing at the same time.
    QProcess eins, zwei;
    for (QProcess* p : {&eins, &zwei})
        p->start(QStringLiteral(SCHREIBPROBE), {o.pfad, QStringLiteral("25")});
    for (QProcess* p : {&eins, &zwei}) {
        ASSERT_TRUE(p->waitForFinished(60000));
        EXPECT_EQ(p->exitCode(), 0) << p->readAllStandardError().toStdString();
    }
    EXPECT_EQ(anzahl(db, QStringLiteral("SELECT count(*) FROM rennen")), 51);
    EXPECT_EQ(anzahl(db, QStringLiteral("SELECT count(*) FROM runden")), 2 + 50 * 200);
}

TEST(Verlaufsfehler, KillNeunVerliertHoechstensDasRennenDasGeradeGespeichertWurde) {
    Verlaufsordner o;
    int gemeldet = 0;
    for (int versuch = 0; versuch < 6; ++versuch) {
        QProcess probe;
        probe.start(QStringLiteral(SCHREIBPROBE), {o.pfad, QStringLiteral("0")});
        // Stored races are reported one a line; kill at some moment after a few.
        const int ziel = gemeldet + 1 + QRandomGenerator::global()->bounded(4);
        QByteArray ausgabe;
        while (ausgabe.count('\n') < ziel - gemeldet && probe.waitForReadyRead(30000))
            ausgabe += probe.readAllStandardOutput();
        std::this_thread::sleep_for(
            std::chrono::microseconds(QRandomGenerator::global()->bounded(20000)));
        ::kill(static_cast<pid_t>(probe.processId()), SIGKILL);
        probe.waitForFinished();
        ausgabe += probe.readAllStandardOutput();
        const QList<QByteArray> zeilen = ausgabe.trimmed().split('\n');
        gemeldet = zeilen.last().toInt() > 0 ? gemeldet + int(zeilen.size()) : gemeldet;

        Verlaufsdatenbank db(o.pfad);
        const Verlaufsbefund befund = db.vorbereiten();
        ASSERT_TRUE(befund.beschreibbar) << befund.fehler.toStdString();
        ASSERT_TRUE(befund.beiseitegelegt.isEmpty());
        const int rennen = anzahl(db, QStringLiteral("SELECT count(*) FROM rennen"));
        EXPECT_GE(rennen, gemeldet);
        EXPECT_LE(rennen, gemeldet + 1);
        EXPECT_EQ(anzahl(db, QStringLiteral("SELECT count(*) FROM runden")), rennen * 200)
            << "every race is whole";
        gemeldet = rennen;
    }
}
