// The zoom steps beyond what the keys show end to end (tests/e2e/zoom.sh): what a stored
// text that is no step gives, and a screen too small for the zoom chosen.
#include "Zoomstufe.h"

#include "Fakes.h"

#include <gtest/gtest.h>

TEST(Zoomstufe, UnsinnGibt100UndEinKleinerBildschirmBehaeltDieWahl) {
    for (const char* gespeichert : {"", "gross", "137", "75", "325", "1e9"}) {
        FakeSpeicher speicher;
        speicher.werte["Zoom"] = gespeichert;
        EXPECT_EQ(Zoomstufe(speicher).prozent(), 100) << gespeichert;
    }
    FakeSpeicher speicher;
    speicher.werte["Zoom"] = "300";
    Zoomstufe zoom(speicher);
    // 750 x 495 at 200 % is 1500 x 990; at 225 % it would be 1114 high.
    EXPECT_TRUE(zoom.einpassen({750, 495}, {1920, 1040}));
    EXPECT_EQ(zoom.prozent(), 200);
    EXPECT_FALSE(zoom.groesser({750, 495}, {1920, 1040}));
    EXPECT_EQ(speicher.werte["Zoom"], "300") << "the choice stays for the larger screen";
    zoom.einpassen({750, 495}, {700, 400});
    EXPECT_EQ(zoom.prozent(), 100) << "a screen smaller than the window: the designed size";
}
