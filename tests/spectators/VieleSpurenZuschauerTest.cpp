// The spectators' standings of races of four and eight lanes, through the race model's test
// track: every lane with its position and gap while the cars run, the places and the
// winner the race's result gives once they are home, and the live page with a card for
// every lane.
#include "Seitenwerte.h"
#include "VieleSpurenBahn.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {
QString platzAusErgebnis(const Rennen& rennen, int spur) {
    return QStringLiteral("%1. Platz").arg(rennen.ergebnis().letzterLauf().spur(spur).platz);
}
} // namespace

// Four lanes over three laps, lane 3 the fastest. The gap is taken at the line: lane 2, a
// lap down in the count, crossed 1,2 s after the leader's crossing before.
TEST(VieleSpurenZuschauer, VierSpurenMitPositionAbstandUndPlatzAusDemErgebnis) {
    VieleSpurenBahn<> b(4);
    b.runden(3);
    b.rennen.fahrerBenennen(3, QStringLiteral("Clara"));
    ASSERT_EQ(b.ansicht().spuren.anzahl(), 4) << "the new count shows before the race";
    EXPECT_EQ(b.zs(4).name, "Fahrer 4");
    EXPECT_EQ(b.zs(4).gefahren, "0 / 3");

    b.starten();
    const double runde[] = {0, 2.0, 3.1, 1.8, 2.2};
    for (int spur = 1; spur <= 4; ++spur)
        b.signal(spur, 0.1 * spur);
    // Everyone's first lap, then lanes 3 and 1 a second one.
    for (int spur : {3, 1, 4, 2})
        b.signal(spur, 0.1 * spur + runde[spur]);
    b.signal(3, 0.3 + 2 * runde[3]);
    b.signal(1, 0.1 + 2 * runde[1]);
    EXPECT_EQ(b.spalte(&Zuschauerspur::position), (QStringList{"P2", "P4", "P1", "P3"}));
    EXPECT_EQ(b.spalte(&Zuschauerspur::abstand),
              (QStringList{"+0,200 s", "+1,200 s", "führt", "+0,500 s"}));
    EXPECT_EQ(b.zs(3).gefahren, "2 / 3");
    EXPECT_EQ(b.zs(3).zuFahren, "1");

    b.signal(4, 0.4 + 2 * runde[4]);
    b.signal(3, 0.3 + 3 * runde[3]);
    EXPECT_EQ(b.zs(3).vermerk, "1. Platz");
    b.signal(1, 0.1 + 3 * runde[1]);
    b.signal(2, 0.2 + 2 * runde[2]);
    b.signal(4, 0.4 + 3 * runde[4]);
    EXPECT_EQ(b.ansicht().ergebnis, "") << "lane 2 still drives";
    EXPECT_EQ(b.zs(4).vermerk, "3. Platz");
    b.signal(2, 0.2 + 3 * runde[2]);
    ASSERT_FALSE(b.rennen.stand().gestartet);
    for (int spur = 1; spur <= 4; ++spur) {
        EXPECT_EQ(b.zs(spur).vermerk, platzAusErgebnis(b.rennen, spur)) << spur;
        EXPECT_EQ(b.zs(spur).position, "") << "the places tell now";
    }
    EXPECT_EQ(b.ansicht().ergebnis, "Sieger: Clara");
    EXPECT_EQ(b.zs(2).gefahren, "3 / 3");
    EXPECT_EQ(b.ansicht().rennuhr, "0:09,5") << "the last car home stops the clock";

    // The page has a card for every lane and no more, and tells the count.
    const QString seite = QString::fromUtf8(seiteFuellen(seitenvorlage(), b.ansicht()));
    EXPECT_TRUE(seite.contains(QStringLiteral("<main data-spuren=\"4\">")));
    EXPECT_TRUE(seite.contains(QStringLiteral("id=\"s2-vermerk\" data-z=\"an\">4. Platz<")));
    EXPECT_TRUE(seite.contains(QStringLiteral(">Clara</h2>")));
    EXPECT_FALSE(seite.contains(QStringLiteral("s5-")));
    EXPECT_FALSE(seite.contains(QStringLiteral("SPUR")));
    const QJsonObject json = QJsonDocument::fromJson(seitenJson(b.ansicht())).object();
    EXPECT_EQ(json.value(QStringLiteral("spuren")).toInt(), 4);
    EXPECT_EQ(json.value(QStringLiteral("texte")).toObject().value(QStringLiteral("s2-vermerk")),
              platzAusErgebnis(b.rennen, 2));

    // Back to two lanes: the finished race gives way, two cards show as before.
    b.einstellen([](Renneinstellungen& e) { e.spuranzahl = 2; });
    EXPECT_EQ(b.ansicht().spuren.anzahl(), 2);
    EXPECT_EQ(b.zs(1).vermerk, "");
    EXPECT_TRUE(QString::fromUtf8(seiteFuellen(seitenvorlage(), b.ansicht()))
                    .contains(QStringLiteral("<main data-spuren=\"2\">")));
}

// Eight lanes by time, finished where they stand when the time is up: the places follow the
// distances the race ranked, and the gaps are in laps.
TEST(VieleSpurenZuschauer, AchtSpurenNachZeitMitPlaetzenWieImErgebnis) {
    VieleSpurenBahn<Zeitbahn> b(8, Zielregel::Sofort, 10);
    b.starten();
    const double runde[] = {0, 3.0, 2.2, 4.0, 2.5, 2.2, 3.3, 1.9, 2.7};
    for (int spur = 1; spur <= 8; ++spur)
        b.plan(spur, 0.05 * spur, runde[spur], 10);
    b.fahren(5);
    EXPECT_EQ(b.zs(7).position, "P1");
    EXPECT_EQ(b.zs(7).abstand, "führt");
    EXPECT_EQ(b.zs(3).position, "P8");
    b.fahren(10);
    ASSERT_FALSE(b.rennen.stand().gestartet);
    EXPECT_EQ(b.rennen.ergebnis().sieger(), 7);
    EXPECT_EQ(b.ansicht().ergebnis, "Sieger: Fahrer 7");
    const std::vector<int>& folge = b.rennen.stand().zieleinlauf;
    ASSERT_EQ(folge.size(), 8u);
    for (std::size_t i = 0; i < folge.size(); ++i)
        EXPECT_EQ(b.zs(folge[i]).vermerk, QStringLiteral("%1. Platz").arg(i + 1)) << folge[i];
    EXPECT_EQ(b.zs(7).abstand, "führt");
    EXPECT_EQ(b.zs(3).abstand.right(4), " Rd.");
    const QStringList abstaende = b.spalte(&Zuschauerspur::abstand);
    EXPECT_EQ(abstaende.count(QStringLiteral("führt")), 1);
}

// Lane 3 has no car tonight, and once the winner is home each other car's next crossing
// ends its race: the free lane takes no position and no place, the places follow the laps
// as the race's result has them, and the clock stops with the last car home.
TEST(VieleSpurenZuschauer, EineFreieSpurUndSchlussNachDemSieger) {
    VieleSpurenBahn<> b(4);
    b.runden(3);
    b.einstellen([](Renneinstellungen& e) {
        e.freieSpuren = 1U << 2;
        e.nachSiegerBeenden = true;
    });
    b.starten();
    b.signale({{1, 0.1}, {2, 0.2}, {4, 0.4}, {1, 2.0}, {4, 2.2}, {2, 3.0}});
    EXPECT_EQ(b.spalte(&Zuschauerspur::position), (QStringList{"P1", "P3", "", "P2"}));
    EXPECT_EQ(b.zs(3).vermerk, "Spur frei");
    EXPECT_EQ(b.zs(3).abstand, "");
    b.signale({{1, 4.0}, {4, 4.4}, {1, 6.0}}); // lane 1 home with three laps
    EXPECT_EQ(b.zs(1).vermerk, "1. Platz");
    b.signale({{2, 6.1}, {4, 6.6}}); // lane 2 ends with two laps, lane 4 with three
    ASSERT_FALSE(b.rennen.stand().gestartet);
    for (int spur : {1, 2, 4})
        EXPECT_EQ(b.zs(spur).vermerk, platzAusErgebnis(b.rennen, spur)) << spur;
    EXPECT_EQ(b.zs(4).vermerk, "2. Platz") << "home after lane 2, with more laps";
    EXPECT_EQ(b.zs(3).vermerk, "Spur frei");
    EXPECT_EQ(b.ansicht().rennuhr, "0:06,6");
}
