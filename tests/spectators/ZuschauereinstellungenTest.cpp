#include "Zuschauereinstellungen.h"

#include "Fakes.h"

#include <gtest/gtest.h>

namespace {
const std::vector<Bildschirm> ZweiBildschirme{
    {QStringLiteral("HDMI-1"), QRect(0, 0, 1920, 1080)},
    {QStringLiteral("HDMI-2"), QRect(1920, 0, 3840, 2160)}};
}

TEST(Zuschauereinstellungen, MuellImSpeicherGibtDieVorgabenUndEinFehlenderBildschirmDenAnderen) {
    FakeSpeicher speicher;
    Zuschauereinstellungen e(speicher);
    EXPECT_FALSE(e.seiteAn());
    EXPECT_EQ(e.port(), 8080);
    const Fensterlage neu = e.lage(ZweiBildschirme, 0);
    EXPECT_EQ(neu.bildschirm, 1) << "the big screen is not the main window's";
    EXPECT_EQ(neu.rahmen, QRect(3360, 810, 960, 540)) << "centred";
    EXPECT_FALSE(neu.vollbild);

    speicher.werte = {{"ZuschauerWeb", "ja"},          {"ZuschauerPort", "70000"},
                      {"ZuschauerBreite", "12"},       {"ZuschauerHoehe", "99999"},
                      {"ZuschauerBildschirm", "DP-9"}, {"ZuschauerVollbild", "vielleicht"}};
    EXPECT_FALSE(e.seiteAn());
    EXPECT_EQ(e.port(), 8080);
    const Fensterlage muell = e.lage(ZweiBildschirme, 1);
    EXPECT_EQ(muell.bildschirm, 0) << "a screen that is gone: one that is not the main window's";
    EXPECT_EQ(muell.rahmen.size(), QSize(640, 1080)) << "at least 640 × 360, at most the screen";
    EXPECT_FALSE(muell.vollbild);
    EXPECT_EQ(e.lage({}, 0).rahmen, QRect()) << "no screen: nothing to place on";

    e.merken(QStringLiteral("HDMI-1"), QSize(1280, 720), true);
    speicher.werte[QStringLiteral("ZuschauerPort")] = QStringLiteral("8123");
    EXPECT_EQ(e.port(), 8123);
    const Fensterlage gemerkt = e.lage(ZweiBildschirme, 0);
    EXPECT_EQ(gemerkt.bildschirm, 0) << "the remembered screen, though the main window is there";
    EXPECT_EQ(gemerkt.rahmen, QRect(320, 180, 1280, 720));
    EXPECT_TRUE(gemerkt.vollbild);
}
