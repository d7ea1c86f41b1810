#include "Fensterbahn.h"

using Seite = VerlaufAnsicht::Seite;

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

// Esc before the database has answered: the page asked for is not shown any more, and the
// racer stays where Esc took them; of two pages asked for, the later one is shown.
TEST(VerlaufLogik, EineVerlasseneSeiteKommtNichtNachtraeglich) {
    Fensterbahn b;
    b.a();
    b.logik().oeffnen();
    ASSERT_EQ(b.a().seite, Seite::Rennen);
    b.logik().fahrerOeffnen(2);
    EXPECT_TRUE(b.logik().zurueck());
    EXPECT_EQ(b.a().seite, Seite::Liste) << "Bernd's page does not come after Esc";

    b.logik().fahrerOeffnen(1);
    b.logik().oeffnen();
    EXPECT_EQ(b.a().seite, Seite::Rennen);
    EXPECT_EQ(b.a().ueberschrift, "Rennen 2 vom 02.05.2026 09:15");
}
