// German numbers as a racer says them, and names that are not fit to be spoken as they
// are.
#include "Ansagetext.h"
#include "Zahlwoerter.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

TEST(Wortlaut, ZahlenAufDeutsch) {
    const std::pair<std::int64_t, const char*> faelle[] = {
        {0, "null"},
        {1, "eins"},
        {7, "sieben"},
        {16, "sechzehn"},
        {17, "siebzehn"},
        {21, "einundzwanzig"},
        {30, "dreißig"},
        {99, "neunundneunzig"},
        {100, "hundert"},
        {101, "hunderteins"},
        {111, "hundertelf"},
        {201, "zweihunderteins"},
        {1000, "tausend"},
        {1001, "tausendeins"},
        {2024, "zweitausendvierundzwanzig"},
        {1'000'000, "eine Million"},
        {2'000'001, "zwei Millionen eins"},
        {1'000'021'000, "eine Milliarde einundzwanzigtausend"},
        // Million and Milliarde are feminine: a final one agrees, one inside does not.
        {21'000'000, "einundzwanzig Millionen"},
        {1'001'000'000, "eine Milliarde eine Million"},
        {101'101'101'101,
         "hunderteine Milliarden hunderteine Millionen hunderteintausendhunderteins"},
        {-3, "minus drei"},
    };
    for (const auto& [zahl, wort] : faelle)
        EXPECT_EQ(Zahlwoerter::zahlwort(zahl), QString::fromUtf8(wort)) << zahl;
}

TEST(Wortlaut, ZeitenAufDieHundertstel) {
    const std::pair<double, const char*> faelle[] = {
        {4.213, "vier Komma zwei eins"},
        {3.98, "drei Komma neun acht"},
        {12.5, "zwölf Komma fünf null"},
        {0.004, "null Komma null null"},
        {4.215, "vier Komma zwei zwei"}, // halves to the even hundredth, from the thousandths
        {4.225, "vier Komma zwei zwei"},
        {59.996, "sechzig Komma null null"},
        {121.07, "hunderteinundzwanzig Komma null sieben"},
    };
    for (const auto& [sekunden, text] : faelle)
        EXPECT_EQ(Zahlwoerter::sekunden(sekunden), QString::fromUtf8(text)) << sekunden;
    EXPECT_EQ(Zahlwoerter::sekunden(std::nan("")), "");
    EXPECT_EQ(Zahlwoerter::sekunden(std::numeric_limits<double>::infinity()), "");
    EXPECT_EQ(Zahlwoerter::sekunden(1e300), "");
}

// A gap is always worth saying: below a hundredth in milliseconds, and nothing but the
// winner when the gap is no number.
TEST(Wortlaut, VorsprungSagtAuchDieKnappsteEntscheidung) {
    const std::pair<double, const char*> faelle[] = {
        {0.006, "Vorsprung null Komma null eins Sekunden"},
        {0.005, "Vorsprung fünf Millisekunden"}, // rounds to no hundredth
        {0.001, "Vorsprung eine Millisekunde"},
        {0.0, "hauchdünner Vorsprung"},
        {std::nan(""), ""},
    };
    for (const auto& [sekunden, text] : faelle)
        EXPECT_EQ(Ansagetext::vorsprung(sekunden), QString::fromUtf8(text)) << sekunden;
    EXPECT_EQ(Ansagetext::sieg("Anna", std::nan(""), 1), "Erster Lauf: Anna vorn");
    EXPECT_EQ(Ansagetext::sieg("Anna", std::nan(""), 3), "Dritter Lauf: Anna vorn");
    EXPECT_EQ(Ansagetext::sieg("Anna", std::nan(""), 0), "Anna gewinnt");
}

TEST(Wortlaut, NamenWerdenGesprochenWieGeschriebenOderSinnvollGekuerzt) {
    using Ansagetext::sprechbarerName;
    EXPECT_EQ(sprechbarerName("Jean-Luc O'Brien"), "Jean-Luc O'Brien");
    EXPECT_EQ(sprechbarerName("  Anna\t\n"), "Anna");
    EXPECT_EQ(sprechbarerName("<b>Anna</b> &amp; Bernd"), "Anna Bernd");
    EXPECT_EQ(sprechbarerName("Ann\x01\x1b[31ma"), "Ann 31ma");
    EXPECT_EQ(sprechbarerName("--Anna--"), "Anna");
    EXPECT_EQ(sprechbarerName("René ☺ 🏎"), "René");
    EXPECT_EQ(sprechbarerName("12345"), "12345");
    EXPECT_EQ(sprechbarerName("<<>>"), "");
    EXPECT_EQ(sprechbarerName(QString(10'000, 'x')), QString(Ansagetext::LaengsterName, 'x'));
    EXPECT_EQ(sprechbarerName("Maximilian Alexander von und zu Hohenberg-Sulz"),
              "Maximilian Alexander von und zu")
        << "cut at the last word that fits";
    EXPECT_EQ(Ansagetext::fahrer("\x07", 2), "Spur zwei");
    EXPECT_EQ(Ansagetext::hallOfFame("", 1), "Platz eins in der Hall of Fame");
    EXPECT_EQ(Ansagetext::runde({"Anna", std::nan(""), true, 1}), "Anna, letzte Runde")
        << "a time that cannot be said is left out";
}
