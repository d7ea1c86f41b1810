#include "InfoAnzeigen.h"

#include "Fakes.h"
#include "QtAusgabe.h"

#include <gtest/gtest.h>

// A racer looking for the files finds each path whole on a line of its own.
TEST(InfoAnzeigen, NenntVersionLizenzUndDieOrteDerDateien) {
    FakeDialoge dialoge;
    InfoAnzeigen(dialoge, {"3.0", "6.4.2", "/home/anna/.config/rundomat/rundomat.conf",
                           "/home/anna/.local/share/rundomat/hof.ini",
                           "/home/anna/.local/share/rundomat", ""});
    ASSERT_EQ(dialoge.meldungen.size(), 1u);
    EXPECT_TRUE(dialoge.meldungen[0].titel.endsWith(" - Version 3.0"));
    const QStringList zeilen = dialoge.meldungen[0].text.split("\r\n");
    EXPECT_EQ(zeilen[0], "Rundomat 3.0");
    EXPECT_TRUE(zeilen.contains("Qt-Version: 6.4.2"));
    EXPECT_TRUE(zeilen.contains("Einstellungen: /home/anna/.config/rundomat/rundomat.conf"));
    EXPECT_TRUE(zeilen.contains("Hall of Fame: /home/anna/.local/share/rundomat/hof.ini"));
    EXPECT_TRUE(
        zeilen.contains("Ergebnisdateien und Rennverlauf: /home/anna/.local/share/rundomat"));
    EXPECT_TRUE(dialoge.meldungen[0].text.contains("GPL-3.0-or-later"));
    EXPECT_FALSE(dialoge.meldungen[0].text.contains("example"));
    EXPECT_FALSE(dialoge.meldungen[0].text.contains("Zuschauerseite"));
}

// With the live page on, the address to type on a phone is there too.
TEST(InfoAnzeigen, NenntDieZuschauerseiteWennSieLaeuft) {
    FakeDialoge dialoge;
    InfoAnzeigen(dialoge, {"3.0", "6.4.2", "a", "b", "c", "http://192.168.1.20:8080/"});
    EXPECT_TRUE(dialoge.meldungen[0].text.split("\r\n").contains(
        "Zuschauerseite: http://192.168.1.20:8080/"));
}
