// The main window's rows for tracks of more than two lanes, driven through the race: places
// and gaps while the race is on, and once it is over the places, winner and gaps of the
// race's result.
#include "Mehrspuransicht.h"

#include "Zahlenformat.h"
#include "Zeitbahn.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace {
using S = Mehrspurspalte;

// Every lane's crossings up to `bis`, in the order of time: the first at `erste[spur]`, then
// one per lap time, `runden` laps at most.
void fahren(Rennbahn& b, const std::vector<std::pair<double, double>>& ersteUndRunde, int runden,
            double bis) {
    std::vector<std::pair<double, int>> folge;
    for (int spur = 1; spur <= static_cast<int>(ersteUndRunde.size()); ++spur) {
        const auto [erste, runde] = ersteUndRunde[static_cast<std::size_t>(spur - 1)];
        for (int k = 0; k <= runden; ++k)
            if (erste + k * runde <= bis)
                folge.push_back({erste + k * runde, spur});
    }
    std::sort(folge.begin(), folge.end());
    for (const auto& [t, spur] : folge)
        b.signal(spur, t);
}

QString zelle(const Mehrspuransicht& a, int spur, S spalte) {
    return a.zeilen.at(static_cast<std::size_t>(spur - 1)).zelle(spalte);
}

std::vector<QString> spalte(const Mehrspuransicht& a, S s) {
    std::vector<QString> werte;
    for (const Spurzeile& z : a.zeilen)
        werte.push_back(z.zelle(s));
    return werte;
}
} // namespace

// Four lanes over five laps. Half way lane 3 leads, lanes 1 and 2 are a lap down on it at the
// line's times, lane 4 lapped twice; at the end the places and the winner are the result's.
TEST(Mehrspuransicht, VierSpurenPlaetzeUndAbstaendeWieImErgebnis) {
    Rennbahn b;
    b.runden(5);
    b.spuren(4);
    b.rennen.fahrerBenennen(3, QStringLiteral("Carla"));
    b.starten();
    const std::vector<std::pair<double, double>> plan{
        {0.1, 2.0}, {0.2, 2.2}, {0.3, 1.85}, {0.4, 4.5}};
    fahren(b, plan, 5, 8.0);
    Mehrspuransicht a = mehrspuransicht(b.rennen, 1);
    EXPECT_EQ(spalte(a, S::Platz), (std::vector<QString>{"2.", "3.", "1.", "4."}));
    EXPECT_EQ(spalte(a, S::Abstand),
              (std::vector<QString>{"+0,250 s", "+0,950 s", "", "+2 Runden"}));
    EXPECT_EQ(spalte(a, S::Runden), (std::vector<QString>{"3", "3", "4", "1"}));
    EXPECT_EQ(spalte(a, S::Noch), (std::vector<QString>{"2", "2", "1", "4"}));
    EXPECT_EQ(zelle(a, 3, S::Fahrer), "Carla");
    EXPECT_EQ(zelle(a, 1, S::Letzte), "2,000");
    EXPECT_EQ(zelle(a, 4, S::Beste), "4,900") << "lap 1 runs from the green light";
    EXPECT_EQ(a.kopf[static_cast<std::size_t>(S::Noch)], "Noch");

    fahren(b, plan, 5, 30);
    ASSERT_FALSE(b.stand().gestartet);
    a = mehrspuransicht(b.rennen, 1);
    const Laufergebnis& lauf = b.rennen.ergebnis().letzterLauf();
    for (int spur = 1; spur <= 4; ++spur)
        EXPECT_EQ(zelle(a, spur, S::Platz), QString::number(lauf.spur(spur).platz) + ".") << spur;
    EXPECT_EQ(lauf.sieger, 3);
    EXPECT_EQ(zelle(a, 3, S::Abstand), "Sieger!!!");
    EXPECT_EQ(zelle(a, 1, S::Abstand), "+0,550 s") << "10,1 against lane 3 home at 9,55";
    EXPECT_EQ(zelle(a, 4, S::Noch), "0");
}

// A box that reports a finish late: the race took lane 2 home first, and so does the window,
// though lane 1's time at the line is earlier.
TEST(Mehrspuransicht, ImZielGiltDieReihenfolgeDesRennens) {
    Rennbahn b;
    b.runden(1);
    b.spuren(3);
    b.starten();
    for (int spur = 1; spur <= 3; ++spur)
        b.signal(spur, 0.1 * spur);
    b.signal(2, 3.0);
    b.signal(1, 2.9);
    b.signal(3, 3.5);
    ASSERT_FALSE(b.stand().gestartet);
    ASSERT_EQ(b.rennen.ergebnis().sieger(), 2);
    const Mehrspuransicht a = mehrspuransicht(b.rennen, 1);
    EXPECT_EQ(spalte(a, S::Platz), (std::vector<QString>{"2.", "1.", "3."}));
    EXPECT_EQ(zelle(a, 2, S::Abstand), "Sieger!!!");
    EXPECT_EQ(zelle(a, 3, S::Abstand), "+0,500 s");
}

// Eight lanes by time, ended where they stand: each lane's distance with its fraction, the
// places and the winner of the result, the gaps the differences of the result's distances.
TEST(Mehrspuransicht, AchtSpurenNachZeitNachDerDistanz) {
    Zeitbahn b(Zielregel::Sofort, 10);
    b.spuren(8);
    b.starten();
    for (int spur = 1; spur <= 8; ++spur)
        b.plan(spur, 0.1 * spur, 1.5 + 0.3 * ((spur * 5) % 8), 10);
    b.fahren(5);
    Mehrspuransicht a = mehrspuransicht(b.rennen, 8);
    EXPECT_EQ(a.kopf[static_cast<std::size_t>(S::Noch)], "Distanz");
    EXPECT_EQ(zelle(a, 8, S::Noch), zelle(a, 8, S::Runden)) << "laps only, while driven";
    EXPECT_TRUE(a.zeilen[7].gewaehlt);
    b.fahren(10);
    ASSERT_FALSE(b.stand().gestartet);

    a = mehrspuransicht(b.rennen, 8);
    const Laufergebnis& lauf = b.rennen.ergebnis().letzterLauf();
    ASSERT_EQ(lauf.spuren.size(), 8u);
    const int sieger = b.rennen.ergebnis().sieger();
    ASSERT_NE(sieger, 0);
    for (int spur = 1; spur <= 8; ++spur) {
        const Spurergebnis& e = lauf.spur(spur);
        EXPECT_EQ(zelle(a, spur, S::Platz), QString::number(e.platz) + ".") << spur;
        EXPECT_EQ(zelle(a, spur, S::Noch), Zahlenformat::ZahlFormatieren(e.lauf.distanz));
        if (spur == sieger) {
            EXPECT_EQ(zelle(a, spur, S::Abstand), "Sieger!!!");
        } else {
            ASSERT_NE(e.lauf.distanz, lauf.spur(sieger).lauf.distanz) << spur;
            EXPECT_EQ(
                zelle(a, spur, S::Abstand),
                "+" +
                    Zahlenformat::ZahlFormatieren(lauf.spur(sieger).lauf.distanz - e.lauf.distanz) +
                    " Rd.")
                << spur;
        }
    }
    EXPECT_EQ(zelle(a, sieger, S::Platz), "1.");
}

// Training ranks by the best lap, like its winner; a lane without a lap has no place.
TEST(Mehrspuransicht, TrainingNachDerBestenRunde) {
    Rennbahn b;
    b.runden(2);
    b.einstellen([](Renneinstellungen& e) { e.rennmodus = false; });
    b.spuren(4);
    b.starten();
    b.fahren(1, 0.1, {3.0, 2.5});
    b.fahren(2, 0.2, {2.0, 2.9});
    b.fahren(3, 0.3, {2.2, 2.1});
    Mehrspuransicht a = mehrspuransicht(b.rennen, 2);
    // Lap 1 runs from the green light: best laps 2,5, 2,2 and 2,1.
    EXPECT_EQ(spalte(a, S::Platz), (std::vector<QString>{"3.", "2.", "1.", ""}));
    EXPECT_EQ(spalte(a, S::Abstand), (std::vector<QString>{"+0,400 s", "+0,100 s", "", ""}));
    EXPECT_EQ(a.tabellentitel, "Runden von Spur 2: Fahrer 2");
    b.fahren(4, 0.4, {2.5, 2.5});
    ASSERT_FALSE(b.stand().gestartet);
    a = mehrspuransicht(b.rennen, 2);
    EXPECT_EQ(b.rennen.ergebnis().sieger(), 3);
    EXPECT_EQ(zelle(a, 3, S::Abstand), "Sieger!!!");
    EXPECT_EQ(zelle(a, 4, S::Platz), "4.") << "level with lane 1 on 2,5: behind it";
}

// The winner's finish ends the others' race at their next crossing: a lane ended short is
// placed by its laps, then by its time, as the result places it, a lane still out with as many
// laps ahead of it. A lane without a car shows only that and takes no place.
TEST(Mehrspuransicht, NachDemSiegerBeendetUndFreieSpur) {
    Rennbahn b;
    b.runden(3);
    b.einstellen([](Renneinstellungen& e) {
        e.spuranzahl = 4;
        e.nachSiegerBeenden = true;
        e.freieSpuren = 1U << 3;
    });
    b.starten();
    for (const auto& [spur, zeit] :
         {std::pair{1, 0.1}, {2, 0.2}, {3, 0.3}, {1, 2.5}, {2, 3.0}, {3, 3.5}, {1, 4.9}, {2, 5.8}})
        b.signal(spur, zeit);
    b.signal(1, 7.3); // home after three laps
    b.signal(3, 7.6); // its second lap ends lane 3's race
    ASSERT_TRUE(b.stand().spuren[3].fertig);
    Mehrspuransicht a = mehrspuransicht(b.rennen, 1);
    EXPECT_EQ(spalte(a, S::Platz), (std::vector<QString>{"1.", "2.", "3.", ""}))
        << "lane 2 had its two laps first";
    EXPECT_EQ(zelle(a, 4, S::Fahrer), "frei");
    EXPECT_EQ(zelle(a, 4, S::Runden), "");
    b.signal(2, 8.5);
    ASSERT_FALSE(b.stand().gestartet);
    a = mehrspuransicht(b.rennen, 1);
    const Laufergebnis& lauf = b.rennen.ergebnis().letzterLauf();
    for (int spur = 1; spur <= 3; ++spur)
        EXPECT_EQ(zelle(a, spur, S::Platz), QString::number(lauf.spur(spur).platz) + ".") << spur;
    EXPECT_EQ(zelle(a, 4, S::Platz), "");
}

// Stop clears the tables and with them the places; the lap table asked for on a lane the
// track no longer has is lane 1's.
TEST(Mehrspuransicht, NachStopKeinePlaetzeUndDieTabelleEinerSpurDieEsGibt) {
    Rennbahn b;
    b.spuren(6);
    b.starten();
    b.fahren(5, 0.1, {2.0});
    EXPECT_EQ(zelle(mehrspuransicht(b.rennen, 5), 5, S::Platz), "1.");
    b.rennen.startGedrueckt();
    const Mehrspuransicht a = mehrspuransicht(b.rennen, 5);
    EXPECT_EQ(spalte(a, S::Platz), std::vector<QString>(6));
    b.spuren(3);
    const Mehrspuransicht kleiner = mehrspuransicht(b.rennen, 5);
    EXPECT_EQ(kleiner.zeilen.size(), 3u);
    EXPECT_EQ(kleiner.tabellenspur, 1);
    EXPECT_TRUE(kleiner.zeilen[0].gewaehlt);
}
