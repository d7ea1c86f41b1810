// A screen too small for the zoom chosen shows less of it but keeps the choice; the steps
// themselves are shown end to end (tests/e2e/zoom.sh).
#include "Zoomstufe.h"

#include "Fakes.h"

#include <gtest/gtest.h>

TEST(Zoomstufe, EinKleinererBildschirmBehaeltDieWahl) {
    FakeSpeicher speicher;
    speicher.werte["Zoom"] = "300";
    Zoomstufe zoom(speicher);
    // 750 x 495 at 200 % is 1500 x 990; at 225 % it would be 1114 high.
    EXPECT_TRUE(zoom.einpassen({750, 495}, {1920, 1040}));
    EXPECT_EQ(zoom.prozent(), 200);
    EXPECT_FALSE(zoom.groesser({750, 495}, {1920, 1040}));
    EXPECT_EQ(speicher.werte["Zoom"], "300");
}
