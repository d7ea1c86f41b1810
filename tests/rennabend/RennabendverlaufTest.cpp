#include "Rennabendverlauf.h"

#include "Abendablage.h"
#include "Abendfahrer.h"
#include "Rennabendexport.h"
#include "Rennabendleiter.h"
#include "Rennbahn.h"
#include "Saisontabelle.h"
#include "Verlaufsabfragen.h"
#include "Verlaufsschema.h"
#include "Verlaufsschreiber.h"
#include "Verlaufsspeicher.h"
#include "Verlaufstest.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {
// A database as the program wrote it before race nights: version 4, with one race.
void datenbankVersion4(const QString& pfad) {
    Verlaufsdatenbank db(pfad);
    ASSERT_TRUE(db.verbinden(false) || (db.db().open()));
    QSqlQuery q(db.db());
    for (int von = 0; von < 4; ++von)
        for (const QString& anweisung : verlaufsschemaSchritt(von))
            ASSERT_TRUE(q.exec(anweisung)) << anweisung.toStdString();
    for (const char* anweisung :
         {"PRAGMA application_id = 1380207956", "PRAGMA user_version = 4",
          "INSERT INTO rennen (beginn, art, rundenzahl, kurslaenge, prellzeit, signalquelle,"
          " abgebrochen, sieger) VALUES ('2026-12-01T19:00:00+01:00', 'Rennen', 1, 5, 2,"
          " 'Tastatur', 0, 'Alt')",
          "INSERT INTO fahrten (rennen, lauf, spur, fahrer, farbe) VALUES (1, 1, 1, 'Alt', 0)",
          "INSERT INTO fahrten (rennen, lauf, spur, fahrer, farbe) VALUES (1, 1, 2, 'Neu', 0)"})
        ASSERT_TRUE(q.exec(QString::fromLatin1(anweisung))) << anweisung;
}

// A night of Anna, Bert and Carla in the season "Winter", its first Begegnung driven and its
// row stored as the program stores it; its key.
QString abendMitRennen(Verlaufsdatenbank& db, int minute) {
    Rennbahn bahn;
    Datenbankablage ablage(db);
    Rennabendleiter leiter(bahn.rennen, ablage);
    leiter.beiAenderung([&] { EXPECT_EQ(rennabendSpeichern(db, leiter.abend()), std::nullopt); });
    leiter.beginnen({A, B, C}, Rennabendregeln{}, QStringLiteral("Winter"));
    const Paarung p = *leiter.naechstePaarung();
    leiter.ablegen(fuerDenAbend(leiter, begegnung(p, p.spur1, minute)));
    return leiter.abend().schluessel;
}

// The night's row as the database holds it, column by column.
QStringList zeileVon(Verlaufsdatenbank& db, const QString& schluessel) {
    QSqlQuery q(db.db());
    q.prepare(QStringLiteral("SELECT * FROM rennabende WHERE schluessel = ?"));
    q.bindValue(0, schluessel);
    EXPECT_TRUE(q.exec() && q.next());
    QStringList spalten;
    for (int i = 0; i < q.record().count(); ++i)
        spalten << (q.isNull(i) ? QStringLiteral("NULL") : q.value(i).toString());
    return spalten;
}

void gleicheTabellen(const std::vector<Tabellenzeile>& a, const std::vector<Tabellenzeile>& b) {
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i].fahrer, b[i].fahrer);
        EXPECT_EQ(a[i].punkte, b[i].punkte);
        EXPECT_EQ(a[i].siege, b[i].siege);
        EXPECT_EQ(a[i].gesamtzeit, b[i].gesamtzeit);
        EXPECT_EQ(a[i].besteRunde, b[i].besteRunde);
        EXPECT_EQ(a[i].ausgeschieden, b[i].ausgeschieden);
    }
}
} // namespace

// A night in a database of the version before nights, upgraded in place: stored race by race
// with a repeat, a driver who leaves and one who joins, it reads back as it was, its standings
// computed from the stored races equal those of the night; a race still waiting counts once;
// a new night closes it; the JSON export lists it with the race that counts marked.
TEST(Rennabendverlauf, AbendUeberRennenAusscheidenUndWiederholungZurueckgelesen) {
    Verlaufsordner o;
    datenbankVersion4(o.pfad);
    Verlaufsdatenbank db(o.pfad);
    ASSERT_TRUE(db.vorbereiten().beschreibbar);
    ASSERT_EQ(Verlaufsabfragen(db).rennen(1)->laeufe[0][2].fahrer, QStringLiteral("Neu"));

    Rennbahn bahn;
    Datenbankablage ablage(db);
    Rennabendleiter leiter(bahn.rennen, ablage);
    leiter.beiAenderung([&] { EXPECT_EQ(rennabendSpeichern(db, leiter.abend()), std::nullopt); });
    leiter.beginnen({A, B, C, D}, Rennabendregeln{}, QStringLiteral("Winter"));
    int minute = 0;
    const auto fahren = [&](bool spur1Gewinnt) {
        const Paarung p = *leiter.naechstePaarung();
        leiter.ablegen(
            fuerDenAbend(leiter, begegnung(p, spur1Gewinnt ? p.spur1 : p.spur2, ++minute)));
    };
    fahren(true);
    leiter.wiederholen();
    fahren(false); // the repeat is won by the other driver
    fahren(true);
    QString fehler;
    ASSERT_TRUE(leiter.fahrerEntfernen(C, fehler));
    ASSERT_TRUE(leiter.fahrerHinzufuegen(QStringLiteral("Emil"), fehler));
    leiter.ueberspringen();
    fahren(true);
    leiter.wiederholen(); // asked for, not driven yet
    const Rennabend vorher = leiter.abend();
    ASSERT_EQ(vorher.rennen.size(), 4u);

    // A fifth race handed to the writer and not stored; the fourth is handed again.
    Rennaufzeichnung wartend = begegnung(*leiter.naechstePaarung(), B, 59);
    wartend.abend = Abendzuordnung{vorher.schluessel, *leiter.naechste()};
    std::vector<GespeicherterRennabend> gelesen =
        rennabendeLesen(db, {vorher.rennen[3].rennen, wartend}, fehler);
    ASSERT_TRUE(fehler.isEmpty()) << fehler.toStdString();
    ASSERT_EQ(gelesen.size(), 1u);
    const Rennabend& a = gelesen[0].abend;
    EXPECT_EQ(a.schluessel, vorher.schluessel);
    EXPECT_EQ(a.saison, QStringLiteral("Winter"));
    EXPECT_EQ(beginnText(a.beginn), beginnText(vorher.beginn));
    ASSERT_EQ(a.teilnehmer.size(), vorher.teilnehmer.size());
    for (std::size_t i = 0; i < a.teilnehmer.size(); ++i) {
        EXPECT_EQ(a.teilnehmer[i].name, vorher.teilnehmer[i].name);
        EXPECT_EQ(a.teilnehmer[i].farbe, vorher.teilnehmer[i].farbe);
    }
    EXPECT_EQ(a.ausgeschieden, QStringList{C});
    EXPECT_EQ(a.plan, vorher.plan);
    EXPECT_EQ(a.uebersprungen, vorher.uebersprungen);
    EXPECT_EQ(a.wiederholung, vorher.wiederholung);
    EXPECT_FALSE(a.beendet);
    ASSERT_EQ(a.rennen.size(), 5u);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(a.rennen[i].nummer, vorher.rennen[i].nummer);
        EXPECT_EQ(a.rennen[i].rennen.sieger, vorher.rennen[i].rennen.sieger);
        EXPECT_EQ(gelesen[0].rennnummern[i], qint64(i) + 2); // after the old race
    }
    EXPECT_EQ(gelesen[0].rennnummern[4], std::nullopt);
    const std::vector<Tabellenzeile> tabelle = leiter.tabelle();
    gelesen[0].abend.rennen.pop_back();
    gleicheTabellen(rennabendtabelle(a.regeln, fahrernamen(a), a.ausgeschieden, a.rennen),
                    leiter.tabelle());
    // The repeat replaced the first Begegnung: its loser of before has its 3 points now.
    EXPECT_EQ(vorher.rennen[1].rennen.sieger, vorher.plan[0].spur2);
    EXPECT_EQ(std::find_if(tabelle.begin(), tabelle.end(),
                           [&](const Tabellenzeile& z) { return z.fahrer == vorher.plan[0].spur1; })
                  ->punkte,
              0);

    const QString json = QDir(o.ordner.path()).filePath(QStringLiteral("alle.json"));
    Verlaufsabfragen abfragen(db);
    ASSERT_EQ(verlaufExportieren(json, alleRennen(abfragen, {}), Sonderdatei::Beschreiben,
                                 rennabendeExportieren(db, {}, {10, 8, 6})),
              std::nullopt);
    QFile datei(json);
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    const QJsonObject oben = QJsonDocument::fromJson(datei.readAll()).object();
    EXPECT_EQ(oben[QStringLiteral("rennen")].toArray().size(), 5);
    const QJsonObject abend = oben[QStringLiteral("rennabende")].toArray()[0].toObject();
    EXPECT_EQ(abend[QStringLiteral("datum")].toString(),
              vorher.beginn.date().toString(Qt::ISODate));
    const QJsonObject erste = abend[QStringLiteral("plan")].toArray()[0].toObject();
    EXPECT_EQ(erste[QStringLiteral("spuren")].toArray(),
              (QJsonArray{vorher.plan[0].spur1, vorher.plan[0].spur2}));
    EXPECT_EQ(erste[QStringLiteral("spur1")].toString(), vorher.plan[0].spur1);
    EXPECT_EQ(abend[QStringLiteral("wertung")].toString(), QStringLiteral("Siege"));
    QJsonArray rennenJson = abend[QStringLiteral("rennen")].toArray();
    ASSERT_EQ(rennenJson.size(), 4);
    EXPECT_EQ(rennenJson[0][QStringLiteral("nummer")].toInt(), 1);
    EXPECT_FALSE(rennenJson[0][QStringLiteral("zaehlt")].toBool());
    EXPECT_EQ(rennenJson[1][QStringLiteral("nummer")].toInt(), 1);
    EXPECT_TRUE(rennenJson[1][QStringLiteral("zaehlt")].toBool());
    EXPECT_EQ(rennenJson[1][QStringLiteral("rennen")].toInt(), 3);
    EXPECT_EQ(fortsetzungsfrage(a),
              QStringLiteral("Der Rennabend vom %1 ist noch nicht zu Ende (3 von %2 "
                             "Begegnungen gefahren). Weiterfahren?")
                  .arg(a.beginn.date().toString(QStringLiteral("dd.MM.yyyy")))
                  .arg(a.plan.size()));
    Rennbahn zweiteBahn;
    Rennabendleiter zweiter(zweiteBahn.rennen, ablage);
    zweiter.beginnen({A, B, C}, Rennabendregeln{}, QStringLiteral("Winter"));
    ASSERT_EQ(rennabendSpeichern(db, zweiter.abend()), std::nullopt);
    gelesen = rennabendeLesen(db, {}, fehler);
    ASSERT_EQ(gelesen.size(), 2u);
    EXPECT_TRUE(gelesen[0].abend.beendet);
    EXPECT_FALSE(gelesen[1].abend.beendet);

    // The season counts the night with races and places its drivers as its standings do; the
    // new night without a race is not in it yet.
    const std::vector<Saisonwertung> saison = saisonwertungen(gelesen, {10, 8, 6});
    ASSERT_EQ(saison.size(), 1u);
    EXPECT_EQ(saison[0].name, QStringLiteral("Winter"));
    EXPECT_EQ(saison[0].abende, 1);
    ASSERT_EQ(saison[0].zeilen.size(), tabelle.size());
    EXPECT_EQ(saison[0].zeilen[0],
              QStringList({QStringLiteral("1"), tabelle[0].fahrer, QStringLiteral("10"),
                           QStringLiteral("10"), QStringLiteral("10"), QStringLiteral("1"),
                           QStringLiteral("1")}));
}

// A night's row edited by hand or damaged: its repeat no entry of its plan, its drivers or its
// plan no JSON. The program once crashed on going on with it, or offered it as an empty night.
// Now, at the next start, it is not offered: it is marked over with the rest of its row as it
// was, the racer is told which night and why, its race stays in the history, the JSON export
// marks it damaged, and the season counts only the night before it.
TEST(Rennabendverlauf, BeschaedigterAbendWirdBeendetStattFortgesetzt) {
    const struct {
        const char* spalte;
        const char* wert;
        const char* grund;
    } schaeden[] = {
        {"wiederholung", "0", "Die Wiederholung nennt Begegnung 0 von 3."},
        {"wiederholung", "999", "Die Wiederholung nennt Begegnung 999 von 3."},
        {"teilnehmer", "[{\"name\": \"Anna\", \"farbe\"", "Seine Fahrerliste ist nicht lesbar."},
        {"plan", "[[\"Anna\", \"Bert\"], [\"Carla\"", "Sein Plan ist nicht lesbar."},
        {"rennformat", "Zeit", "Sein Rennformat „Zeit“ ist nicht lesbar."},
        {"klassen", "[\"Anna\", \"GT\"]",
         "Seine Fahrerklassen „[\"Anna\", \"GT\"]“ sind nicht lesbar."},
        {"rennformat", "{\"rennart\": \"Zeit\", \"renndauer\": 5}",
         "Sein Rennformat „{\"rennart\": \"Zeit\", \"renndauer\": 5}“ nennt keine Renndauer "
         "oder keine Zielregel."},
    };
    for (const auto& schaden : schaeden) {
        SCOPED_TRACE(schaden.wert);
        Verlaufsordner o;
        QString schluessel;
        QStringList vorher;
        {
            Verlaufsdatenbank db(o.pfad);
            ASSERT_TRUE(db.vorbereiten().beschreibbar);
            abendMitRennen(db, 1);
            schluessel = abendMitRennen(db, 2);
            QSqlQuery q(db.db());
            q.prepare(
                QStringLiteral("UPDATE rennabende SET %1 = ?, beginn = ? WHERE schluessel = ?")
                    .arg(QLatin1String(schaden.spalte)));
            q.addBindValue(QString::fromUtf8(schaden.wert));
            q.addBindValue(QStringLiteral("2026-12-09T20:00:00+01:00"));
            q.addBindValue(schluessel);
            ASSERT_TRUE(q.exec());
            vorher = zeileVon(db, schluessel);
        }

        // The program starts again and offers the night before it takes a race.
        {
            Rennbahn bahn;
            Verlaufsschreiber schreiber(o.pfad);
            Verlaufsleser leser(o.pfad);
            Rennabendleiter leiter(bahn.rennen, schreiber);
            FakeDialoge dialoge;
            dialoge.fragenAntworten = {true};
            Rennabendsperre sperre(o.ordner.path());
            Rennabendverlauf verlauf(leiter, schreiber, leser, dialoge, sperre);
            schreiber.starten();
            schreiber.abwarten();
            verlauf.anbieten();
            leser.abwarten();
            QCoreApplication::processEvents();
            schreiber.abwarten();
            EXPECT_FALSE(leiter.aktiv());
            ASSERT_EQ(dialoge.meldungen.size(), 1u) << "nothing asked";
            EXPECT_EQ(dialoge.meldungen[0].text,
                      QStringLiteral("Der Rennabend vom 09.12.2026 ist beschädigt und wird nicht "
                                     "fortgesetzt: ") +
                          QString::fromUtf8(schaden.grund) +
                          QStringLiteral(" Seine Rennen bleiben im Verlauf."));
        }

        Verlaufsdatenbank db(o.pfad);
        ASSERT_TRUE(db.verbinden(true));
        QStringList nachher = zeileVon(db, schluessel);
        const int beendet = 11;
        EXPECT_EQ(nachher.takeAt(beendet), QStringLiteral("1")) << "marked over";
        vorher.removeAt(beendet);
        EXPECT_EQ(nachher, vorher);
        QString fehler;
        EXPECT_TRUE(saisonwertungen(rennabendeLesen(db, {}, fehler), {10, 8, 6}).at(0).abende == 1);

        const QString json = QDir(o.ordner.path()).filePath(QStringLiteral("alle.json"));
        Verlaufsabfragen abfragen(db);
        ASSERT_EQ(verlaufExportieren(json, alleRennen(abfragen, {}), Sonderdatei::Beschreiben,
                                     rennabendeExportieren(db, {}, {10, 8, 6})),
                  std::nullopt);
        QFile datei(json);
        ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
        const QJsonObject oben = QJsonDocument::fromJson(datei.readAll()).object();
        EXPECT_EQ(oben[QStringLiteral("rennen")].toArray().size(), 2);
        const QJsonArray abende = oben[QStringLiteral("rennabende")].toArray();
        ASSERT_EQ(abende.size(), 2);
        EXPECT_FALSE(abende[0].toObject().contains(QStringLiteral("beschaedigt")));
        EXPECT_EQ(abende[1][QStringLiteral("beschaedigt")].toString(),
                  QString::fromUtf8(schaden.grund));
        EXPECT_EQ(abende[1][QStringLiteral("rennen")][0][QStringLiteral("rennen")].toInt(), 2)
            << "its race still named";
    }
}

// A night keeps how long its races run. One by time reads back by time; in a database of the
// version before (its nights without a race format) upgraded in place, a night takes the
// format its races have, and going on with it puts that format into the race.
TEST(Rennabendverlauf, RennformatDesAbendsUeberstehtNeustartUndUpgrade) {
    Verlaufsordner o;
    QString schluessel;
    {
        Verlaufsdatenbank db(o.pfad);
        ASSERT_TRUE(db.vorbereiten().beschreibbar);
        Rennbahn bahn;
        bahn.einstellen([](Renneinstellungen& e) {
            e.rennart = Rennlaenge::Zeit;
            e.renndauer = 120;
            e.zielregel = Zielregel::Sofort;
        });
        Datenbankablage ablage(db);
        Rennabendleiter leiter(bahn.rennen, ablage);
        leiter.beiAenderung(
            [&] { EXPECT_EQ(rennabendSpeichern(db, leiter.abend()), std::nullopt); });
        leiter.beginnen({A, B, C}, Rennabendregeln{});
        const Paarung p = *leiter.naechstePaarung();
        Rennaufzeichnung r = fuerDenAbend(leiter, begegnung(p, p.spur1, 1));
        r.rennart = Rennlaenge::Zeit;
        r.renndauer = 120;
        r.zielregel = Zielregel::Sofort;
        leiter.ablegen(r);
        schluessel = leiter.abend().schluessel;

        QString fehler;
        const std::vector<GespeicherterRennabend> abende = rennabendeLesen(db, {}, fehler);
        ASSERT_EQ(abende.size(), 1u) << fehler.toStdString();
        EXPECT_EQ(abende[0].abend.rennformat, abendrennformatVon(bahn.einstellungen()));

        QSqlQuery q(db.db());
        for (const char* spalte : {"rennformat", "klassen"})
            ASSERT_TRUE(q.exec(QStringLiteral("ALTER TABLE rennabende DROP COLUMN ") +
                               QLatin1String(spalte)));
        for (const char* spalte : {"spuren", "freiespuren", "nachsiegerbeenden"})
            ASSERT_TRUE(
                q.exec(QStringLiteral("ALTER TABLE rennen DROP COLUMN ") + QLatin1String(spalte)));
        for (const char* tabelle : {"strafen", "streckenrufe", "saisons"})
            ASSERT_TRUE(q.exec(QStringLiteral("DROP TABLE ") + QLatin1String(tabelle)));
        ASSERT_TRUE(q.exec(QStringLiteral("PRAGMA user_version = 5")));
    }

    Verlaufsdatenbank db(o.pfad);
    ASSERT_TRUE(db.vorbereiten().beschreibbar);
    QString fehler;
    std::vector<GespeicherterRennabend> abende = rennabendeLesen(db, {}, fehler);
    ASSERT_EQ(abende.size(), 1u) << fehler.toStdString();
    EXPECT_EQ(abende[0].beschaedigt, std::nullopt);
    EXPECT_EQ(abende[0].abend.schluessel, schluessel);
    EXPECT_EQ(abende[0].abend.rennen.size(), 1u);
    ASSERT_TRUE(abende[0].abend.rennformat);
    EXPECT_TRUE(abende[0].abend.nachZeit());
    EXPECT_EQ(abende[0].abend.rennformat->renndauer, 120);
    EXPECT_EQ(abende[0].abend.rennformat->zielregel, Zielregel::Sofort);

    Rennbahn bahn;
    Datenbankablage ablage(db);
    Rennabendleiter leiter(bahn.rennen, ablage);
    leiter.fortsetzen(std::move(abende[0].abend));
    EXPECT_EQ(bahn.einstellungen().rennart, Rennlaenge::Zeit);
    EXPECT_EQ(bahn.einstellungen().renndauer, 120);
    EXPECT_EQ(bahn.einstellungen().zielregel, Zielregel::Sofort);
}
