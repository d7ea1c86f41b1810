// The notes window shows readme.txt in a fixed-pitch text box of about 80 columns, and
// reads it as UTF-8: a wider line or a stray byte would show as a broken text.
#include <QFile>
#include <QStringDecoder>
#include <gtest/gtest.h>

TEST(Readme, IstUtf8UndPasstIn80Spalten) {
    QFile datei(QStringLiteral(README));
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    const QByteArray roh = datei.readAll();
    ASSERT_FALSE(roh.isEmpty());

    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(roh);
    ASSERT_FALSE(utf8.hasError());
    EXPECT_TRUE(text.contains(QStringLiteral("Prellzeit")));
    const QStringList zeilen = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        EXPECT_LE(zeilen[i].size(), 80) << "line " << i + 1;
        EXPECT_FALSE(zeilen[i].contains(QLatin1Char('\t'))) << "line " << i + 1;
    }
}
