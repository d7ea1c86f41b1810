#include "Rennbahn.h"

#include <gtest/gtest.h>

TEST(Rundentabelle, ZeilenzahlFolgtDerRundenzahlMitMindestensZwoelfZeilen) {
    for (const auto& [runden, zeilen] : std::vector<std::pair<int, int>>{
             {1, 12}, {3, 12}, {5, 12}, {10, 12}, {11, 13}, {20, 22}}) {
        Rennbahn b;
        b.rennen.Rundenzahl = runden;
        b.rennen.TabelleDimensionieren();
        EXPECT_EQ(b.rennen.fR.FG[1].zeilenzahl(), zeilen) << runden << " laps";
        EXPECT_EQ(b.rennen.fR.FG[2].zeilenzahl(), zeilen) << runden << " laps";
    }
}

TEST(Rundentabelle, EineMillionRundenPassenOhneMeldung) {
    Rennbahn b;
    b.rennen.Rundenzahl = Rundentabelle::GroessteRundenzahl;
    b.starten();
    EXPECT_EQ(b.rennen.fR.FG[2].zeilenzahl(), Rundentabelle::GroessteRundenzahl + 2);
    EXPECT_TRUE(b.dialoge.meldungen.empty());
    EXPECT_EQ(b.rennen.fR.LaRunde[1].Caption, "1000000");
    EXPECT_EQ(b.zelle(1, 999'999, 1).text, "");
}

// Too many laps for the tables, and (defensively) fewer than one lap, fall back to 10.
TEST(Rundentabelle, UnzulaessigeRundenzahlFaelltAufZehnZurueck) {
    for (const std::int32_t runden : {Rundentabelle::GroessteRundenzahl + 1, 0, -3}) {
        Rennbahn b;
        b.rennen.Rundenzahl = runden;
        b.starten();
        ASSERT_EQ(b.dialoge.meldungen.size(), 1u) << runden;
        EXPECT_EQ(b.dialoge.meldungen[0].titel, "Speicherproblem");
        EXPECT_EQ(b.dialoge.meldungen[0].text,
                  "Die Anzahl an Runden kann nicht akzeptiert werden, da nicht soviel "
                  "Arbeitsspeicher vorrätig. Setze die Rundenzahl auf 10.");
        EXPECT_EQ(b.rennen.Rundenzahl, 10);
        EXPECT_EQ(b.speicher.werte.value("runden"), "10");
        EXPECT_EQ(b.rennen.fR.StatusBar1.Panels("rundenzahl").Text, "Rundenzahl: 10");
        EXPECT_EQ(b.rennen.fR.FG[1].zeilenzahl(), 12);
        EXPECT_EQ(b.rennen.fR.LaRunde[2].Caption, "10");
    }
}

TEST(Rundentabelle, KuerzenLoeschtTexteUndFormate) {
    Rundentabelle t;
    ASSERT_TRUE(t.zeilenzahlSetzen(12));
    t.zelle(3, 1) = {QStringLiteral("2,500"), true, Zellhintergrund::Hellgrau};
    ASSERT_TRUE(t.zeilenzahlSetzen(1));
    ASSERT_TRUE(t.zeilenzahlSetzen(12));
    EXPECT_EQ(t.zelle(3, 1), Zelle{});
    EXPECT_EQ(t.zelle(0, 1).text, "    Zeit [sec]    ") << "the header row stays";

    EXPECT_FALSE(t.zeilenzahlSetzen(0));
    EXPECT_FALSE(t.zeilenzahlSetzen(std::int64_t{Rundentabelle::GroessteZeilenzahl} + 1));
    EXPECT_EQ(t.zeilenzahl(), 12);
    EXPECT_THROW(t.zelle(12, 0), std::out_of_range);
}
