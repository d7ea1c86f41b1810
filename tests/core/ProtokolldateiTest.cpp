// Logs written while a racer or a test reads them: a pipe nobody reads does not hold the
// program up, at the start or later.
#include "Protokolldatei.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

// Opening a pipe without a reader is the signal log's test; this one is about the lines.
TEST(Protokolldatei, EineVollePipeHaeltNichtAuf) {
    QTemporaryDir ordner;
    const QByteArray pipe = QFile::encodeName(ordner.filePath("pipe"));
    ASSERT_EQ(mkfifo(pipe.constData(), 0600), 0);

    QElapsedTimer uhr;
    uhr.start();
    // With a reader that reads nothing, the pipe fills; lines beyond are lost, not waited for.
    // A reader that goes leaves the write failing; the program ignores the signal that
    // would end it, and so does this test.
    std::signal(SIGPIPE, SIG_IGN);
    const int leser = ::open(pipe.constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(leser, 0);
    Protokolldatei mitLeser;
    ASSERT_TRUE(mitLeser.oeffnen(pipe));
    for (int i = 0; i < 10'000; ++i)
        mitLeser.zeile(QString(100, 'x'));
    ::close(leser);
    mitLeser.zeile("der Leser ist fort");
    EXPECT_LT(uhr.elapsed(), 2000);
}

TEST(Protokolldatei, HaengtAnUndSchreibtJedeZeileSofort) {
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath("log.txt");
    for (const char* text : {"erste", "zweite"}) {
        Protokolldatei datei;
        ASSERT_TRUE(datei.oeffnen(pfad));
        datei.zeile(QString::fromUtf8(text) + "\tJürgen");
        QFile lesen(pfad);
        ASSERT_TRUE(lesen.open(QIODevice::ReadOnly));
        EXPECT_TRUE(
            lesen.readAll().endsWith(QString(QString::fromUtf8(text) + "\tJürgen\n").toUtf8()));
    }
    QFile lesen(pfad);
    ASSERT_TRUE(lesen.open(QIODevice::ReadOnly));
    EXPECT_EQ(lesen.readAll(), "erste\tJürgen\nzweite\tJürgen\n");
}
