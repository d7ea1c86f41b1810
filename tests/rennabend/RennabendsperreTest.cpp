#include "Rennabendsperre.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
const QString Abend = QStringLiteral("6f1c2b0e-1d2a-4f7e-9a55-0c3d5e7f9a11");
const QString Anderer = QStringLiteral("0b9e8d7c-6a5f-4e3d-8c2b-1a0f9e8d7c6b");

QString einzigeSperrdatei(const QTemporaryDir& ordner) {
    const QStringList dateien =
        QDir(ordner.path()).entryList({QStringLiteral("rennabend-*.lock")}, QDir::Files);
    return dateien.size() == 1 ? QDir(ordner.path()).filePath(dateien[0]) : QString();
}
} // namespace

// Two programs on one data folder (here two marks in one process, which QLockFile keeps
// apart the same way): the second is told who drives the night, may drive another one, and
// gets the night once the first has given it up or gone on to another.
TEST(Rennabendsperre, EinAbendWirdNurVonEinemProgrammGefahren) {
    QTemporaryDir ordner;
    Rennabendsperre erster(ordner.path()), zweiter(ordner.path());
    EXPECT_EQ(erster.halten(Abend), std::nullopt);
    EXPECT_EQ(erster.halten(Abend), std::nullopt); // held already
    EXPECT_EQ(zweiter.halten(Abend),
              QStringLiteral("Prozess %1").arg(QCoreApplication::applicationPid()));
    EXPECT_EQ(zweiter.halten(Anderer), std::nullopt);
    EXPECT_TRUE(erster.halten(Anderer).has_value());
    // The first has given its night up by asking for another.
    EXPECT_EQ(zweiter.halten(Abend), std::nullopt);
    EXPECT_EQ(erster.halten({}), std::nullopt);
    EXPECT_EQ(QDir(ordner.path()).entryList({QStringLiteral("*.lock")}, QDir::Files).size(), 1);
}

// A mark left by a program that has died is taken over, and then names this program; a
// folder that takes no lock file lets the night go on unmarked.
TEST(Rennabendsperre, MarkeEinesGestorbenenProgramms) {
    QTemporaryDir ordner;
    QString pfad;
    {
        Rennabendsperre frueher(ordner.path());
        ASSERT_EQ(frueher.halten(Abend), std::nullopt);
        pfad = einzigeSperrdatei(ordner);
    }
    ASSERT_FALSE(pfad.isEmpty());
    QProcess gestorben;
    gestorben.start(QStringLiteral("true"), {});
    ASSERT_TRUE(gestorben.waitForStarted());
    const qint64 pid = gestorben.processId();
    ASSERT_TRUE(gestorben.waitForFinished());
    // The mark as the program left it: its PID, its name and this host.
    QFile datei(pfad);
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write(QByteArray::number(pid) + "\nrundomat\n" + QSysInfo::machineHostName().toUtf8() +
                "\n");
    datei.close();

    Rennabendsperre jetzt(ordner.path()), daneben(ordner.path());
    EXPECT_EQ(jetzt.halten(Abend), std::nullopt);
    EXPECT_EQ(daneben.halten(Abend),
              QStringLiteral("Prozess %1").arg(QCoreApplication::applicationPid()));

    Rennabendsperre ohneOrdner(ordner.filePath(QStringLiteral("fehlt")));
    EXPECT_EQ(ohneOrdner.halten(Abend), std::nullopt);
}
