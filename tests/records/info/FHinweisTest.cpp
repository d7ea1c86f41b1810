#include "FHinweis.h"

#include <QFile>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {
QPlainTextEdit* textfeld(FHinweis& fenster) {
    return fenster.findChild<QPlainTextEdit*>("TeHinweis");
}
} // namespace

TEST(FHinweis, ZeigtReadmeSchreibgeschuetztInFesterSchrift) {
    QTemporaryDir ordner;
    QFile datei(ordner.filePath("readme.txt"));
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write("Zeile eins\r\nZeile zwei\r\n");
    datei.close();

    FHinweis fenster(datei.fileName());
    fenster.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenster));
    EXPECT_EQ(fenster.windowTitle(), "Hinweis");
    QPlainTextEdit* feld = textfeld(fenster);
    ASSERT_NE(feld, nullptr);
    EXPECT_EQ(feld->toPlainText(), "\nZeile eins\nZeile zwei");
    EXPECT_TRUE(feld->isReadOnly());
    EXPECT_TRUE(QFontInfo(feld->font()).fixedPitch());
    EXPECT_TRUE(feld->horizontalScrollBar()->isVisible());
    EXPECT_TRUE(feld->verticalScrollBar()->isVisible());

    feld->setFocus();
    QTest::keyClicks(feld, "x");
    EXPECT_EQ(feld->toPlainText(), "\nZeile eins\nZeile zwei");
}

TEST(FHinweis, OhneReadmeEinHinweisImFenster) {
    QTemporaryDir ordner;
    FHinweis fenster(ordner.filePath("readme.txt"));
    EXPECT_TRUE(
        textfeld(fenster)->toPlainText().startsWith("Die Datei readme.txt wurde nicht gefunden: "));
}
