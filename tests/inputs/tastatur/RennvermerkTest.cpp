// The signal log's lines of the race itself, read as a racer hunting a missed lap reads them.
#include "Rennbahn.h"
#include "Rennvermerk.h"

#include <gtest/gtest.h>
#include <vector>

TEST(Rennvermerk, GruenStehtMitDerZeitDaVonDerDieRennzeitenLaufen) {
    Rennbahn bahn;
    std::vector<Signaleintrag> protokoll;
    Rennvermerk vermerk([&](const Signaleintrag& e) { protokoll.push_back(e); });
    bahn.rennen.beobachterAnmelden(vermerk);
    bahn.runden(2);

    bahn.starten();
    bahn.signal(1, 0.5); // rolls over the line
    bahn.signal(1, 1.75);
    bahn.rennen.rundeStreichen(1);

    ASSERT_EQ(protokoll.size(), 2U) << "the countdown's red lamps and the laps write nothing";
    const Signaleintrag& gruen = protokoll[0];
    EXPECT_EQ(gruen.ereignis, QStringLiteral("Ampel grün"));
    EXPECT_EQ(gruen.tick, Rennbahn::Basis);
    // A crossing's race time is its signal time less the green light's.
    EXPECT_DOUBLE_EQ(bahn.rennen.signalzeit(Rennbahn::Basis + 1750) - gruen.zeit, 1.75);
    EXPECT_EQ(protokoll[1].ausgang, Signalausgang::Gestrichen);
    EXPECT_EQ(protokoll[1].anmerkung, QStringLiteral("Runde 1 (1.750 s) gestrichen"));
}
