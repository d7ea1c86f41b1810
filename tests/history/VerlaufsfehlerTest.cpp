// The faults a racer must never see: a killed program, a damaged or foreign file, a file
// from a newer program, a full disk, a read-only folder, a second program at the same time,
// and one that holds the database locked or left a file of it read-only.
#include "Fakes.h"
#include "KleinerDatentraeger.h"
#include "QtAusgabe.h"
#include "Rennbahn.h"
#include "Rennjson.h"
#include "Rennmitschrift.h"
#include "Rennwarteschlange.h"
#include "Schreibschutz.h"
#include "VerlaufLogik.h"
#include "Verlaufsabfragen.h"
#include "Verlaufsmeldungen.h"
#include "Verlaufsschreiber.h"
#include "Verlaufsspeicher.h"
#include "Verlaufstest.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <csignal>
#include <future>
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

// A race driven on the test track, with the history listening through the real writer.
struct Verlaufsbahn : Rennbahn {
    explicit Verlaufsbahn(const QString& pfad) : schreiber(pfad) {
        rennen.beobachterAnmelden(mitschrift);
        einstellen([](Renneinstellungen& e) {
            e.rundenzahl = 1;
            e.permanentesLogging = true;
        });
        schreiber.beiSchreibfehler([this](const Schreibfehler& f) { meldungen.schreibfehler(f); });
        schreiber.beiBefund([this](const Verlaufsbefund& b) { meldungen.befund(b); });
        schreiber.starten();
    }
    // The race ends and goes to the writer, which may still be busy with the one before.
    void rennenBeenden() {
        starten();
        fahren(1, 0.1, {3});
        fahren(2, 0.1, {4});
    }
    void rennenFahren() {
        rennenBeenden();
        antworten();
    }
    void antworten() {
        schreiber.abwarten();
        QCoreApplication::processEvents(); // the writer's answers
    }
    // Whether every race handed over is stored within the time.
    bool allesGespeichert(int millisekunden) {
        const QDeadlineTimer frist(millisekunden);
        while (!schreiber.wartende().empty() && !frist.hasExpired())
            QThread::msleep(50);
        antworten();
        return schreiber.wartende().empty();
    }
    Verlaufsschreiber schreiber;
    Verlaufsmeldungen meldungen{dialoge, QStringLiteral("/daten/rennen.sqlite")};
    Rennmitschrift mitschrift{schreiber, [] { return Signalquelle::Sensoren; },
                              [] { return QDateTime::currentDateTime(); }};
};

const QString Nichtgespeichert =
    QStringLiteral("Das Rennen konnte nicht im Rennverlauf gespeichert werden.\n");

// Another program's write lock on the database, from its own connection, held until this
// object goes.
class Schreibsperre {
public:
    explicit Schreibsperre(const QString& pfad)
        : m_faden([this, pfad] {
              Verlaufsdatenbank db(pfad);
              db.vorbereiten();
              QSqlQuery(db.db()).exec(QStringLiteral("BEGIN IMMEDIATE"));
              m_gesperrt.set_value();
              m_freigabe.get_future().wait();
              db.db().rollback();
          }) {
        m_gesperrt.get_future().wait();
    }
    ~Schreibsperre() {
        m_freigabe.set_value();
        m_faden.join();
    }

private:
    std::promise<void> m_gesperrt, m_freigabe;
    std::thread m_faden;
};

// The first column of the history window's list once the database has answered.
QStringList nummern(Verlaufsleser& leser, const VerlaufLogik& logik) {
    leser.abwarten();
    QCoreApplication::processEvents();
    QStringList spalte;
    for (const Rennzeile& z : logik.ansicht().zeilen)
        spalte << (z.wartet ? QStringLiteral("wartet") : QString::number(z.nummer));
    return spalte;
}
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
        QSqlQuery(db.db()).exec(
            QStringLiteral("PRAGMA user_version = %1").arg(Verlaufsdatenbank::Version + 1));
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

// Another program holds the write lock for longer than the writer waits: the races wait
// beside the database, the window lists them at once and takes keys while a delete waits
// for the lock, and they are stored in their order once the lock is gone.
TEST(Verlaufsfehler, GesperrteDatenbankLaesstRennenWartenBisSieFreiIst) {
    Verlaufsordner o;
    datenbankMitRennen(o.pfad, 2);
    auto sperre = std::make_unique<Schreibsperre>(o.pfad);
    Verlaufsbahn b(o.pfad);
    b.rennenFahren(); // the writer waits 5 s, then keeps the race beside the database
    const QStringList wartend = o.dateien().filter(QStringLiteral("rennen-wartend-"));
    ASSERT_EQ(wartend.size(), 1);
    ASSERT_EQ(b.meldungstexte().size(), 1);
    EXPECT_EQ(b.meldungstexte()[0],
              Nichtgespeichert + "Datei: " + o.pfad +
                  "\nUrsache: Ein anderes Programm hält die Datei länger als 5 Sekunden "
                  "gesperrt.\nEs wartet in " +
                  QDir(o.ordner.path()).filePath(wartend[0]) +
                  " und wird gespeichert, sobald das wieder geht: Rundomat versucht es alle 5 "
                  "Sekunden und beim nächsten Start wieder. Die Hall of Fame und die "
                  "Ergebnisdatei sind davon nicht betroffen.");

    b.rennenBeenden(); // the writer is in its wait again
    QElapsedTimer uhr;
    uhr.start();
    Verlaufsleser leser(o.pfad);
    FakeDialoge dialoge;
    VerlaufLogik logik(leser, dialoge, o.ordner.path(), [&] { return b.schreiber.wartende(); });
    EXPECT_EQ(logik.ansicht().zeilen.size(), 2u) << "what it has, at once";
    EXPECT_EQ(nummern(leser, logik), (QStringList{"wartet", "wartet", "2", "1"}));
    EXPECT_LT(uhr.elapsed(), 3000) << "reading does not wait for the lock";

    dialoge.fragenAntworten = {true};
    logik.auswahlSetzen(3);
    uhr.restart();
    logik.loeschen(); // race 1
    logik.filterSetzen(QStringLiteral("Anna"));
    EXPECT_LT(uhr.elapsed(), 1000);
    EXPECT_EQ(logik.ansicht().zeilen.size(), 2u);

    sperre.reset();
    ASSERT_TRUE(b.allesGespeichert(15000));
    EXPECT_TRUE(o.dateien().filter(QStringLiteral("rennen-wartend-")).isEmpty());
    EXPECT_EQ(b.meldungstexte().size(), 1);
    VerlaufLogik wieder(leser, dialoge, o.ordner.path(), [&] { return b.schreiber.wartende(); });
    EXPECT_EQ(nummern(leser, wieder), (QStringList{"4", "3", "2"}));
    EXPECT_EQ(dialoge.meldungen.size(), 1u) << "the question; the delete went through";
}

// A program of another user that ended without closing the database (here: killed) leaves
// the -shm file behind, which this user may not write: the racer learns that file's name.
TEST(Verlaufsfehler, SchreibgeschuetzteShmDateiWirdBenannt) {
    Verlaufsordner o;
    const QString shm = o.pfad + QStringLiteral("-shm");
    QProcess anderer;
    anderer.start(QStringLiteral(SCHREIBPROBE), {o.pfad, QStringLiteral("0")});
    ASSERT_TRUE(anderer.waitForReadyRead(30000));
    anderer.kill();
    anderer.waitForFinished();
    std::optional<Schreibschutz> schutz(std::in_place, shm);
    Verlaufsbahn b(o.pfad);
    b.rennenFahren();
    ASSERT_EQ(b.meldungstexte().size(), 1);
    EXPECT_TRUE(b.meldungstexte()[0].contains(
        "\nDatei: " + shm + "\nUrsache: Die Berechtigung zum Schreiben fehlt.\nEs wartet in "))
        << b.meldungstexte()[0].toStdString();

    schutz.reset();
    ASSERT_TRUE(b.allesGespeichert(15000));
    Verlaufsdatenbank db(o.pfad);
    ASSERT_TRUE(db.verbinden(true));
    EXPECT_EQ(anzahl(db, QStringLiteral("SELECT count(*) FROM fahrten WHERE lauf = 1 AND spur = 1"
                                        " AND fahrer NOT LIKE 'Probe %'")),
              1);
}

// Races left waiting when the program ended are stored at the next start to the last
// figure, and one that was stored before its file could go is not stored twice. A file of
// a newer program is left alone.
TEST(Verlaufsfehler, NaechsterStartSpeichertWartendeRennenGenauEinmal) {
    Verlaufsordner o;
    datenbankMitRennen(o.pfad, 1);
    Rennaufzeichnung schonDa = rennen(QStringLiteral("Cleo"), {2.5}, QStringLiteral("Dora"), {3},
                                      QStringLiteral("2026-06-01T10:00:00+02:00"));
    Rennaufzeichnung neu = rennen(QStringLiteral("=Ede"), {2.25}, QStringLiteral("Fritz"), {3.5},
                                  QStringLiteral("2026-06-01T10:05:00+02:00"));
    neu.laeufe[0][1].runden[0] = {0, std::numeric_limits<double>::infinity(), true};
    neu.laeufe[0][2].farbe = 0x00A5FF;
    for (const Rennaufzeichnung* r : {&schonDa, &neu})
        ASSERT_FALSE(Rennwarteschlange(o.ordner.path()).ablegen(*r).datei.isEmpty());
    {
        Verlaufsdatenbank db(o.pfad);
        ASSERT_TRUE(db.vorbereiten().beschreibbar);
        ASSERT_EQ(Verlaufsspeicher(db).speichern(schonDa), std::nullopt);
    }
    const QString neuer = QStringLiteral("rennen-wartend-29991231-000000-000-neuer.json");
    schreiben(QDir(o.ordner.path()).filePath(neuer), "{\"rundomat-wartendes-rennen\": 2}");

    Verlaufsbahn b(o.pfad);
    ASSERT_TRUE(b.allesGespeichert(15000));
    EXPECT_TRUE(b.meldungstexte().isEmpty());
    EXPECT_EQ(o.dateien().filter(QStringLiteral("rennen-wartend-")), QStringList{neuer});
    Verlaufsdatenbank db(o.pfad);
    ASSERT_TRUE(db.verbinden(true));
    EXPECT_EQ(anzahl(db, QStringLiteral("SELECT count(*) FROM rennen")), 3);
    const std::optional<Rennaufzeichnung> gespeichert = Verlaufsabfragen(db).rennen(3);
    ASSERT_TRUE(gespeichert);
    EXPECT_EQ(rennenAlsJson(std::nullopt, *gespeichert), rennenAlsJson(std::nullopt, neu));
}

// A correction while another program holds the write lock waits for it as long as the
// database waits, then says so; the race stays as stored, without a trace of the attempt,
// and the page shows what the database holds.
TEST(Verlaufsfehler, KorrekturBeiGesperrterDatenbankAendertNichts) {
    Verlaufsordner o;
    datenbankMitRennen(o.pfad, 1);
    Verlaufsleser leser(o.pfad);
    FakeDialoge dialoge;
    VerlaufLogik logik(leser, dialoge, o.ordner.path());
    ASSERT_EQ(nummern(leser, logik), QStringList{"1"});
    logik.oeffnen();
    nummern(leser, logik);
    auto sperre = std::make_unique<Schreibsperre>(o.pfad);
    logik.korrigieren();
    logik.loeschen(); // Anna's first crossing: her laps 1 and 2 become one
    EXPECT_EQ(logik.ansicht().angaben[1], "Abgebrochen – korrigiert, das Original ist gespeichert")
        << "Anna is one lap short now";
    nummern(leser, logik);
    ASSERT_EQ(dialoge.meldungen.size(), 1u);
    EXPECT_TRUE(dialoge.meldungen[0].text.startsWith(
        QStringLiteral("Die Korrektur ließ sich nicht speichern: ")))
        << dialoge.meldungen[0].text.toStdString();
    sperre.reset();
    nummern(leser, logik);
    EXPECT_FALSE(logik.ansicht().korrektur);
    EXPECT_EQ(logik.ansicht().angaben[1], "Sieger: Anna");

    Verlaufsdatenbank db(o.pfad);
    ASSERT_TRUE(db.vorbereiten().beschreibbar);
    EXPECT_EQ(anzahl(db, QStringLiteral("SELECT count(*) FROM runden WHERE spur = 1")), 10);
    EXPECT_EQ(anzahl(db, QStringLiteral("SELECT count(*) FROM rennen WHERE original IS NULL")), 1);
}
