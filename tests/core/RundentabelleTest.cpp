#include "Rennbahn.h"

#include <gtest/gtest.h>

TEST(Rundentabelle, ZeilenzahlFolgtDerRundenzahlMitMindestensZwoelfZeilen) {
    for (const auto& [runden, zeilen] : std::vector<std::pair<int, int>>{
             {1, 12}, {3, 12}, {5, 12}, {10, 12}, {11, 13}, {20, 22}}) {
        Rennbahn b;
        b.runden(runden);
        EXPECT_EQ(b.ansicht().rundentabellen[1].zeilenzahl(), zeilen) << runden << " laps";
        EXPECT_EQ(b.ansicht().rundentabellen[2].zeilenzahl(), zeilen) << runden << " laps";
    }
}

TEST(Rundentabelle, EineMillionRundenPassenOhneMeldung) {
    Rennbahn b;
    b.runden(Rundentabelle::GroessteRundenzahl);
    b.starten();
    EXPECT_EQ(b.ansicht().rundentabellen[2].zeilenzahl(), Rundentabelle::GroessteRundenzahl + 2);
    EXPECT_TRUE(b.dialoge.meldungen.empty());
    EXPECT_EQ(b.ansicht().restrunden[1].text, "1000000");
    EXPECT_EQ(b.zelle(1, 999'999, 1).text, "");
}

// Too many laps for the tables, and (defensively) fewer than one lap, fall back to 10.
TEST(Rundentabelle, UnzulaessigeRundenzahlFaelltAufZehnZurueck) {
    for (const std::int32_t runden : {Rundentabelle::GroessteRundenzahl + 1, 0, -3}) {
        Rennbahn b;
        b.runden(runden);
        b.starten();
        ASSERT_EQ(b.dialoge.meldungen.size(), 1u) << runden;
        EXPECT_EQ(b.dialoge.meldungen[0].titel, "Speicherproblem");
        EXPECT_EQ(b.dialoge.meldungen[0].text,
                  "Die Anzahl an Runden kann nicht akzeptiert werden, da nicht soviel "
                  "Arbeitsspeicher vorrätig. Setze die Rundenzahl auf 10.");
        EXPECT_EQ(b.einstellungen().rundenzahl, 10);
        EXPECT_EQ(b.speicher.werte.value("runden"), "10");
        EXPECT_EQ(b.ansicht().statusleiste.feld("rundenzahl").text, "Rundenzahl: 10");
        EXPECT_EQ(b.ansicht().rundentabellen[1].zeilenzahl(), 12);
        EXPECT_EQ(b.ansicht().restrunden[2].text, "10");
    }
}

// Like the grid it stands for: rows cut off by a smaller lap count stay empty when the
// count grows again.
TEST(Rundentabelle, KuerzenLoeschtTexteUndFormateAuchWennSieWiederWaechst) {
    Rennbahn b;
    b.runden(12);
    b.starten();
    b.fahren(1, 0.5, {3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 2});
    b.fahren(2, 0.5, {4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4});
    ASSERT_EQ(b.zelle(1, 13, 0).text, "->");
    ASSERT_EQ(b.zelle(1, 12, 1).hintergrund, Zellhintergrund::Hellgrau);

    b.runden(5); // 12 rows: the last lap and the summary go
    b.runden(20);
    EXPECT_EQ(b.ansicht().rundentabellen[1].zeilenzahl(), 22);
    EXPECT_EQ(b.zelle(1, 11, 1).text, "3,000") << "rows above the cut stay";
    EXPECT_EQ(b.zelle(1, 12, 1), Zelle{});
    EXPECT_EQ(b.zelle(1, 13, 0), Zelle{});
    EXPECT_EQ(b.ansicht().rundentabellen[2].letzteGeschriebeneZeile(), 11);
    EXPECT_EQ(b.zelle(1, 0, 1).text, "    Zeit [sec]    ") << "the header row stays";
    EXPECT_THROW(b.zelle(1, 1, 3), std::out_of_range);
}
