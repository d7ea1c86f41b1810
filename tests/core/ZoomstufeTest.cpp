// The zoom steps of the main window: 25 % at a time from 100 % to 300 %, never beyond what
// the screen holds, remembered as chosen, and a stored text that is no step read as 100 %.
#include "Zoomstufe.h"

#include "Fakes.h"

#include <gtest/gtest.h>

namespace {
const QSize Grund(750, 495);
const QSize Gross(3840, 2100); // a 4K screen holds every step
const QSize FullHd(1920, 1040);

int gelesen(const char* gespeichert) {
    FakeSpeicher speicher;
    speicher.werte["Zoom"] = gespeichert;
    return Zoomstufe(speicher).prozent();
}
} // namespace

TEST(Zoomstufe, GespeichertWirdNurEineStufe) {
    FakeSpeicher leer;
    EXPECT_EQ(Zoomstufe(leer).prozent(), 100);
    EXPECT_EQ(gelesen("225"), 225);
    for (const char* unsinn : {"", "gross", "137", "75", "325", "-100", "1e9"})
        EXPECT_EQ(gelesen(unsinn), 100) << unsinn;
}

TEST(Zoomstufe, SchritteBisZurGroesstenDieAufDenBildschirmPasst) {
    FakeSpeicher speicher;
    Zoomstufe zoom(speicher);
    EXPECT_FALSE(zoom.kleiner(Grund, Gross)) << "100 % is the smallest";
    QList<int> stufen;
    for (int i = 0; i < 10; ++i)
        if (zoom.groesser(Grund, Gross))
            stufen << zoom.prozent();
    EXPECT_EQ(stufen, (QList<int>{125, 150, 175, 200, 225, 250, 275, 300}));
    EXPECT_EQ(speicher.werte["Zoom"], "300");

    // On a full-HD screen 200 % (1500 x 990) is the largest that fits, 225 % is 1114 high.
    EXPECT_TRUE(zoom.einpassen(Grund, FullHd));
    EXPECT_EQ(zoom.prozent(), 200);
    EXPECT_EQ(speicher.werte["Zoom"], "300") << "the choice stays for the large screen";
    EXPECT_FALSE(zoom.groesser(Grund, FullHd));
    EXPECT_EQ(speicher.werte["Zoom"], "300");
    EXPECT_TRUE(zoom.kleiner(Grund, FullHd));
    EXPECT_EQ(zoom.prozent(), 175);
    EXPECT_EQ(speicher.werte["Zoom"], "175");
    EXPECT_TRUE(zoom.zuruecksetzen());
    EXPECT_EQ(zoom.prozent(), 100);
    EXPECT_EQ(speicher.werte["Zoom"], "100");

    // A screen smaller than the window itself keeps it at 100 %.
    EXPECT_FALSE(zoom.groesser(Grund, QSize(640, 480)));
    EXPECT_EQ(zoom.prozent(), 100);
}
