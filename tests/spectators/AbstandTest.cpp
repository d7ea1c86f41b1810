#include "Abstand.h"

#include <gtest/gtest.h>

namespace {
Spuren<QString> texte(const Spuren<Durchfahrten>& d) {
    return rennabstaende(d).texte;
}
} // namespace

TEST(Abstand, SekundenAnDerLinieRundenBeimUeberrundenUndNichtsNachDemUeberholen) {
    EXPECT_EQ(texte({Durchfahrten{}, Durchfahrten{}}), (Spuren<QString>{"", ""}));
    EXPECT_EQ(texte({Durchfahrten{3.0}, Durchfahrten{}}), (Spuren<QString>{"", ""}));
    EXPECT_EQ(texte({Durchfahrten{3.0}, Durchfahrten{3.0}}), (Spuren<QString>{"", "+0,000 s"}));
    // Lane 1 laps every 2 s, lane 2 every 5 s.
    EXPECT_EQ(texte({Durchfahrten{2, 4}, Durchfahrten{5}}), (Spuren<QString>{"", "+1 Runde"}))
        << "the leader had two laps when lane 2 completed its first";
    EXPECT_EQ(texte({Durchfahrten{2, 4, 6, 8}, Durchfahrten{5}}),
              (Spuren<QString>{"", "+2 Runden"}))
        << "lapped twice before lane 2 is back at the line";
    EXPECT_EQ(texte({Durchfahrten{2, 4, 6, 8, 10}, Durchfahrten{5, 10}}),
              (Spuren<QString>{"", "+3 Runden"}));
    // Lane 1 was ahead at its line crossing; lane 2 has passed it since.
    EXPECT_EQ(texte({Durchfahrten{2.0}, Durchfahrten{2.5, 4.0}}), (Spuren<QString>{"", ""}));
    EXPECT_EQ(texte({Durchfahrten{2.0, 4.6}, Durchfahrten{2.5, 4.0}}),
              (Spuren<QString>{"+0,600 s", ""}));

    EXPECT_EQ(rennabstaende({Durchfahrten{2.0}, Durchfahrten{2.5, 4.0}}).vorn, 2)
        << "a leader even while the gap is not known";
}
