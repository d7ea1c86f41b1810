#include "Hinweistext.h"

#include "QtAusgabe.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Hinweistext, JedeZeileFolgtEinemZeilenumbruch) {
    const struct {
        QByteArray datei;
        QString text;
    } faelle[] = {
        {"", ""},
        {"Eine Zeile", "\r\nEine Zeile"},
        {"Eine Zeile\r\n", "\r\nEine Zeile"},
        {"eins\r\nzwei\r\n", "\r\neins\r\nzwei"},
        {"eins\nzwei\n", "\r\neins\r\nzwei"},
        {"eins\rzwei", "\r\neins\r\nzwei"},
        {"eins\n\r\n\nvier", "\r\neins\r\n\r\n\r\nvier"},
        {"\r\n", "\r\n"},
        {"\n\n", "\r\n\r\n"},
    };
    for (const auto& fall : faelle)
        EXPECT_EQ(hinweistextBauen(fall.datei), fall.text) << fall.datei.toStdString();
}

TEST(Hinweistext, DateiIstUtf8OderSonstWindows1252) {
    EXPECT_EQ(hinweistextBauen("F\xC3\xBC\x68rer"), "\r\nFührer");
    EXPECT_EQ(hinweistextBauen("\xEF\xBB\xBFStart"), "\r\nStart");
    // A copy saved by an older editor: every umlaut and the euro sign as typed.
    EXPECT_EQ(hinweistextBauen("f\xFCr 5 \x80\nweiter"), "\r\nfür 5 €\r\nweiter");
}

TEST(Hinweistext, LiestDieReadme) {
    QTemporaryDir ordner;
    QFile datei(ordner.filePath("readme.txt"));
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write("Hinweise\r\n\r\nViel Spa\xC3\x9F!\r\n");
    datei.close();
    EXPECT_EQ(hinweistextLesen(datei.fileName()), "\r\nHinweise\r\n\r\nViel Spaß!");
}

TEST(Hinweistext, OhneLesbareDateiEinHinweis) {
    QTemporaryDir ordner;
    const QString readme = ordner.filePath("readme.txt");
    EXPECT_EQ(hinweistextLesen(readme), "Die Datei readme.txt wurde nicht gefunden: " + readme);

    ASSERT_TRUE(QDir(ordner.path()).mkdir("readme.txt"));
    EXPECT_TRUE(hinweistextLesen(readme).startsWith("Die Datei readme.txt wurde nicht"));
}
