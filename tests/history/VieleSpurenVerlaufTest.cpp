// Races of four and eight lanes through the history: written down by the race's listener,
// stored, read back, listed, exported as CSV and JSON, kept waiting and stored at the next
// start, judged again from their raw signals, and corrected on lane 3; every lane all the way.
#include "Korrektur.h"
#include "Rennbahn.h"
#include "Rennjson.h"
#include "Rennmitschrift.h"
#include "Rennseite.h"
#include "Rennwarteschlange.h"
#include "Rohsignalformat.h"
#include "Verlaufsabfragen.h"
#include "Verlaufsexport.h"
#include "Verlaufsspeicher.h"
#include "Verlaufstest.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <gtest/gtest.h>

namespace {
const QStringList Namen{QStringLiteral("Anna"), QStringLiteral("Bernd"), QStringLiteral("Cleo"),
                        QStringLiteral("Dora"), QStringLiteral("Ede"),   QStringLiteral("Fritz"),
                        QStringLiteral("Gina"), QStringLiteral("Hugo")};

Farbe farbeVon(int spur) {
    return Farbe(0x101010u * unsigned(spur));
}

// A race of three laps from the lap sensors on a track of `spuren` lanes, Prellzeit 0.3 s:
// lane s laps every 4 + 0.1 s seconds, lane 3's sensor also fires 0.5 s after its first
// lap, which counts as a lap of its own and brings it home first.
Rennaufzeichnung sensorrennen(int spuren) {
    Rennbahn b;
    Ablageliste ablage;
    Rennmitschrift mitschrift{ablage, [] { return Signalquelle::Platine; },
                              [] {
                                  return QDateTime::fromString(
                                      QStringLiteral("2026-05-01T20:00:00+02:00"), Qt::ISODate);
                              }};
    b.rennen.beobachterAnmelden(mitschrift);
    b.einstellen([&](Renneinstellungen& e) {
        e.spuranzahl = spuren;
        e.rundenzahl = 3;
        e.prellzeit = 0.3;
    });
    for (int spur = 1; spur <= spuren; ++spur) {
        b.rennen.fahrerBenennen(spur, Namen[spur - 1]);
        b.rennen.fahrerfarbeSetzen(spur, farbeVon(spur));
    }
    b.starten();
    std::vector<std::pair<double, int>> kanten;
    for (int spur = 1; spur <= spuren; ++spur) {
        const double runde = 4 + 0.1 * spur;
        for (int i = 0; i <= 3; ++i)
            kanten.emplace_back(0.1 + i * runde, spur);
    }
    kanten.emplace_back(0.6 + 4.3, 3);
    std::sort(kanten.begin(), kanten.end());
    for (auto [t, spur] : kanten) {
        b.bei(t);
        const double zeit = b.rennen.signalzeit(b.uhr.stand);
        if (b.rennen.signalPruefen(spur, zeit) == Signalausgang::Angenommen)
            b.rennen.rundensignal(spur, zeit, Signalweg::Platine);
    }
    EXPECT_EQ(ablage.rennen.size(), 1u);
    return ablage.rennen.at(0);
}

QByteArray json(const Rennaufzeichnung& r) {
    return rennenAlsJson(std::nullopt, r);
}

// A data folder whose database and spool give back each race as it was, to the last figure.
struct Ablagen : Verlaufsordner {
    Ablagen() { EXPECT_TRUE(db.vorbereiten().beschreibbar); }

    // The race as the database gives it back, stored as the next number.
    Rennaufzeichnung durchAlle(const Rennaufzeichnung& r) {
        const std::optional<Rennaufzeichnung> ausJson =
            rennenAusJson(QJsonDocument::fromJson(json(r)).object());
        EXPECT_TRUE(ausJson && json(*ausJson) == json(r)) << "JSON";
        const Rennwarteschlange warteschlange(ordner.path());
        const QString datei = warteschlange.ablegen(r).datei;
        const std::vector<Rennwarteschlange::Eintrag> wartend = warteschlange.lesen();
        EXPECT_TRUE(wartend.size() == 1 && json(wartend[0].rennen) == json(r)) << "spool";
        Rennwarteschlange::entfernen(datei);
        EXPECT_EQ(Verlaufsspeicher(db).speichern(r), std::nullopt);
        const std::optional<Rennaufzeichnung> gelesen = abfragen.rennen(++gespeichert);
        EXPECT_TRUE(gelesen && json(*gelesen) == json(r)) << "database";
        return gelesen.value_or(Rennaufzeichnung{});
    }

    Verlaufsdatenbank db{pfad};
    Verlaufsabfragen abfragen{db};
    qint64 gespeichert = 0;
};
} // namespace

TEST(VieleSpurenVerlauf, JedeSpurWirdGespeichertGelesenExportiertUndKorrigiert) {
    for (int spuren : {4, 8}) {
        SCOPED_TRACE(spuren);
        const Rennaufzeichnung r = sensorrennen(spuren);
        ASSERT_EQ(r.laeufe.size(), 1u);
        ASSERT_EQ(r.spurenzahl(), spuren);
        EXPECT_EQ(r.sieger, "Cleo") << "home first with the lap counted twice";
        EXPECT_EQ(rundenzeitenVon(r.laeufe[0][3]), (std::vector<double>{4.4, 0.5, 3.8}));
        const Spurfahrt& letzte = r.laeufe[0][spuren];
        EXPECT_EQ(letzte.fahrer, Namen[spuren - 1]);
        EXPECT_EQ(letzte.farbe, farbeVon(spuren));
        EXPECT_EQ(letzte.runden.size(), 3u);
        EXPECT_DOUBLE_EQ(*letzte.gesamtzeit, 0.1 + 3 * (4 + 0.1 * spuren));
        ASSERT_EQ(r.rohsignale.size(), 1u);
        EXPECT_TRUE(std::any_of(r.rohsignale[0].begin(), r.rohsignale[0].end(),
                                [&](const Rohsignal& s) { return s.spur == spuren; }));

        // JSON, spool and database give back every lane and every signal; the list names
        // every driver.
        Ablagen o;
        const Rennaufzeichnung gelesen = o.durchAlle(r);
        EXPECT_EQ(gelesen.rohsignale, r.rohsignale);
        const QJsonArray spurenJson =
            QJsonDocument::fromJson(json(r))
                .object()[QStringLiteral("laeufe")][0][QStringLiteral("spuren")]
                .toArray();
        ASSERT_EQ(spurenJson.size(), spuren);
        EXPECT_EQ(spurenJson[spuren - 1][QStringLiteral("fahrer")], Namen[spuren - 1]);
        const std::vector<Rennkopf> liste = o.abfragen.rennliste();
        ASSERT_EQ(liste.size(), 1u);
        EXPECT_EQ(QStringList(liste[0].fahrer.begin(), liste[0].fahrer.end()),
                  Namen.mid(0, spuren));
        EXPECT_EQ(Verlaufsspeicher(o.db).speichern(r, true), std::nullopt);
        EXPECT_EQ(o.abfragen.rennliste().size(), 1u) << "the same race is stored once";

        // A row per lap of every lane in the CSV.
        const QString csv = QDir(o.ordner.path()).filePath(QStringLiteral("rennen.csv"));
        ASSERT_EQ(verlaufExportieren(csv, einRennen(1, gelesen)), std::nullopt);
        QFile datei(csv);
        ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
        const QByteArray text = datei.readAll();
        EXPECT_EQ(text.count('\n'), 1 + 3 * spuren);
        EXPECT_TRUE(text.contains(";1;" + QByteArray::number(spuren) + ";" +
                                  Namen[spuren - 1].toUtf8() + ";3;"))
            << text.toStdString();

        // Judged again with a longer Prellzeit, lane 3's extra signal is a bounce: Anna's
        // laps are now the fastest home.
        const Rennaufzeichnung neu = Nachrechnung(gelesen, 1.0).ergebnis();
        ASSERT_EQ(neu.spurenzahl(), spuren);
        EXPECT_EQ(rundenzeitenVon(neu.laeufe[0][3]), (std::vector<double>{4.4, 4.3, 4.3}));
        EXPECT_EQ(neu.sieger, "Anna");
        EXPECT_EQ(rundenzeitenVon(neu.laeufe[0][spuren]), rundenzeitenVon(letzte));

        // Corrected on lane 3: the double crossing deleted leaves lane 3 a lap short, and
        // the stored correction keeps the race as it was.
        Korrektur korrektur(gelesen);
        korrektur.spurWechseln(2);
        korrektur.rundeWechseln(1);
        ASSERT_EQ(korrektur.ortText(), "Runde 2, Spur 3");
        ASSERT_EQ(korrektur.loeschen(), std::nullopt);
        const Rennaufzeichnung& korrigiert = korrektur.rennen();
        EXPECT_EQ(rundenzeitenVon(korrigiert.laeufe[0][3]), (std::vector<double>{4.4, 4.3}));
        EXPECT_FALSE(korrigiert.laeufe[0][3].gesamtzeit);
        EXPECT_EQ(korrigiert.sieger, "Anna");
        EXPECT_EQ(korrigiert.laeufe[0][spuren].gesamtzeit, letzte.gesamtzeit);
        ASSERT_EQ(Verlaufsspeicher(o.db).korrigieren(1, gelesen, korrigiert), std::nullopt);
        const std::optional<Rennaufzeichnung> wieder = o.abfragen.rennen(1);
        ASSERT_TRUE(wieder && wieder->korrigiert());
        EXPECT_EQ(json(*wieder), json(korrigiert));
        ASSERT_EQ(wieder->original.at(0).anzahl(), spuren);
        EXPECT_EQ(rundenzeitenVon(wieder->original[0][3]), rundenzeitenVon(r.laeufe[0][3]));
        ASSERT_EQ(Verlaufsspeicher(o.db).wiederherstellen(1), std::nullopt);
        EXPECT_EQ(json(*o.abfragen.rennen(1)), json(r));

        // Its page: a line per lane and a curve per lane in the lane's colour.
        VerlaufAnsicht a;
        rennseiteFuellen(a, {1, gelesen});
        ASSERT_EQ(a.diagramm.kurven.size(), std::size_t(spuren));
        EXPECT_EQ(a.diagramm.kurven.back().farbe, farbeVon(spuren));
        EXPECT_TRUE(a.angaben.last().startsWith(QStringLiteral("Spur %1 – ").arg(spuren)));
    }
}

// Raw signals of lanes past the second take the long form, which reads back as it was; a
// two-lane race's bytes are those of the short form, and no long form passes for one.
TEST(VieleSpurenVerlauf, RohsignaleAllerSpurenInIhrerLangenForm) {
    const Rohsignale zwei{{{1, 100}, {2, 250}}, {{2, 90}}};
    EXPECT_EQ(rohsignaleKodieren(zwei), QByteArray::fromHex("02 02 9003 d904 01 e902"));
    const Rohsignale acht{{{8, 100}, {3, 50}, {1, 400}}};
    const QByteArray lang = rohsignaleKodieren(acht);
    EXPECT_EQ(lang[0], '\0');
    EXPECT_EQ(rohsignaleLesen(lang), acht);
    const Rohsignale vieleLaeufe(5, std::vector<Rohsignal>{{2, 7}});
    EXPECT_EQ(rohsignaleLesen(rohsignaleKodieren(vieleLaeufe)), vieleLaeufe);
    EXPECT_EQ(rohsignaleLesen(lang.left(lang.size() - 1)), std::nullopt);
    EXPECT_EQ(rohsignaleLesen(QByteArray::fromHex("00 09 00")), std::nullopt)
        << "more heats than lanes";
}

// A race of a heat on every lane for each driver, as four lanes give four heats: the JSON, the
// spool and the database keep every heat; a heat of another lane count is no such race.
TEST(VieleSpurenVerlauf, VierLaeufeAufVierSpurenBleibenVierLaeufe) {
    Rennaufzeichnung r = sensorrennen(4);
    r.art = Rennart::Spurwechsel;
    r.laeufe.assign(4, r.laeufe[0]);
    r.rohsignale.assign(4, r.rohsignale[0]);
    EXPECT_EQ(Ablagen().durchAlle(r).laeufe.size(), 4u);

    r.laeufe[3] = Spuren<Spurfahrt>::fuer(3, r.laeufe[0][1]);
    EXPECT_EQ(rennenAusJson(QJsonDocument::fromJson(json(r)).object()), std::nullopt);
}

// A free lane and the rule that the winner's finish ends the others' race are part of the
// race: stored, read back and kept waiting with it, and a race driven again from its
// crossings ends as it ended, the others home at their first crossing after the winner.
TEST(VieleSpurenVerlauf, FreieSpurUndEndeNachDemSiegerBleibenBeimRennen) {
    Rennbahn b;
    Ablageliste ablage;
    Rennmitschrift mitschrift{ablage, [] { return Signalquelle::Tastatur; },
                              [] {
                                  return QDateTime::fromString(
                                      QStringLiteral("2026-05-02T20:00:00+02:00"), Qt::ISODate);
                              }};
    b.rennen.beobachterAnmelden(mitschrift);
    b.einstellen([](Renneinstellungen& e) {
        e.spuranzahl = 4;
        e.rundenzahl = 3;
        e.freieSpuren = 0b10;
        e.nachSiegerBeenden = true;
    });
    b.starten();
    std::vector<std::pair<double, int>> signale{{1.0, 2}};
    for (auto [spur, runde] : {std::pair{1, 2.0}, {3, 3.0}, {4, 4.0}})
        for (int i = 0; i <= 3; ++i)
            signale.emplace_back(0.1 * spur + i * runde, spur);
    std::sort(signale.begin(), signale.end());
    for (auto [t, spur] : signale)
        b.signal(spur, t);
    ASSERT_EQ(ablage.rennen.size(), 1u);
    const Rennaufzeichnung r = ablage.rennen[0];
    EXPECT_TRUE(r.spurFrei(2) && !r.spurFrei(3));
    EXPECT_TRUE(r.nachSiegerBeenden);
    EXPECT_TRUE(r.laeufe[0][2].runden.empty());
    EXPECT_EQ(rundenzeitenVon(r.laeufe[0][3]), (std::vector<double>{3.3, 3.0}));
    EXPECT_EQ(r.laeufe[0][3].gesamtzeit, 6.3);

    EXPECT_TRUE(json(r).contains("\"freie_spuren\": [2], \"nach_sieger_beenden\": true"));
    const Rennaufzeichnung gelesen = Ablagen().durchAlle(r);

    const Rennaufzeichnung nochmal = Nachrechnung(gelesen, durchfahrten(gelesen)).ergebnis();
    EXPECT_EQ(nochmal.sieger, r.sieger);
    for (int spur = 1; spur <= 4; ++spur) {
        EXPECT_EQ(rundenzeitenVon(nochmal.laeufe[0][spur]), rundenzeitenVon(r.laeufe[0][spur]));
        EXPECT_EQ(nochmal.laeufe[0][spur].gesamtzeit, r.laeufe[0][spur].gesamtzeit) << spur;
    }

    VerlaufAnsicht a;
    rennseiteFuellen(a, {1, r});
    EXPECT_TRUE(a.angaben.contains(QStringLiteral("Spur 2: frei")));
    EXPECT_EQ(a.diagramm.kurven.size(), 3u);
}
