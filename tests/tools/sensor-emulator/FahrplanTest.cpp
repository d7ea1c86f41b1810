// The emulator's plans: a race's passages as a race counts them, and a script's lanes.
#include "Fahrplan.h"

#include <fstream>
#include <gtest/gtest.h>

namespace L = Leitungsspeicher;

TEST(Fahrplan, JedeDurchfahrtIstEinPrellbuendelMitGenauEinerGezaehltenFlanke) {
    Rennparameter p;
    p.spuren = 6;
    p.rundenzeit = 1;
    p.streuung = 0.3;
    p.flanken = 6;
    p.prellen = 0.02;
    p.runden = 5;
    p.halt = std::pair{2, 3}; // the car in lane 2 stops after lap 3
    auto plan = rennplan(p);
    EXPECT_EQ(plan->ports(), 2) << "lanes 5 and 6 on the second terminal";
    int durchfahrten[7] = {};
    bool pegel[2][L::Modemleitungen] = {};
    std::int64_t vorher = 0;
    while (const std::optional<Auftrag> a = plan->naechster()) {
        EXPECT_GE(a->zeit, vorher) << "in time order";
        vorher = a->zeit;
        EXPECT_NE(pegel[a->port][a->leitung], a->pegel) << "every edge changes its line";
        pegel[a->port][a->leitung] = a->pegel;
        if (a->spur != 0) {
            EXPECT_EQ(a->durchfahrt, durchfahrten[a->spur]++);
            EXPECT_EQ(a->port * 4 + a->leitung + 1, a->spur);
            EXPECT_TRUE(a->leitung == L::CD || !a->pegel) << "CD changes, the others drop";
        }
    }
    EXPECT_EQ(durchfahrten[1], 6) << "the start crossing and five laps";
    EXPECT_EQ(durchfahrten[2], 4);
    for (int spur = 3; spur <= 6; ++spur)
        EXPECT_EQ(durchfahrten[spur], 6) << spur;
    for (const auto& port : pegel)
        for (const bool p : port)
            EXPECT_FALSE(p) << "the lines come back to rest";
}

TEST(Fahrplan, ImSkriptFallenDieSpurenAusserEinsUndFuenfUndSteigenVorher) {
    const std::string datei = ::testing::TempDir() + "/skript.txt";
    std::ofstream(datei) << "# Kommentar\n1.0 2\n1.0 1\n2.0 8\n2.5 CTS2 1\n3.0 7\n";
    auto gelesen = skriptLesen(datei);
    ASSERT_TRUE(std::holds_alternative<std::unique_ptr<Fahrplan>>(gelesen));
    auto& plan = std::get<std::unique_ptr<Fahrplan>>(gelesen);
    EXPECT_EQ(plan->ports(), 2);
    EXPECT_EQ(plan->naechster(), (Auftrag{990'000'000, L::DSR, true}));
    EXPECT_EQ(plan->naechster(), (Auftrag{1'000'000'000, L::DSR, false, 2, 0}));
    EXPECT_EQ(plan->naechster(), (Auftrag{1'000'000'000, L::CD, true, 1, 0}));
    EXPECT_EQ(plan->naechster(), (Auftrag{1'990'000'000, L::RI, true, 0, 0, 0, 1}));
    EXPECT_EQ(plan->naechster(), (Auftrag{2'000'000'000, L::RI, false, 8, 0, 0, 1}));
    EXPECT_EQ(plan->naechster(), (Auftrag{2'500'000'000, L::CTS, true, 0, 0, 0, 1}));
    EXPECT_EQ(plan->naechster(), (Auftrag{3'000'000'000, L::CTS, false, 7, 0, 0, 1}))
        << "raised by hand: the passage is the drop alone";
    EXPECT_FALSE(plan->naechster());

    std::ofstream(datei) << "1.0 9\n";
    gelesen = skriptLesen(datei);
    ASSERT_TRUE(std::holds_alternative<std::string>(gelesen));
    EXPECT_NE(std::get<std::string>(gelesen).find("nur 1 bis 8"), std::string::npos);
}
