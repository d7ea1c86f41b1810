// A stored race corrected through the race itself: the same race again from its crossings,
// a missed crossing inserted that turns the result round, undone, and a crossing deleted
// that leaves a lane short of the finish; a sensor race judged again from its raw signals.
#include "Korrektur.h"
#include "Rennbahn.h"
#include "Rennmitschrift.h"
#include "Rennseite.h"
#include "Rohsignalformat.h"
#include "Verlaufsabfragen.h"
#include "Verlaufsspeicher.h"
#include "Verlaufstest.h"

#include <gtest/gtest.h>

namespace {
// The test track with Anna and Bernd, its races written down as the history keeps them.
struct Nachrechnungsbahn : Rennbahn {
    Nachrechnungsbahn() {
        rennen.beobachterAnmelden(mitschrift);
        rennen.fahrerBenennen(1, QStringLiteral("Anna"));
        rennen.fahrerBenennen(2, QStringLiteral("Bernd"));
    }
    Ablageliste ablage;
    Rennmitschrift mitschrift{ablage, [] { return Signalquelle::Sensoren; },
                              [] {
                                  return QDateTime::fromString(
                                      QStringLiteral("2026-05-01T20:00:00+02:00"), Qt::ISODate);
                              }};
};

// A lane-change race over 3 laps driven on the test track: Anna drives lane 1, then lane 2,
// where her sensor misses the crossing after 10 s.
Rennaufzeichnung spurwechselrennen() {
    Nachrechnungsbahn b;
    b.einstellen([](Renneinstellungen& e) {
        e.rundenzahl = 3;
        e.spurwechsel = true;
    });
    const auto lauf = [&](std::vector<double> spur1, std::vector<double> spur2) {
        b.starten();
        b.signal(1, 0.1);
        b.signal(2, 0.1);
        std::vector<std::pair<double, int>> folge;
        for (auto [spur, runden] : {std::pair{1, spur1}, std::pair{2, spur2}}) {
            double t = 0;
            for (double r : runden)
                folge.emplace_back(t += r, spur);
        }
        std::sort(folge.begin(), folge.end());
        for (auto [t, spur] : folge)
            b.signal(spur, t);
    };
    lauf({4, 4, 4}, {5, 5, 5.2});
    lauf({4, 4, 4}, {5, 10, 5}); // Bernd on lane 1, Anna on lane 2
    EXPECT_EQ(b.ablage.rennen.size(), 1u);
    return b.ablage.rennen.at(0);
}

// A lane-change race over 2 laps from the lap sensors, Prellzeit 0.3 s: both cars cross every
// `runde1` seconds in the first heat and every `runde2` in the second, Bernd a little later
// each lap.
Rennaufzeichnung sensorspurwechsel(double runde1, double runde2) {
    Nachrechnungsbahn b;
    b.einstellen([](Renneinstellungen& e) {
        e.rundenzahl = 2;
        e.spurwechsel = true;
        e.prellzeit = 0.3;
    });
    for (int lauf = 0; lauf < 2; ++lauf) {
        b.starten();
        const int bernd = lauf == 0 ? 2 : 1;
        for (int i = 0; i <= 2; ++i)
            for (int spur = 1; spur <= 2; ++spur) {
                b.bei(0.1 + i * (lauf == 0 ? runde1 : runde2) + (spur == bernd ? 0.05 * i : 0));
                const double zeit = b.rennen.signalzeit(b.uhr.stand);
                if (b.rennen.signalPruefen(spur, zeit) == Signalausgang::Angenommen)
                    b.rennen.rundensignal(spur, zeit, Signalweg::Leitungen);
            }
    }
    EXPECT_EQ(b.ablage.rennen.size(), 1u);
    return b.ablage.rennen.at(0);
}
} // namespace

TEST(Nachrechnung, KorrekturenRechnenDasRennenMitDemRennenSelbstNeu) {
    const Rennaufzeichnung gespeichert = spurwechselrennen();
    ASSERT_EQ(gespeichert.laeufe.size(), 2u);
    ASSERT_EQ(gespeichert.sieger, "Bernd") << "Anna 12 + 20 s, Bernd 15.2 + 12 s";

    // Driven again unchanged, the race is the race as stored.
    const Rennaufzeichnung gleich = Nachrechnung(gespeichert, durchfahrten(gespeichert)).ergebnis();
    for (std::size_t lauf = 0; lauf < 2; ++lauf)
        for (int spur = 1; spur <= 2; ++spur) {
            const Spurfahrt& a = gespeichert.laeufe[lauf][spur];
            const Spurfahrt& b = gleich.laeufe[lauf][spur];
            EXPECT_EQ(rundenzeitenVon(b), rundenzeitenVon(a));
            EXPECT_EQ(b.fahrer, a.fahrer);
            EXPECT_EQ(b.gesamtzeit, a.gesamtzeit);
            EXPECT_EQ(b.schnitt, a.schnitt);
        }
    EXPECT_EQ(gleich.sieger, gespeichert.sieger);

    // Anna's missed crossing inserted at her median lap: she is home at 15 s in the second
    // heat, her last crossing comes after her finish, and she wins on the total.
    Korrektur k(gespeichert);
    k.spurWechseln(3); // heat 2, lane 2
    k.rundeWechseln(1);
    ASSERT_EQ(k.ortText(), "Runde 2, Lauf 2, Spur 2");
    ASSERT_EQ(k.einfuegen(), std::nullopt);
    const Rennaufzeichnung& korrigiert = k.rennen();
    EXPECT_EQ(rundenzeitenVon(korrigiert.laeufe[1][2]), (std::vector<double>{5, 5, 5}));
    EXPECT_EQ(korrigiert.laeufe[1][2].gesamtzeit, 15);
    EXPECT_EQ(korrigiert.sieger, "Anna");
    EXPECT_FALSE(korrigiert.abgebrochen);
    EXPECT_EQ(korrigiert.laeufe[0][1].gesamtzeit, gespeichert.laeufe[0][1].gesamtzeit)
        << "the first heat stays as it was";
    const std::vector<Rundenhinweis> hinweise =
        korrigiert.laeufe[1][2].hinweise(korrigiert.originalfahrt(1, 2));
    EXPECT_EQ(hinweise,
              (std::vector<Rundenhinweis>{Rundenhinweis::Keiner, Rundenhinweis::Korrigiert,
                                          Rundenhinweis::Korrigiert}));
    EXPECT_EQ(k.rennmodell().ergebnis().gesamt(2).gesamt.zeit, 27) << "the result window's total";

    ASSERT_TRUE(k.rueckgaengig());
    EXPECT_EQ(k.rennen().sieger, "Bernd");
    EXPECT_FALSE(k.rennen().korrigiert());
    EXPECT_FALSE(k.rueckgaengig());

    // A time typed outside the lap is refused; deleting the crossing at the end of lap 2
    // leaves Anna two laps, short of the finish: Bernd, home in both heats, wins.
    EXPECT_EQ(k.einfuegen(10.0), "Die Zeit liegt nicht innerhalb von Runde 2, Lauf 2, Spur 2.");
    ASSERT_EQ(k.loeschen(), std::nullopt);
    EXPECT_EQ(rundenzeitenVon(k.rennen().laeufe[1][2]), (std::vector<double>{5, 15}));
    EXPECT_FALSE(k.rennen().abgebrochen);
    EXPECT_EQ(k.rennen().laeufe[1][2].gesamtzeit, std::nullopt);
    EXPECT_EQ(k.rennen().laeufe[1][1].gesamtzeit, 12) << "Bernd keeps his finish";
    EXPECT_EQ(k.rennen().sieger, "Bernd");
}

// Anna wins a five-lap race by 5 s. A crossing of hers deleted leaves her four laps: her lane
// is not home, Bernd's is, as in the race, and he is the first home, so he wins; the race is
// no stopped one. The race model says the same.
TEST(Nachrechnung, EineSpurOhneZielLaesstDerAnderenIhrenSieg) {
    Nachrechnungsbahn b;
    b.einstellen([](Renneinstellungen& e) { e.rundenzahl = 5; });
    b.starten();
    b.signal(1, 0.1);
    b.signal(2, 0.1);
    for (int runde = 1; runde <= 5; ++runde) {
        b.signal(1, 8.0 * runde);
        b.signal(2, runde < 5 ? 9.1 * runde : 45.577);
    }
    ASSERT_EQ(b.ablage.rennen.size(), 1u);
    const Rennaufzeichnung gespeichert = b.ablage.rennen[0];
    ASSERT_EQ(gespeichert.sieger, "Anna");

    Korrektur k(gespeichert);
    k.rundeWechseln(1);
    ASSERT_EQ(k.ortText(), "Runde 2, Spur 1");
    ASSERT_EQ(k.loeschen(), std::nullopt);
    const Rennaufzeichnung& r = k.rennen();
    EXPECT_EQ(rundenzeitenVon(r.laeufe[0][1]), (std::vector<double>{8, 16, 8, 8}));
    EXPECT_EQ(r.laeufe[0][1].gesamtzeit, std::nullopt);
    EXPECT_EQ(r.laeufe[0][2].gesamtzeit, 45.577);
    EXPECT_EQ(r.sieger, "Bernd");
    EXPECT_FALSE(r.abgebrochen);
    VerlaufAnsicht a;
    rennseiteFuellen(a, {1, r});
    EXPECT_EQ(a.angaben.value(1), "Sieger: Bernd – korrigiert, das Original ist gespeichert");
    EXPECT_TRUE(a.angaben.value(2).startsWith("Spur 1 – Anna: nicht im Ziel"))
        << a.angaben.value(2).toStdString();
    EXPECT_TRUE(a.angaben.value(3).startsWith("Spur 2 – Bernd: Gesamt 45,577 s"))
        << a.angaben.value(3).toStdString();
    const Rennstand& stand = k.rennmodell().stand();
    EXPECT_EQ(stand.rennsieger, 2);
    EXPECT_EQ(stand.zieleinlauf, std::vector<int>{2});
}

// A correction that leaves nobody home ends the race with Stop: that is the correction's
// outcome, not the racer's. Stored, read back and corrected again so that Bernd is home, the
// race finishes with his win.
TEST(Nachrechnung, EineKorrekturOhneZieleinlaufStopptDasRennenNichtFuerImmer) {
    Nachrechnungsbahn b;
    b.einstellen([](Renneinstellungen& e) { e.rundenzahl = 3; });
    b.starten();
    b.signal(1, 0.1);
    b.signal(2, 0.1);
    for (int runde = 1; runde <= 3; ++runde) {
        b.signal(1, 8.0 * runde);
        b.signal(2, 9.0 * runde);
    }
    ASSERT_EQ(b.ablage.rennen.size(), 1u);
    const Rennaufzeichnung gespeichert = b.ablage.rennen[0];

    Korrektur keinerImZiel(gespeichert); // both lanes lose the crossing after lap 2
    keinerImZiel.rundeWechseln(1);
    ASSERT_EQ(keinerImZiel.loeschen(), std::nullopt);
    keinerImZiel.spurWechseln(1);
    ASSERT_EQ(keinerImZiel.loeschen(), std::nullopt);
    ASSERT_TRUE(keinerImZiel.rennen().abgebrochen);
    Verlaufsordner o;
    Verlaufsdatenbank db(o.pfad);
    ASSERT_TRUE(db.vorbereiten().beschreibbar);
    ASSERT_EQ(Verlaufsspeicher(db).speichern(gespeichert), std::nullopt);
    ASSERT_EQ(Verlaufsspeicher(db).korrigieren(1, gespeichert, keinerImZiel.rennen()),
              std::nullopt);

    Korrektur berndImZiel(*Verlaufsabfragen(db).rennen(1));
    berndImZiel.spurWechseln(1);
    berndImZiel.rundeWechseln(1);
    ASSERT_EQ(berndImZiel.einfuegen(9.0), std::nullopt);
    const Rennaufzeichnung& r = berndImZiel.rennen();
    EXPECT_EQ(rundenzeitenVon(r.laeufe[0][2]), (std::vector<double>{9, 9, 9}));
    EXPECT_FALSE(r.abgebrochen);
    EXPECT_EQ(r.sieger, "Bernd");
}

// A lane-change race whose first heat loses a crossing of Anna's keeps its second heat, as
// driven: the drivers swap lanes, Bernd is home in both and wins. A race the racer stopped
// stays stopped whatever is corrected in it.
TEST(Nachrechnung, EinLaufOhneZielBleibtEinLauf) {
    const Rennaufzeichnung gespeichert = spurwechselrennen();
    Korrektur k(gespeichert);
    ASSERT_EQ(k.ortText(), "Runde 1, Lauf 1, Spur 1");
    ASSERT_EQ(k.loeschen(), std::nullopt);
    const Rennaufzeichnung& r = k.rennen();
    ASSERT_EQ(r.laeufe.size(), 2u);
    EXPECT_EQ(rundenzeitenVon(r.laeufe[0][1]), (std::vector<double>{8, 4}));
    EXPECT_EQ(r.laeufe[0][1].gesamtzeit, std::nullopt);
    EXPECT_EQ(r.laeufe[1][1].fahrer, "Bernd");
    EXPECT_EQ(rundenzeitenVon(r.laeufe[1][2]), rundenzeitenVon(gespeichert.laeufe[1][2]))
        << "heat 2 as driven";
    EXPECT_EQ(r.laeufe[1][2].gesamtzeit, gespeichert.laeufe[1][2].gesamtzeit);
    EXPECT_EQ(r.sieger, "Bernd");
    EXPECT_FALSE(r.abgebrochen);

    Rennaufzeichnung gestoppt = gespeichert;
    gestoppt.abgebrochen = true;
    gestoppt.sieger.reset();
    gestoppt.laeufe[1][1] = fahrt(QStringLiteral("Bernd"), {4, 4}, false);
    Korrektur g(gestoppt);
    g.spurWechseln(3);
    ASSERT_EQ(g.einfuegen(), std::nullopt);
    EXPECT_TRUE(g.rennen().abgebrochen);
    EXPECT_EQ(g.rennen().sieger, std::nullopt);
    EXPECT_EQ(g.rennen().laeufe.size(), 2u);
}

// Bernd's contact bounces once for half a second, longer than the Prellzeit of 0.3 s: the
// bounce made a lap and Bernd was home after 8.4 s. Stored with every edge, the race judged
// again with 1 s gives Bernd his true laps and time; with 0.3 s it is the race as it was.
TEST(Nachrechnung, RohsignaleWerdenGespeichertUndMitAndererPrellzeitNeuBewertet) {
    Nachrechnungsbahn b;
    b.einstellen([](Renneinstellungen& e) {
        e.rundenzahl = 3;
        e.prellzeit = 0.3;
    });
    b.starten();
    std::vector<std::pair<double, int>> kanten;
    for (double t : {0.1, 4.3, 8.6, 12.9})
        for (double prellen : {0.0, 0.02, 0.04})
            kanten.emplace_back(t + prellen, 1);
    for (double t : {0.1, 4.2, 4.7, 8.4, 12.6})
        kanten.emplace_back(t, 2);
    std::sort(kanten.begin(), kanten.end());
    for (auto [t, spur] : kanten) {
        b.bei(t);
        const double zeit = b.rennen.signalzeit(b.uhr.stand);
        if (b.rennen.signalPruefen(spur, zeit) == Signalausgang::Angenommen)
            b.rennen.rundensignal(spur, zeit, Signalweg::Leitungen);
    }
    ASSERT_EQ(b.ablage.rennen.size(), 1u);
    ASSERT_EQ(rundenzeitenVon(b.ablage.rennen[0].laeufe[0][2]),
              (std::vector<double>{4.2, 0.5, 3.7}));
    ASSERT_EQ(b.ablage.rennen[0].laeufe[0][2].gesamtzeit, 8.4);

    Verlaufsordner o;
    Verlaufsdatenbank db(o.pfad);
    ASSERT_TRUE(db.vorbereiten().beschreibbar);
    ASSERT_EQ(Verlaufsspeicher(db).speichern(b.ablage.rennen[0]), std::nullopt);
    Verlaufsabfragen abfragen(db);
    const std::optional<Rennaufzeichnung> gelesen = abfragen.rennen(1);
    ASSERT_TRUE(gelesen);
    ASSERT_EQ(gelesen->rohsignale.size(), 1u);
    EXPECT_EQ(gelesen->rohsignale, b.ablage.rennen[0].rohsignale);
    EXPECT_GE(gelesen->rohsignale[0].size(), 14u) << "bounces and all, up to the finish";

    const Rennaufzeichnung neu = Nachrechnung(*gelesen, 1.0).ergebnis();
    EXPECT_EQ(rundenzeitenVon(neu.laeufe[0][2]), (std::vector<double>{4.2, 4.2, 4.2}));
    EXPECT_EQ(neu.laeufe[0][2].gesamtzeit, 12.6);
    EXPECT_EQ(rundenzeitenVon(neu.laeufe[0][1]), (std::vector<double>{4.3, 4.3, 4.3}));
    EXPECT_EQ(neu.sieger, "Bernd");
    EXPECT_FALSE(neu.abgebrochen);
    EXPECT_EQ(neu.prellzeit, 1.0);
    EXPECT_EQ(neu.rohsignale, gelesen->rohsignale) << "the signals stay as they came";
    const Rennaufzeichnung gleich = Nachrechnung(*gelesen, 0.3).ergebnis();
    EXPECT_EQ(rundenzeitenVon(gleich.laeufe[0][2]), rundenzeitenVon(gelesen->laeufe[0][2]));
    EXPECT_EQ(gleich.laeufe[0][2].gesamtzeit, 8.4);

    // Bytes that are not such a record read as none, never as other signals.
    const QByteArray bytes = rohsignaleKodieren(gelesen->rohsignale);
    EXPECT_EQ(rohsignaleLesen(bytes), gelesen->rohsignale);
    EXPECT_EQ(rohsignaleLesen(bytes.left(bytes.size() - 1)), std::nullopt);
    EXPECT_EQ(rohsignaleLesen(bytes + '\x01'), std::nullopt);
    // Nor is a signal years after the green light one: its time would overflow on the way.
    EXPECT_EQ(rohsignaleLesen(rohsignaleKodieren({{{1, 0}, {2, GroessteSignalzeit + 1}}})),
              std::nullopt);
}

// Judged with another Prellzeit, a heat that counts no lap is forgotten as the race forgot it
// when driven, and no heat after it is taken for it; its signals stay, so that judged again
// with the Prellzeit before the race is the race as it was.
TEST(Nachrechnung, EinLaufOhneRundeBehaeltSeineSignale) {
    const Rennaufzeichnung gespeichert = sensorspurwechsel(5, 1);
    ASSERT_EQ(gespeichert.laeufe.size(), 2u);
    ASSERT_EQ(gespeichert.sieger, "Anna");

    const Rennaufzeichnung neu = Nachrechnung(gespeichert, 3.0).ergebnis();
    ASSERT_EQ(neu.laeufe.size(), 1u) << "the second heat's crossings 1 s apart are bounces now";
    EXPECT_EQ(rundenzeitenVon(neu.laeufe[0][1]), rundenzeitenVon(gespeichert.laeufe[0][1]));
    EXPECT_TRUE(neu.abgebrochen);
    EXPECT_EQ(neu.rohsignale, gespeichert.rohsignale);
    const Rennaufzeichnung zurueck = Nachrechnung(neu, 0.3).ergebnis();
    ASSERT_EQ(zurueck.laeufe.size(), 2u);
    EXPECT_EQ(rundenzeitenVon(zurueck.laeufe[1][2]), rundenzeitenVon(gespeichert.laeufe[1][2]));
    EXPECT_EQ(zurueck.sieger, "Anna");

    // Without a lap in its first heat the race has none: its second heat is no first one.
    EXPECT_TRUE(Nachrechnung(sensorspurwechsel(1, 5), 3.0).ergebnis().laeufe.empty());
}
