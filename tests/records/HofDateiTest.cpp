#include "HofDatei.h"

#include "Datenordner.h"
#include "QtAusgabe.h"

#include <gtest/gtest.h>

namespace {

Hofliste liste(std::initializer_list<std::pair<double, QString>> raenge) {
    Hofliste l;
    int rang = 1;
    for (const auto& [wert, name] : raenge) {
        l.HofGeschw[rang] = wert;
        l.HofName[rang++] = name;
    }
    return l;
}

} // namespace

TEST(HofDatei, GeschriebenWerdenFuenfZeilenMitDezimalkommaUndCrLf) {
    const Hofliste l = liste({{3.125, QStringLiteral("Jürgen")}, {2.5, QStringLiteral("Anna")}});
    EXPECT_EQ(HofDatei::schreiben(l), QByteArray("3,125;J\xFCrgen\r\n"
                                                 "2,5;Anna\r\n"
                                                 "0;leer\r\n"
                                                 "0;leer\r\n"
                                                 "0;leer\r\n"));
    EXPECT_EQ(HofDatei::lesen(HofDatei::schreiben(l)), l);
}

TEST(HofDatei, ZeilenumbruchImNamenZerlegtDieDateiNicht) {
    const Hofliste l = liste({{4, QStringLiteral("Max\r\nMuster\nmann")}});
    const QByteArray bytes = HofDatei::schreiben(l);
    EXPECT_EQ(bytes.count("\r\n"), 5);
    const std::optional<Hofliste> gelesen = HofDatei::lesen(bytes);
    ASSERT_TRUE(gelesen);
    EXPECT_EQ(gelesen->HofName[1], "Max  Muster mann");
}

TEST(HofDatei, WenigerAlsFuenfZeilenFuellenDenRestMitLeer) {
    const Hofliste erwartet = liste({{12.5, QStringLiteral("Eva")}, {7, QStringLiteral("Bo")}});
    for (const QByteArray& bytes :
         {QByteArray("12,5;Eva\r\n7;Bo\r\n"), QByteArray("12,5;Eva\r\n7;Bo"),
          QByteArray("12,5;Eva\n7;Bo\n"), QByteArray("12,5;Eva\r7;Bo\r")})
        EXPECT_EQ(HofDatei::lesen(bytes), erwartet) << bytes.toStdString();
    EXPECT_EQ(HofDatei::lesen(QByteArray()), Hofliste()) << "an empty file";
}

TEST(HofDatei, NamenBleibenWieGeschriebenBisZumErstenSemikolon) {
    const std::optional<Hofliste> gelesen =
        HofDatei::lesen(QByteArray("9,75;  J\xFCrgen \r\n8;Tom;Jerry;x\r\n7;\r\n 6,5 ;Ute\r\n"));
    ASSERT_TRUE(gelesen);
    EXPECT_EQ(gelesen->HofName[1], "  Jürgen ") << "leading and trailing blanks stay";
    EXPECT_EQ(gelesen->HofName[2], "Tom") << "cut at the first further ';'";
    EXPECT_EQ(gelesen->HofName[3], "") << "a cancelled name";
    EXPECT_DOUBLE_EQ(gelesen->HofGeschw[4], 6.5) << "blanks around the value are read";
    EXPECT_EQ(gelesen->HofName[5], "leer");
}

TEST(HofDatei, JedeVerletzungDesFormatsGibtKeineListe) {
    const std::vector<std::pair<const char*, QByteArray>> faelle{
        {"a line without ';'", "5;Eva\r\nAnna\r\n"},
        {"no number", "schnell;Eva\r\n"},
        {"an empty value", ";Eva\r\n"},
        {"a decimal point", "12.5;Eva\r\n"},
        {"a grouped number", "1.012,5;Eva\r\n"},
        {"infinity", "inf;Eva\r\n"},
        {"six lines", "6;a\r\n5;b\r\n4;c\r\n3;d\r\n2;e\r\n1;f\r\n"},
        {"an empty line in the middle", "6;a\r\n\r\n4;c\r\n"},
        {"an empty line at the end", "6;a\r\n\r\n"},
        {"100 KB of random bytes", zufallsbytes(100 * 1024)},
    };
    for (const auto& [fall, bytes] : faelle)
        EXPECT_FALSE(HofDatei::lesen(bytes)) << fall;
}
