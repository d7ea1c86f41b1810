// A lane change on four lanes: four heats, every driver once on every lane, the totals over
// all four deciding, the result window listing every heat; a free lane drops out of the
// rotation.
#include "Mehrspuransicht.h"
#include "Rennbahn.h"

#include <gtest/gtest.h>

namespace {
const QString Namen[] = {QStringLiteral("Anna"), QStringLiteral("Bernd"), QStringLiteral("Clara"),
                         QStringLiteral("Dora")};

struct VierSpurrotation : ::testing::Test {
    void SetUp() override {
        b.einstellen([](Renneinstellungen& e) {
            e.spuranzahl = 4;
            e.spurwechsel = true;
        });
        for (int spur = 1; spur <= 4; ++spur)
            b.rennen.fahrerBenennen(spur, Namen[spur - 1]);
    }
    // Each driver has a pace of their own; lane 3 is half a second slower for anyone.
    void laufFahren() {
        std::vector<double> zeiten;
        for (int spur = 1; spur <= 4; ++spur) {
            const QString& fahrer = b.spur(spur).fahrer;
            const double tempo = 2.0 + 0.1 * (std::find(std::begin(Namen), std::end(Namen), fahrer) -
                                              std::begin(Namen));
            zeiten.push_back(tempo + (spur == 3 ? 0.5 : 0.0));
        }
        b.gleichmaessigFahren(2, zeiten);
    }
    QStringList fahrerNachSpur() const {
        QStringList namen;
        for (int spur = 1; spur <= b.stand().spuren.anzahl(); ++spur)
            namen << b.spur(spur).fahrer;
        return namen;
    }
    Rennbahn b;
};
} // namespace

TEST_F(VierSpurrotation, JederFaehrtJedeSpurUndDieSummeEntscheidet) {
    laufFahren();
    EXPECT_EQ(b.stand().wechsellauf, 1);
    EXPECT_EQ(fahrerNachSpur(), (QStringList{"Dora", "Anna", "Bernd", "Clara"}))
        << "everyone moves on one lane";
    EXPECT_EQ(b.rennen.ergebnis().letzterLauf().sieger, 1) << "Anna won the first heat";
    // The window still shows the heat that ended, under the names of those who drove it.
    const Mehrspuransicht nachDemLauf = mehrspuransicht(b.rennen, 1);
    EXPECT_EQ(nachDemLauf.zeilen[0].zelle(Mehrspurspalte::Fahrer), "Anna");
    EXPECT_EQ(nachDemLauf.zeilen[0].zelle(Mehrspurspalte::Abstand), "Sieger!!!");
    EXPECT_EQ(nachDemLauf.tabellentitel, "Runden von Spur 1: Anna");
    EXPECT_EQ(b.ansicht().statusleiste.feld(QStringLiteral("modus")).text,
              "Spurwechsel, Lauf 2 von 4");
    b.starten();
    EXPECT_EQ(mehrspuransicht(b.rennen, 1).zeilen[0].zelle(Mehrspurspalte::Fahrer), "Dora");
    b.rennen.startGedrueckt(); // Stop: the second heat is driven again
    for (int lauf = 2; lauf <= 3; ++lauf) {
        laufFahren();
        EXPECT_TRUE(b.dialoge.rotationsfenster.empty()) << lauf;
    }
    // Clara drives the slow lane in the last heat: Bernd wins it, Anna wins the race.
    EXPECT_EQ(fahrerNachSpur(), (QStringList{"Bernd", "Clara", "Dora", "Anna"}));
    laufFahren();

    EXPECT_TRUE(b.dialoge.ergebnisfenster.empty()) << "not the two-lane window";
    ASSERT_EQ(b.dialoge.rotationsfenster.size(), 1u);
    const RotationsergebnisInhalt& e = b.dialoge.rotationsfenster[0];
    EXPECT_EQ(e.ueberschrift, "Anna hat gewonnen!");
    EXPECT_EQ(e.kopf, (QStringList{"Platz", "Fahrer", "1. Rennen", "2. Rennen", "3. Rennen",
                                   "4. Rennen", "Endergebnis", "Geschw."}));
    ASSERT_EQ(e.zeilen.size(), 4u);
    const RotationsergebnisInhalt::Zeile& anna = e.zeilen[0];
    EXPECT_EQ(anna.platz, "1.");
    EXPECT_EQ(anna.fahrer, "Anna");
    EXPECT_EQ(anna.farbe, b.spur(1).farbe) << "the colour of her first lane";
    EXPECT_EQ(anna.laeufe, (QStringList{"4,000", "4,000", "5,000", "4,000"}));
    EXPECT_EQ(anna.gesamt, "17,000");
    EXPECT_EQ(anna.geschwindigkeit, "2,353") << "40 m in 17 s";
    QStringList folge;
    for (const RotationsergebnisInhalt::Zeile& z : e.zeilen)
        folge << z.platz + z.fahrer + QLatin1Char(' ') + z.gesamt;
    EXPECT_EQ(folge, (QStringList{"1.Anna 17,000", "2.Bernd 17,800", "3.Clara 18,600",
                                  "4.Dora 19,400"}));
    EXPECT_EQ(b.rennen.ergebnis().laeufe.size(), 4u);
    EXPECT_EQ(b.stand().wechsellauf, 0);
    EXPECT_EQ(fahrerNachSpur(), (QStringList{"Anna", "Bernd", "Clara", "Dora"}))
        << "after the last heat everyone stands where they began";
}

// Lane 2 has no car: three heats over lanes 1, 3 and 4, and lane 2 keeps its name.
TEST_F(VierSpurrotation, EineFreieSpurFaehrtNichtMit) {
    b.einstellen([](Renneinstellungen& e) { e.freieSpuren = 0b0010; });
    laufFahren();
    EXPECT_EQ(fahrerNachSpur(), (QStringList{"Dora", "Bernd", "Anna", "Clara"}));
    laufFahren();
    laufFahren();
    ASSERT_EQ(b.dialoge.rotationsfenster.size(), 1u);
    const RotationsergebnisInhalt& e = b.dialoge.rotationsfenster[0];
    EXPECT_EQ(e.kopf.size(), 2 + 3 + 2);
    QStringList fahrer;
    for (const RotationsergebnisInhalt::Zeile& z : e.zeilen)
        fahrer << z.fahrer;
    EXPECT_EQ(fahrer, (QStringList{"Anna", "Clara", "Dora"}));
    EXPECT_EQ(fahrerNachSpur(), (QStringList{"Anna", "Bernd", "Clara", "Dora"}));
}
