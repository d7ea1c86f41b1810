// The real voice on a machine without an audio device: silent, never in the way, and done
// with every text it was not told to drop.
#include "EspeakSprecher.h"

#include <QElapsedTimer>
#include <QTest>
#include <gtest/gtest.h>

TEST(EspeakSprecher, OhneTonausgabeStummAberFertig) {
    EspeakSprecher sprecher;
    QStringList fertig;
    QElapsedTimer uhr;
    uhr.start();
    sprecher.sprechen("vier Komma zwei eins", {175, 100}, [&] { fertig << "erste"; });
    sprecher.verstummen();
    sprecher.sprechen("Anna gewinnt", {175, 100}, [&] { fertig << "zweite"; });
    sprecher.sprechen("Vorsprung eins Komma null null Sekunden", {175, 100},
                      [&] { fertig << "dritte"; });
    EXPECT_LT(uhr.elapsed(), 50) << "sprechen returns at once";
    EXPECT_TRUE(QTest::qWaitFor([&] { return !fertig.isEmpty(); }, 5000));
    QTest::qWait(100);
    EXPECT_EQ(fertig, QStringList{"dritte"}) << "a text that was cut or replaced never ends";
}
