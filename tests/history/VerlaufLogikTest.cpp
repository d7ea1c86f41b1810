#include "VerlaufLogik.h"

#include "Fakes.h"
#include "QtAusgabe.h"
#include "Rennseite.h"
#include "Verlaufsspeicher.h"
#include "Verlaufstest.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlQuery>

using Seite = VerlaufAnsicht::Seite;

namespace {
struct Fensterbahn : Verlaufsordner {
    Fensterbahn() {
        Verlaufsdatenbank db(pfad);
        EXPECT_TRUE(db.vorbereiten().beschreibbar);
        Rennaufzeichnung eins = rennen(QStringLiteral("Anna"), {3, 2.5}, QStringLiteral("Bernd"),
                                       {4, 4}, QStringLiteral("2026-04-30T20:00:00+02:00"));
        eins.laeufe[0][2].runden[1].vonHand = true;
        eins.laeufe[0][2].farbe = 0x00FFFF;
        Rennaufzeichnung zwei = rennen(QStringLiteral("Cleo"), {2.4}, QStringLiteral("Bernd"), {3},
                                       QStringLiteral("2026-05-02T09:15:00+02:00"));
        zwei.sieger.reset();
        zwei.abgebrochen = true;
        for (const Rennaufzeichnung* r : {&eins, &zwei})
            EXPECT_EQ(Verlaufsspeicher(db).speichern(*r), std::nullopt);
    }
    VerlaufLogik& logik() {
        if (!m_logik)
            m_logik.emplace(leser, dialoge, ordner.path());
        return *m_logik;
    }
    // The view state once the database has answered, and answered what an answer asked
    // again (a delete reloads the list).
    const VerlaufAnsicht& a() {
        logik();
        for (int i = 0; i < 2; ++i) {
            leser.abwarten();
            QCoreApplication::processEvents();
        }
        return logik().ansicht();
    }
    QStringList spalte(QString Rennzeile::*feld) {
        QStringList texte;
        for (const Rennzeile& z : a().zeilen)
            texte << z.*feld;
        return texte;
    }

    FakeDialoge dialoge;
    Verlaufsleser leser{pfad};

private:
    std::optional<VerlaufLogik> m_logik;
};
} // namespace

TEST(VerlaufLogik, ListeNeuesteZuerstMitFilterNachFahrer) {
    Fensterbahn b;
    EXPECT_EQ(b.a().seite, Seite::Liste);
    EXPECT_EQ(b.spalte(&Rennzeile::datum), (QStringList{"02.05.2026 09:15", "30.04.2026 20:00"}));
    EXPECT_EQ(b.spalte(&Rennzeile::fahrer), (QStringList{"Cleo – Bernd", "Anna – Bernd"}));
    EXPECT_EQ(b.spalte(&Rennzeile::sieger), (QStringList{"abgebrochen", "Anna"}));
    EXPECT_EQ(b.spalte(&Rennzeile::besteRunde), (QStringList{"2,400 s Cleo", "2,500 s Anna"}));
    EXPECT_EQ(b.a().auswahl, 0);

    b.logik().filterSetzen(QStringLiteral("aNn"));
    EXPECT_EQ(b.spalte(&Rennzeile::fahrer), QStringList{"Anna – Bernd"});
    b.logik().filterSetzen(QStringLiteral("Zoe"));
    EXPECT_TRUE(b.a().zeilen.empty());
    EXPECT_EQ(b.a().auswahl, -1);
    EXPECT_EQ(b.a().leertext, "Kein Rennen mit einem Fahrer „Zoe“.");
    b.logik().oeffnen(); // nothing chosen: nothing happens
    EXPECT_EQ(b.a().seite, Seite::Liste);
    EXPECT_TRUE(b.logik().zurueck()) << "Esc clears the filter first";
    EXPECT_EQ(b.a().zeilen.size(), 2u);
    EXPECT_FALSE(b.logik().zurueck()) << "then closes";
}

TEST(VerlaufLogik, RennenUndFahrerSeiteMitDiagrammUndZurueck) {
    Fensterbahn b;
    b.a();
    b.logik().auswahlSetzen(1);
    b.logik().oeffnen();
    ASSERT_EQ(b.a().seite, Seite::Rennen);
    EXPECT_EQ(b.a().ueberschrift, "Rennen 1 vom 30.04.2026 20:00");
    EXPECT_EQ(
        b.a().angaben,
        (QStringList{"Rennen über 2 Runden à 5 m, Prellzeit 2 s, Signale: Sensoren", "Sieger: Anna",
                     "Spur 1 – Anna: Gesamt 5,500 s, Schnitt 1,818 m/s, beste Runde 2,500 s "
                     "(Runde 2)",
                     "Spur 2 – Bernd: Gesamt 8,000 s, Schnitt 1,250 m/s, beste Runde 4,000 s "
                     "(Runde 1), 1 Runde von Hand"}));
    const std::vector<Kurve>& k = b.a().diagramm.kurven;
    ASSERT_EQ(k.size(), 2u);
    EXPECT_EQ(k[1].name, "Spur 2: Bernd");
    EXPECT_EQ(k[1].punkte, (std::vector<QPointF>{{1, 4}, {2, 4}}));
    EXPECT_EQ(k[0].bestzeiten, std::vector<QPointF>{QPointF(2, 2.5)});
    EXPECT_EQ(k[1].handrunden, std::vector<QPointF>{QPointF(2, 4)});
    EXPECT_EQ(k[0].farbe, Farben::Hellgrau) << "the lanes' colours differ: kept";

    b.logik().fahrerOeffnen(2);
    ASSERT_EQ(b.a().seite, Seite::Fahrer);
    EXPECT_EQ(b.a().ueberschrift, "Bernd");
    EXPECT_EQ(b.a().angaben, (QStringList{"Rennen: 2 (davon 1 abgebrochen)", "Siege: 0",
                                          "Beste Runde: 3,000 s am 02.05.2026 im Rennen 2",
                                          "Bester Schnitt: 1,667 m/s am 02.05.2026 im Rennen 2"}))
        << "home before the Stop: a whole race's average";
    ASSERT_EQ(b.a().diagramm.kurven.size(), 1u);
    EXPECT_TRUE(b.a().diagramm.tage);
    EXPECT_EQ(b.a().diagramm.kurven[0].punkte.size(), 2u) << "one point a day";
    EXPECT_TRUE(b.a().tasten.startsWith("Entf: alle Rennen von Bernd löschen"));

    EXPECT_TRUE(b.logik().zurueck());
    EXPECT_EQ(b.a().seite, Seite::Rennen) << "back where the driver was opened";
    EXPECT_TRUE(b.logik().zurueck());
    EXPECT_EQ(b.a().seite, Seite::Liste);
}

TEST(VerlaufLogik, SpurwechselHatVierLinienInDenFarbenDerZweiFahrer) {
    Rennaufzeichnung r = rennen(QStringLiteral("Anna"), {3, 3}, QStringLiteral("Bernd"), {4, 4});
    r.laeufe[0][2].farbe = 0x00FFFF;
    // Stored as the lanes had them: the second heat's colours follow the lanes.
    r.laeufe.push_back({fahrt(QStringLiteral("Bernd"), {3, 3}),
                        fahrt(QStringLiteral("Anna"), {4, 4}, true, 0x00FFFF)});
    VerlaufAnsicht a;
    rennseiteFuellen(a, {7, r});
    const std::vector<Kurve>& k = a.diagramm.kurven;
    ASSERT_EQ(k.size(), 4u);
    EXPECT_EQ((std::vector{k[0].farbe, k[1].farbe, k[2].farbe, k[3].farbe}),
              (std::vector<std::optional<Farbe>>{Farben::Hellgrau, 0x00FFFF, 0x00FFFF,
                                                 Farben::Hellgrau}));
    EXPECT_TRUE(k[2].gestrichelt && !k[1].gestrichelt) << "the second heat dashed";

    // Drivers of one colour: a pair of the chart's, still one per driver.
    r.laeufe[0][2].farbe = Farben::Hellgrau;
    rennseiteFuellen(a, {7, r});
    EXPECT_TRUE(k[0].farbe && k[0].farbe != k[1].farbe && k[0].farbe == k[3].farbe &&
                k[1].farbe == k[2].farbe);
}

TEST(VerlaufLogik, LoeschenNurNachJaUndExportDesGezeigtenRennens) {
    Fensterbahn b;
    b.dialoge.fragenAntworten = {false, true};
    b.a();
    b.logik().loeschen();
    EXPECT_EQ(b.a().zeilen.size(), 2u) << "cancelled";
    b.logik().loeschen();
    ASSERT_EQ(b.dialoge.meldungen.size(), 2u);
    EXPECT_EQ(b.dialoge.meldungen[1].text,
              "Rennen 2 vom 02.05.2026 09:15 (Cleo – Bernd) löschen? Das lässt sich nicht "
              "rückgängig machen.");
    EXPECT_EQ(b.dialoge.meldungen[1].titel, "Rennverlauf");
    ASSERT_EQ(b.a().zeilen.size(), 1u);

    b.logik().oeffnen();
    EXPECT_EQ(b.a().seite, Seite::Rennen);
    EXPECT_EQ(b.logik().exportvorschlag(), QDir(b.ordner.path()).filePath("rennen-1.csv"));
    b.logik().exportieren(b.logik().exportvorschlag());
    EXPECT_EQ(b.a().hinweis,
              "Rennen 1 exportiert nach " + QDir::toNativeSeparators(b.logik().exportvorschlag()));
    EXPECT_TRUE(QFile::exists(b.logik().exportvorschlag()));

    b.logik().fahrerOeffnen(1);
    EXPECT_EQ(b.a().seite, Seite::Fahrer);
    b.dialoge.fragenAntworten = {true};
    b.logik().loeschen();
    EXPECT_EQ(b.dialoge.meldungen.back().text,
              "Alle Rennen von Anna löschen? Das lässt sich nicht rückgängig machen.");
    EXPECT_EQ(b.a().seite, Seite::Liste);
    EXPECT_TRUE(b.a().zeilen.empty());
    EXPECT_EQ(b.a().leertext, "Noch keine Rennen gespeichert.");
}

TEST(VerlaufLogik, NeuereDatenbankWirdNurGezeigtUndKeineDatenbankIstEineLeereListe) {
    Fensterbahn b;
    {
        Verlaufsdatenbank db(b.pfad);
        ASSERT_TRUE(db.vorbereiten().beschreibbar);
        QSqlQuery(db.db()).exec(QStringLiteral("PRAGMA user_version = 9"));
    }
    b.dialoge.fragenAntworten = {true};
    b.a();
    b.logik().loeschen();
    EXPECT_EQ(b.a().zeilen.size(), 2u);
    EXPECT_TRUE(b.a().hinweis.startsWith("Die Renndatenbank stammt aus einer neueren Version"));
    ASSERT_EQ(b.dialoge.meldungen.size(), 1u);
    EXPECT_EQ(b.dialoge.meldungen[0].text, "Die Renndatenbank stammt aus einer neueren Version "
                                           "von Rundomat und wird nicht verändert.");

    Verlaufsordner leer;
    Verlaufsleser keine(leer.pfad);
    VerlaufLogik logik(keine, b.dialoge, leer.ordner.path());
    keine.abwarten();
    QCoreApplication::processEvents();
    EXPECT_TRUE(logik.ansicht().zeilen.empty());
    EXPECT_EQ(logik.ansicht().leertext, "Noch keine Rennen gespeichert.");
    EXPECT_TRUE(logik.ansicht().hinweis.isEmpty());
    EXPECT_TRUE(leer.dateien().isEmpty()) << "looking creates no database";
}

// The race's page names the suspicious laps of each lane and marks them on its chart.
TEST(VerlaufLogik, RennseiteZeigtVerdaechtigeRunden) {
    VerlaufAnsicht a;
    const Rennaufzeichnung r =
        rennen(QStringLiteral("Anna"), {4, 4, 1.9, 4, 9, 1, 4.1}, QStringLiteral("Bernd"), {4, 1});
    rennseiteFuellen(a, {7, r});
    ASSERT_EQ(a.angaben.size(), 4);
    EXPECT_TRUE(a.angaben[2].endsWith(", doppelt? Runden 3, 6, verpasst? Runde 5"))
        << a.angaben[2].toStdString();
    EXPECT_FALSE(a.angaben[3].contains(QStringLiteral("?"))) << "two laps are too few to judge";
    const Kurve& k = a.diagramm.kurven[0];
    EXPECT_EQ(k.doppelt, (std::vector<QPointF>{{3, 1.9}, {6, 1}}));
    EXPECT_EQ(k.verpasst, std::vector<QPointF>{QPointF(5, 9)});
}

// P judges a race again from its raw signals. A Prellzeit below 0,1 s would take every
// contact bounce for a lap of a millisecond, which Enter would store: it is refused as any
// other entry that is no Prellzeit, and the page stays as it was.
TEST(VerlaufLogik, NeuBewertenVerweigertEinePrellzeitUnterEinerZehntelsekunde) {
    Fensterbahn b;
    Rennaufzeichnung r = rennen(QStringLiteral("Anna"), {3, 2.5}, QStringLiteral("Bernd"), {4, 4},
                                QStringLiteral("2026-05-03T20:00:00+02:00"));
    r.rohsignale = {{{1, 0},
                     {2, 0},
                     {1, 3'000'000},
                     {1, 3'000'400},
                     {2, 4'000'000},
                     {1, 5'500'000},
                     {1, 5'500'300},
                     {2, 8'000'000}}};
    {
        Verlaufsdatenbank db(b.pfad);
        ASSERT_TRUE(db.vorbereiten().beschreibbar);
        ASSERT_EQ(Verlaufsspeicher(db).speichern(r), std::nullopt);
    }
    b.a();
    b.logik().oeffnen();
    ASSERT_EQ(b.a().ueberschrift, "Rennen 3 vom 03.05.2026 20:00");
    const QStringList seite = b.a().angaben;
    for (const QString& eingabe : {QStringLiteral("0"), QStringLiteral("0,05"),
                                   QStringLiteral("-1"), QStringLiteral("viel")}) {
        b.dialoge.eingabeAntworten = {eingabe};
        b.logik().neuBewerten();
        ASSERT_FALSE(b.dialoge.meldungen.empty()) << eingabe.toStdString();
        EXPECT_EQ(b.dialoge.meldungen.back().text,
                  "„" + eingabe + "“ ist keine Prellzeit zwischen 0,1 und 60 Sekunden.");
        EXPECT_EQ(b.a().angaben, seite) << eingabe.toStdString();
    }
    b.dialoge.eingabeAntworten = {QStringLiteral("0,1")};
    const std::size_t meldungen = b.dialoge.meldungen.size();
    b.logik().neuBewerten();
    EXPECT_EQ(b.dialoge.meldungen.size(), meldungen);
    EXPECT_TRUE(b.a().angaben.filter(QStringLiteral("Neu bewertet mit Prellzeit 0,1 s: ")).size() ==
                1)
        << b.a().angaben.join(QLatin1Char('\n')).toStdString();
}
