#include "Verlaufsspeicher.h"

#include "QtAusgabe.h"
#include "Verlaufsabfragen.h"
#include "Verlaufsschema.h"
#include "Verlaufstest.h"

#include <QSqlQuery>

namespace {
QVariant pragma(Verlaufsdatenbank& db, const QString& name) {
    QSqlQuery q(db.db());
    q.exec(QStringLiteral("PRAGMA ") + name);
    return q.next() ? q.value(0) : QVariant();
}

// Names that have broken other programs' files and queries.
QStringList boeseNamen() {
    return {QStringLiteral("Jürgen \"Blitz\" Öztürk; ß"), QStringLiteral("Zeile 1\nZeile 2\r\n"),
            QStringLiteral("'); DROP TABLE rennen; --"), QString(10000, QLatin1Char('x')),
            QStringLiteral("=SUMME(A1)")};
}
} // namespace

TEST(Verlaufsspeicher, SpeichertJedesRennenUnverfaelschtUndLiestEsWiederGenauso) {
    Verlaufsordner o;
    Verlaufsdatenbank db(o.pfad);
    ASSERT_TRUE(db.vorbereiten().beschreibbar) << db.fehler().toStdString();
    EXPECT_EQ(pragma(db, QStringLiteral("journal_mode")).toString(), "wal");
    EXPECT_EQ(pragma(db, QStringLiteral("user_version")).toInt(), Verlaufsdatenbank::Version);
    EXPECT_EQ(pragma(db, QStringLiteral("application_id")).toInt(), VerlaufsAnwendungskennung);

    const QStringList namen = boeseNamen();
    std::vector<Rennaufzeichnung> gespeichert;
    for (int i = 0; i + 1 < namen.size(); ++i) {
        Rennaufzeichnung r = rennen(namen[i], {3.1, 2.987}, namen[i + 1], {4, 1e-3});
        r.laeufe[0][2].runden[1].vonHand = true;
        r.laeufe[0][1].farbe = 0xFF00FF;
        r.quelle = i % 2 ? Signalquelle::Platine : Signalquelle::Simulation;
        r.art = Rennart::Training;
        r.sieger = i % 2 ? std::optional<QString>() : namen[i];
        gespeichert.push_back(r);
    }
    gespeichert[1].abgebrochen = true;
    gespeichert[1].laeufe[0][1].gesamtzeit.reset();
    gespeichert[1].laeufe[0][1].schnitt.reset();
    gespeichert[2].art = Rennart::Spurwechsel;
    gespeichert[2].laeufe.push_back({fahrt(namen[3], {5}), fahrt(namen[2], {6})});
    gespeichert[3].laeufe[0][2].fahrer = QString(); // a lane a night's Lauf left free
    Verlaufsspeicher speicher(db);
    for (const Rennaufzeichnung& r : gespeichert)
        ASSERT_EQ(speicher.speichern(r), std::nullopt);

    // Read back by a second connection, as the window does.
    Verlaufsdatenbank leser(o.pfad);
    ASSERT_TRUE(leser.verbinden(true));
    Verlaufsabfragen abfragen(leser);
    std::size_t n = 0;
    ASSERT_TRUE(abfragen.alleRennen([&](qint64 nummer, const Rennaufzeichnung& r) {
        const Rennaufzeichnung& soll = gespeichert.at(n++);
        EXPECT_EQ(nummer, qint64(n));
        EXPECT_EQ(r.beginn, soll.beginn);
        EXPECT_EQ(r.beginn.toString(Qt::ISODate), "2026-05-01T14:03:22+02:00");
        EXPECT_EQ(r.art, soll.art);
        EXPECT_EQ(r.quelle, soll.quelle);
        EXPECT_EQ(r.abgebrochen, soll.abgebrochen);
        EXPECT_EQ(r.sieger, soll.sieger);
        EXPECT_EQ(r.rundenzahl, 2);
        EXPECT_EQ(r.kurslaenge, 5);
        EXPECT_EQ(r.laeufe.size(), soll.laeufe.size());
        for (std::size_t lauf = 0; lauf < std::min(r.laeufe.size(), soll.laeufe.size()); ++lauf)
            for (int spur = 1; spur <= 2; ++spur) {
                const Spurfahrt& ist = r.laeufe[lauf][spur];
                const Spurfahrt& s = soll.laeufe[lauf][spur];
                EXPECT_EQ(ist.fahrer, s.fahrer);
                EXPECT_EQ(ist.farbe, s.farbe);
                EXPECT_EQ(ist.gesamtzeit, s.gesamtzeit);
                EXPECT_EQ(ist.schnitt, s.schnitt);
                EXPECT_EQ(ist.runden.size(), s.runden.size());
                for (std::size_t i = 0; i < std::min(ist.runden.size(), s.runden.size()); ++i) {
                    EXPECT_EQ(ist.runden[i].zeit, s.runden[i].zeit);
                    EXPECT_EQ(ist.runden[i].geschwindigkeit, s.runden[i].geschwindigkeit);
                    EXPECT_EQ(ist.runden[i].vonHand, s.runden[i].vonHand);
                }
            }
        return true;
    }));
    EXPECT_EQ(n, gespeichert.size());
    EXPECT_EQ(abfragen.rennen(3)->laeufe[1][1].fahrer, namen[3]);
    EXPECT_EQ(abfragen.rennen(99), std::nullopt);

    // Opening it again for storing keeps every race.
    Verlaufsdatenbank wieder(o.pfad);
    const Verlaufsbefund befund = wieder.vorbereiten();
    EXPECT_TRUE(befund.beschreibbar);
    EXPECT_TRUE(befund.beiseitegelegt.isEmpty());
    EXPECT_EQ(abfragen.rennliste().size(), gespeichert.size());
}

TEST(Verlaufsspeicher, ListeUndFahrerbilanzUndLoeschen) {
    Verlaufsordner o;
    Verlaufsdatenbank db(o.pfad);
    ASSERT_TRUE(db.vorbereiten().beschreibbar);
    Verlaufsspeicher speicher(db);
    Rennaufzeichnung eins = rennen(QStringLiteral("Anna"), {3, 2.5}, QStringLiteral("Bernd"),
                                   {4, 4}, QStringLiteral("2026-04-30T20:00:00+02:00"));
    Rennaufzeichnung zwei = rennen(QStringLiteral("Bernd"), {2.4, 9}, QStringLiteral("Anna"),
                                   {2.6, 2.6}, QStringLiteral("2026-05-01T10:00:00+02:00"));
    zwei.sieger = QStringLiteral("Anna");
    Rennaufzeichnung drei = rennen(QStringLiteral("Anna"), {2.2}, QStringLiteral("Cleo"), {3},
                                   QStringLiteral("2026-05-01T11:00:00+02:00"));
    drei.abgebrochen = true;
    drei.sieger.reset();
    drei.laeufe[0][1].gesamtzeit.reset();
    drei.laeufe[0][1].schnitt.reset();
    for (const Rennaufzeichnung* r : {&eins, &zwei, &drei})
        ASSERT_EQ(speicher.speichern(*r), std::nullopt);

    Verlaufsabfragen abfragen(db);
    const std::vector<Rennkopf> liste = abfragen.rennliste();
    ASSERT_EQ(liste.size(), 3u);
    EXPECT_EQ(liste[0].nummer, 3) << "newest first";
    EXPECT_TRUE(liste[0].abgebrochen);
    EXPECT_EQ(liste[1].fahrer[1], "Bernd");
    EXPECT_EQ(liste[1].fahrer[2], "Anna");
    EXPECT_EQ(liste[1].besteZeit, 2.4);
    EXPECT_EQ(liste[1].besterFahrer, "Bernd");
    EXPECT_EQ(liste[2].sieger, "Anna");

    const Fahrerbilanz anna = abfragen.fahrer(QStringLiteral("Anna"));
    EXPECT_EQ(anna.rennen, 3);
    EXPECT_EQ(anna.abgebrochen, 1);
    EXPECT_EQ(anna.siege, 2);
    ASSERT_TRUE(anna.besteRunde);
    EXPECT_EQ(anna.besteRunde->wert, 2.2) << "a stopped race's laps count";
    EXPECT_EQ(anna.besteRunde->rennen, 3);
    EXPECT_EQ(anna.besteRunde->beginn, "2026-05-01T11:00:00+02:00");
    ASSERT_TRUE(anna.besterSchnitt);
    EXPECT_DOUBLE_EQ(anna.besterSchnitt->wert, 10 / 5.2);
    EXPECT_EQ(anna.besterSchnitt->rennen, 2);
    ASSERT_EQ(anna.tagesbestzeiten.size(), 2u);
    EXPECT_EQ(anna.tagesbestzeiten[0], std::pair(QDate(2026, 4, 30), 2.5));
    EXPECT_EQ(anna.tagesbestzeiten[1], std::pair(QDate(2026, 5, 1), 2.2));
    EXPECT_EQ(abfragen.fahrer(QStringLiteral("anna")).rennen, 0) << "names are exact";

    ASSERT_EQ(speicher.loeschen(2), std::nullopt);
    EXPECT_EQ(abfragen.rennliste().size(), 2u);
    EXPECT_EQ(abfragen.rennen(2), std::nullopt);
    ASSERT_EQ(speicher.fahrerLoeschen(QStringLiteral("Cleo")), std::nullopt);
    ASSERT_EQ(abfragen.rennliste().size(), 1u);
    EXPECT_EQ(abfragen.fahrer(QStringLiteral("Anna")).rennen, 1);
    QSqlQuery q(db.db());
    ASSERT_TRUE(q.exec(QStringLiteral("SELECT count(*) FROM runden")) && q.next());
    EXPECT_EQ(q.value(0).toInt(), 4) << "the laps of deleted races go with them";
}
