#include "Rennseite.h"

#include "Korrektur.h"
#include "Neubewertung.h"
#include "QtAusgabe.h"
#include "Verlaufstest.h"

TEST(Rennseite, SpurwechselHatVierLinienInDenFarbenDerZweiFahrer) {
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

// The race's page names the suspicious laps of each lane and marks them on its chart.
TEST(Rennseite, RennseiteZeigtVerdaechtigeRunden) {
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

// The race judged again stands under the race as it is: first who would win, then lane by
// lane the laps before and after, so the racer sees what Enter would store.
TEST(Rennseite, NeuBewertetStehtZeileFuerZeileNebenDemRennen) {
    const Rennaufzeichnung r =
        rennen(QStringLiteral("Anna"), {3, 2.5}, QStringLiteral("Bernd"), {4, 4});
    Neubewertung neu{2.6, rennen(QStringLiteral("Anna"), {5.5}, QStringLiteral("Bernd"), {4, 4})};
    neu.rennen.sieger = QStringLiteral("Bernd");
    VerlaufAnsicht a;
    rennseiteFuellen(a, {7, r, nullptr, &neu});
    EXPECT_EQ(a.angaben.mid(4),
              (QStringList{"Neu bewertet mit Prellzeit 2,6 s: Sieger Bernd, bisher (2 s): Sieger "
                           "Anna",
                           "Spur 1 bisher (2 s) 2 Runden: 3,000 2,500",
                           "Spur 1 mit Prellzeit 2,6 s: 1 Runden: 5,500",
                           "Spur 2 bisher (2 s) 2 Runden: 4,000 4,000",
                           "Spur 2 mit Prellzeit 2,6 s: 2 Runden: 4,000 4,000"}));
    EXPECT_EQ(a.diagramm.kurven.size(), 2u) << "the chart stays the race's";

    // A correction's cursor follows the race's figures; nothing else is added.
    Korrektur k(r);
    rennseiteFuellen(a, {7, r, &k, nullptr});
    EXPECT_EQ(a.angaben.mid(4), k.zeilen());
    EXPECT_FALSE(k.zeilen().isEmpty());
}
