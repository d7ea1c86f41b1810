// Figures of race control: a penalty given or taken back in a race of 10,000 laps a lane
// (the penalty itself and the result put right after it), and the automatic track call's
// latency from the moment a lane is overdue to the crash pause, on the real clock and timer.
// Printed as "figure <name> <value> <unit>".
#include "QtWecker.h"
#include "Rennbahn.h"
#include "Strafwertung.h"
#include "Streckenrufwacht.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>
#include <algorithm>
#include <cstdio>

namespace {

double ms(const QElapsedTimer& uhr) {
    return double(uhr.nsecsElapsed()) / 1e6;
}

// The slower of giving a penalty at lap 9,999 and putting the ended race's result right
// with it and again without it.
double strafeNeuBerechnen() {
    constexpr int Runden = 10'000;
    Rennbahn b;
    b.runden(Runden);
    b.starten();
    double gegeben = 0;
    for (int runde = 0; runde <= Runden; ++runde)
        for (int spur = 1; spur <= 2; ++spur) {
            if (runde == Runden - 1 && spur == 1) {
                b.bei(runde * 4.0);
                QElapsedTimer uhr;
                uhr.start();
                b.rennen.strafeGeben(2, Strafart::Zeit, 5, QStringLiteral("Rennleitung"));
                gegeben = ms(uhr);
            }
            b.signal(spur, runde * (4.0 + 0.1 * spur));
        }
    // A race that did not run to its end, or refused the penalty, measures nothing.
    if (b.stand().strafen.size() != 1 || b.stand().gestartet || b.spur(1).runden.size() != Runden)
        return 1e9;
    Rennstand stand = b.stand();
    const Laufergebnis vorher = b.rennen.ergebnis().letzterLauf();
    double werten = 0;
    for (int mit = 0; mit < 2; ++mit) {
        if (mit == 0)
            stand.strafen.push_back({0, 1, Strafart::Zeit, 5, 100, QStringLiteral("Rennleitung")});
        else
            stand.strafen.clear();
        Laufergebnis lauf = vorher;
        QElapsedTimer uhr;
        uhr.start();
        strafenWerten(lauf, stand);
        werten = std::max(werten, ms(uhr));
    }
    return gegeben + werten;
}

// Lane 1 drives three laps of 60 ms and stops; the watch on a real timer calls the pause.
// Milliseconds from the overdue moment to the pause.
double streckenrufVerzug() {
    Systemuhr systemuhr;
    Rennbahn b({&systemuhr});
    b.einstellen([](Renneinstellungen& e) {
        e.rundenzahl = 10;
        e.freieSpuren = 0b10;
        e.streckenrufautomatik = true;
    });
    QtWecker wecker;
    Streckenrufwacht wacht(
        wecker, [&] { return b.rennen.signalzeit(systemuhr.ticks()) - b.stand().startzeit; },
        [&](int spur) { b.rennen.streckenrufAusloesen(spur); });
    wecker.beimWecken([&] { wacht.wecken(b.rennen); });
    b.rennen.beobachterAnmelden(wacht);
    b.rennen.startGedrueckt();
    b.countdown(50);
    for (int runde = 0; runde <= 3; ++runde) {
        b.rennen.handrunde(1);
        QThread::msleep(60);
    }
    const Spurstand& s = b.spur(1);
    const double faellig = b.stand().startzeit + s.rundenbeginn + 3 * medianRunde(s.runden);
    QEventLoop schleife;
    while (!b.stand().crashPause)
        schleife.processEvents(QEventLoop::WaitForMoreEvents);
    return (b.stand().pausenBeginn / 1000.0 - faellig) * 1000;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication anwendung(argc, argv);
    double strafe = 0;
    for (int versuch = 0; versuch < 3; ++versuch)
        strafe = std::max(strafe, strafeNeuBerechnen());
    std::printf("figure penalty_recompute_10000_laps %.3f ms\n", strafe);
    double verzug = 0;
    for (int versuch = 0; versuch < 10; ++versuch)
        verzug = std::max(verzug, streckenrufVerzug());
    std::printf("figure track_call_latency %.3f ms\n", verzug);
    return strafe < 20 && verzug < 50 ? 0 : 1;
}
