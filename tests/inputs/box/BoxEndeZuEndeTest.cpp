#include "Datenport.h"
#include "JnutlBibliothek.h"
#include "RaceControlEmpfang.h"
#include "Rennbahn.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The lane's passages as the emulator printed them, in box ticks.
std::vector<std::int64_t> durchfahrten(const QString& ausgabe, int spur) {
    const QRegularExpression zeile(QStringLiteral("Spur %1: Durchfahrt, Boxzeit (\\d+)").arg(spur));
    std::vector<std::int64_t> ticks;
    for (auto treffer = zeile.globalMatch(ausgabe); treffer.hasNext();)
        ticks.push_back(treffer.next().captured(1).toLongLong());
    return ticks;
}

} // namespace

TEST(BoxEndeZuEnde, DerEmulatorFaehrtEinRennenUeberDasPseudoterminal) {
    QProcess emulator;
    // The box clock wraps 1.5 s after switch-on; garbage between the frames.
    emulator.start(QStringLiteral(EMULATOR_PFAD),
                   {"--lap", "0.6", "--seed", "3", "--noise", "--clock-start", "4294960000"});
    ASSERT_TRUE(emulator.waitForStarted());
    ASSERT_TRUE(emulator.waitForReadyRead(5000));
    const QString pfad = QString::fromLocal8Bit(emulator.readLine()).trimmed();

    Datenport MSCommRC(4800);
    ASSERT_TRUE(MSCommRC.oeffnen(pfad));

    JnutlBibliothek box({QStringLiteral(JNUTL_PFAD)});
    BoxUhr boxuhr(box);
    Rennbahn b({.boxuhr = &boxuhr, .box = &box});
    Rennen& rennen = b.rennen;
    RaceControlEmpfang empfang(rennen, box, boxuhr, b.dialoge);
    MSCommRC.beiEmpfang([&](const QByteArray& bytes) { empfang.empfangen(bytes); });

    // The cars are driving already: a flying start, as a countdown would see a false start.
    rennen.RaceControl = true;
    rennen.OhneCountdown = true;
    rennen.Rundenzahl = 4;
    rennen.Prellzeit = 0.2;
    rennen.LaStart_Click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return rennen.Fertig[1] && rennen.Fertig[2]; }, 20000));
    emulator.kill();
    emulator.waitForFinished();
    const QString ausgabe = QString::fromLocal8Bit(emulator.readAllStandardOutput());

    EXPECT_TRUE(b.dialoge.meldungen.empty()) << b.dialoge.meldungen.front().text.toStdString();
    for (int spur = 1; spur <= 2; ++spur) {
        const std::vector<std::int64_t> ticks = durchfahrten(ausgabe, spur);
        ASSERT_EQ(rennen.Rundenzeiten[spur].size(), 5u);
        for (std::size_t n = 1; n <= 4; ++n) {
            const double rundenzeit = rennen.Rundenzeiten[spur][n];
            EXPECT_GT(rundenzeit, 0.25) << spur << "/" << n;
            EXPECT_LT(rundenzeit, 1.6) << spur << "/" << n;
            if (n == 1)
                continue; // timed from the clock's start, not from a passage of its own
            // Exactly the box's time between two passages, to the millisecond.
            bool gefunden = false;
            for (std::size_t k = 1; k < ticks.size(); ++k) {
                const double abstand = double(std::uint32_t(ticks[k] - ticks[k - 1])) / 4800;
                gefunden = gefunden || std::abs(abstand - rundenzeit) < 0.002;
            }
            EXPECT_TRUE(gefunden) << spur << "/" << n << ": " << rundenzeit << "\n"
                                  << ausgabe.toStdString();
        }
    }
}
