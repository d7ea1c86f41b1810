#include "Programmdateien.h"

#include "QtAusgabe.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// One tree of each kind: an installed one (bin beside share/rundomat) under an arbitrary
// prefix, and a build folder or portable copy, whose files lie beside the program.
TEST(Programmdateien, InstalliertUnterShareSonstNebenDemProgramm) {
    QTemporaryDir wurzel;
    ASSERT_TRUE(QDir(wurzel.path()).mkpath("opt/usr/bin"));
    ASSERT_TRUE(QDir(wurzel.path()).mkpath("opt/usr/share/rundomat"));
    const Programmdateien installiert(wurzel.filePath("opt/usr/bin"));
    EXPECT_TRUE(installiert.installiert());
    EXPECT_EQ(installiert.pfad("start.wav"), wurzel.filePath("opt/usr/share/rundomat/start.wav"));
    EXPECT_EQ(installiert.bibliotheksordner(), wurzel.filePath("opt/usr/lib/rundomat"));

    ASSERT_TRUE(QDir(wurzel.path()).mkpath("tragbar"));
    const Programmdateien tragbar(wurzel.filePath("tragbar"));
    EXPECT_FALSE(tragbar.installiert());
    EXPECT_EQ(tragbar.pfad("readme.txt"), wurzel.filePath("tragbar/readme.txt"));
    EXPECT_EQ(tragbar.bibliotheksordner(), wurzel.filePath("tragbar"));
}
