#include "Zahlenformat.h"

#include "QtAusgabe.h"

#include <QLocale>
#include <clocale>
#include <gtest/gtest.h>

using namespace Zahlenformat;

namespace {
// The same texts whatever locale the system runs in.
class Zahlentexte : public ::testing::TestWithParam<QLocale::Language> {
protected:
    void SetUp() override {
        QLocale::setDefault(QLocale(GetParam()));
        std::setlocale(LC_ALL, GetParam() == QLocale::English ? "en_US.UTF-8" : "de_DE.UTF-8");
    }
    void TearDown() override {
        QLocale::setDefault(QLocale::c());
        std::setlocale(LC_ALL, "C");
    }
};
} // namespace

TEST_P(Zahlentexte, RundetHalbeZurGeradenZiffer) {
    EXPECT_DOUBLE_EQ(runden3(0.0625), 0.062);
    EXPECT_DOUBLE_EQ(runden3(0.1875), 0.188);
    EXPECT_DOUBLE_EQ(runden3(3.30000000001), 3.3);
    EXPECT_DOUBLE_EQ(rundenGanz(2.5), 2);
    EXPECT_DOUBLE_EQ(rundenGanz(3.5), 4);
    EXPECT_DOUBLE_EQ(rundenGanz(-2.5), -2);
}

TEST_P(Zahlentexte, SchreibtMitDezimalkommaOhneTausenderpunkt) {
    EXPECT_EQ(ZahlFormatieren(2.5), "2,500");
    EXPECT_EQ(ZahlFormatieren(1234.5678), "1234,568");
    EXPECT_EQ(ZahlFormatieren(0.0001), "0,000");
    EXPECT_EQ(ZahlFormatieren(-0.0001), "0,000");
    EXPECT_EQ(allgemein(5.5), "5,5");
    EXPECT_EQ(allgemein(2), "2");
    EXPECT_EQ(allgemein(12345.678), "12345,678");
    EXPECT_EQ(allgemein(1.0 / 3), "0,333333333333333");
}

TEST_P(Zahlentexte, LiestWasEsSchreibt) {
    EXPECT_EQ(zahlLesen("5,5"), 5.5);
    EXPECT_EQ(zahlLesen(" -2 "), -2.0);
    EXPECT_EQ(zahlLesen("1,5E3"), 1500.0);
    EXPECT_EQ(zahlLesen(allgemein(1.0 / 3)), 0.333333333333333);
    for (const char* keineZahl : {"", "abc", "5.5", "1.000", "1,5,5", "inf", "nan", "1e999"})
        EXPECT_EQ(zahlLesen(QString::fromLatin1(keineZahl)), std::nullopt) << keineZahl;

    EXPECT_EQ(ganzzahlLesen("2,5"), 2);
    EXPECT_EQ(ganzzahlLesen("3,5"), 4);
    EXPECT_EQ(ganzzahlLesen("-2147483648"), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(ganzzahlLesen("2147483648"), std::nullopt);
    EXPECT_EQ(ganzzahlLesen("zehn"), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Systemsprache, Zahlentexte,
                         ::testing::Values(QLocale::German, QLocale::English));
