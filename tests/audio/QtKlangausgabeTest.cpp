// The tests run without an audio device: they check that the sound output stays quiet
// and out of the race's way there, whatever it is given.
#include "QtKlangausgabe.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

TEST(QtKlangausgabe, FehlendeOderKaputteDateiBleibtStumm) {
    QTemporaryDir ordner;
    QFile kaputt(ordner.filePath("crash.wav"));
    ASSERT_TRUE(kaputt.open(QIODevice::WriteOnly));
    kaputt.write("RIFF das ist kein Klang");
    kaputt.close();

    QtKlangausgabe klang{Programmdateien(ordner.path())};
    QElapsedTimer uhr;
    uhr.start();
    klang.abspielen("start.wav");
    klang.abspielen("crash.wav");
    klang.abspielen(".");
    klang.abspielen(QString());
    EXPECT_LT(uhr.elapsed(), 200);
    QTest::qWait(200);
}

TEST(QtKlangausgabe, PiepenKehrtSofortZurueck) {
    QtKlangausgabe klang{Programmdateien(QCoreApplication::applicationDirPath())};
    QElapsedTimer uhr;
    uhr.start();
    for (int i = 0; i < 20; ++i)
        klang.piepen(500, 100);
    EXPECT_LT(uhr.elapsed(), 200);
    QTest::qWait(300);
}
