#include "InfoAnzeigen.h"

#include "Fakes.h"
#include "QtAusgabe.h"

#include <gtest/gtest.h>

TEST(InfoAnzeigen, EineMeldungMitVersionUndKontakt) {
    FakeDialoge dialoge;
    InfoAnzeigen(dialoge);
    ASSERT_EQ(dialoge.meldungen.size(), 1u);
    EXPECT_TRUE(dialoge.meldungen[0].titel.endsWith(" - Version 3.0"));

    const QString& text = dialoge.meldungen[0].text;
    EXPECT_EQ(text.count('\n'), text.count("\r\n"));
    const QStringList zeilen = text.split("\r\n");
    ASSERT_EQ(zeilen.size(), 12);
    for (int i : {0, 1, 2, 7, 9})
        EXPECT_FALSE(zeilen[i].isEmpty()) << i;
    for (int i : {3, 6, 8, 10})
        EXPECT_TRUE(zeilen[i].isEmpty()) << i;
    EXPECT_TRUE(zeilen[4].startsWith("eMail: "));
    EXPECT_GT(zeilen[4].size(), 7);
    EXPECT_TRUE(zeilen[5].startsWith("Updates und Support unter: "));
    EXPECT_EQ(zeilen[11], "Version 3.0");
}
