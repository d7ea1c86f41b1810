#include "Windows1252.h"

#include "QtAusgabe.h"

#include <gtest/gtest.h>

TEST(Windows1252, UmlauteUndEuroZeichenHabenIhreBytes) {
    const QString text = QStringLiteral("Jürgen Größe € „Zoë“ – Œuvre");
    const QByteArray bytes = Windows1252::kodieren(text);
    EXPECT_EQ(bytes, QByteArray("J\xFCrgen Gr\xF6\xDF\x65 \x80 \x84Zo\xEB\x93 \x96 \x8Cuvre"));
    EXPECT_EQ(Windows1252::dekodieren(bytes), text);
}

TEST(Windows1252, JedesByteUeberstehtDenHinUndRueckweg) {
    QByteArray alle;
    for (int b = 0; b < 256; ++b)
        alle.append(static_cast<char>(b));
    const QString text = Windows1252::dekodieren(alle);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(Windows1252::kodieren(text), alle);
    EXPECT_EQ(text[0x80], QChar(0x20AC));
    EXPECT_EQ(text[0x9F], QChar(0x0178));
    EXPECT_EQ(text[0x81], QChar(0x0081)) << "a byte without a character keeps its number";
}

TEST(Windows1252, UnbekannteZeichenWerdenJeEinFragezeichen) {
    // A Cyrillic letter, a control character the code page has no place for, an emoji
    // (two UTF-16 units) and a lone surrogate.
    const QString text = QStringLiteral("Ж") + QChar(0x0080) + QStringLiteral("🏁") + QChar(0xD800) +
                         QStringLiteral("x");
    EXPECT_EQ(Windows1252::kodieren(text), QByteArray("????x"));
}
