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

TEST(Hinweistext, DateiIstUtf8) {
    EXPECT_EQ(hinweistextBauen("F\xC3\xBC\x68rer"), "\r\nFührer");
    EXPECT_EQ(hinweistextBauen("\xEF\xBB\xBFStart"), "\r\nStart");
    // A stray Latin-1 byte becomes a replacement character, and the rest survives.
    EXPECT_EQ(hinweistextBauen("R\xFC\x63k\nweiter"), "\r\nR\uFFFDck\r\nweiter");
}

TEST(Hinweistext, LiestReadmeAusDemDatenverzeichnis) {
    QTemporaryDir ordner;
    QFile datei(ordner.filePath("readme.txt"));
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write("Hinweise\r\n\r\nViel Spa\xC3\x9F!\r\n");
    datei.close();
    EXPECT_EQ(hinweistextLesen(ordner.path()), "\r\nHinweise\r\n\r\nViel Spaß!");
}

TEST(Hinweistext, OhneLesbareDateiEinHinweis) {
    QTemporaryDir ordner;
    EXPECT_EQ(hinweistextLesen(ordner.path()),
              "Die Datei readme.txt wurde nicht gefunden: " + ordner.filePath("readme.txt"));

    ASSERT_TRUE(QDir(ordner.path()).mkdir("readme.txt"));
    EXPECT_TRUE(hinweistextLesen(ordner.path()).startsWith("Die Datei readme.txt wurde nicht"));
}
