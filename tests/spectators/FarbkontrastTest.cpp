#include "Farbkontrast.h"

#include <gtest/gtest.h>

// The night's sixteen colours and the colour menu's, as racers read them at the track.
TEST(Farbkontrast, DunkleFarbenTragenWeissHelleSchwarzUndAufDerKarteNurWasLesbarIst) {
    constexpr Farbe Dunkeltuerkis = 0x808000, Braun = 0x4080C0, Lila = 0xC040C0;
    for (const Farbe dunkel : {Dunkeltuerkis, Braun, Lila, Farbe{0x0000FF}, Farbe{0xFF8040}})
        EXPECT_EQ(schriftAuf(dunkel), Farben::Weiss) << std::hex << dunkel;
    for (const Farbe hell : {Farben::Hellgrau, Farbe{0x00D0FF}, Farbe{0x80FF80}, Farbe{0xFFFFFF}})
        EXPECT_EQ(schriftAuf(hell), Farben::Zuschauerschwarz) << std::hex << hell;

    // The menu's red and blue and every light colour read as type on the dark card.
    for (const Farbe lesbar : {Farbe{0x0000FF}, Farbe{0xFF8040}, Farbe{0xFFFF00}, Braun,
                               Farben::Hellgrau, Farbe{0xFFFFFF}})
        EXPECT_TRUE(lesbarAufKarte(lesbar)) << std::hex << lesbar;
    for (const Farbe dunkel : {Dunkeltuerkis, Lila, Farbe{0x000000}, Farben::Zuschauerkarte})
        EXPECT_FALSE(lesbarAufKarte(dunkel)) << std::hex << dunkel;
}
