// The emulator's plans: a race's passages as a race counts them, and a script's lanes.
#include "Fahrplan.h"

#include <fstream>
#include <gtest/gtest.h>

TEST(Fahrplan, JedeDurchfahrtIstEinPrellbuendelMitGenauEinerGezaehltenFlanke) {
    Rennparameter p;
    p.rundenzeit = 1;
    p.streuung = 0.3;
    p.flanken = 6;
    p.prellen = 0.02;
    p.runden = 5;
    p.halt = std::pair{2, 3}; // the car in lane 2 stops after lap 3
    auto plan = rennplan(p);
    int durchfahrten[3] = {0, 0, 0};
    bool pegel[2] = {false, false};
    std::int64_t vorher = 0;
    while (const std::optional<Auftrag> a = plan->naechster()) {
        EXPECT_GE(a->zeit, vorher) << "in time order";
        vorher = a->zeit;
        EXPECT_NE(pegel[a->dsr], a->pegel) << "every edge changes its line";
        pegel[a->dsr] = a->pegel;
        if (a->spur != 0) {
            EXPECT_EQ(a->durchfahrt, durchfahrten[a->spur]++);
            EXPECT_TRUE(a->spur == 1 ? !a->dsr : a->dsr && !a->pegel) << "CD changes, DSR drops";
        }
    }
    EXPECT_EQ(durchfahrten[1], 6) << "the start crossing and five laps";
    EXPECT_EQ(durchfahrten[2], 4);
    EXPECT_FALSE(pegel[0] || pegel[1]) << "the lines come back to rest";
}

TEST(Fahrplan, SpurZweiImSkriptFaelltUndSteigtVorher) {
    const std::string datei = ::testing::TempDir() + "/skript.txt";
    std::ofstream(datei) << "# Kommentar\n1.0 2\n1.0 1\n";
    auto gelesen = skriptLesen(datei);
    ASSERT_TRUE(std::holds_alternative<std::unique_ptr<Fahrplan>>(gelesen));
    auto& plan = std::get<std::unique_ptr<Fahrplan>>(gelesen);
    EXPECT_EQ(plan->naechster(), (Auftrag{990'000'000, true, true}));
    EXPECT_EQ(plan->naechster(), (Auftrag{1'000'000'000, true, false, 2, 0}));
    EXPECT_EQ(plan->naechster(), (Auftrag{1'000'000'000, false, true, 1, 0}));
    EXPECT_FALSE(plan->naechster());
}
