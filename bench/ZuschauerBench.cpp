// Figure of the live page: how long from a lap counted on the GUI thread until an open
// page in another process has the WebSocket message that shows it, with 50 pages open, all
// on 127.0.0.1. Printed as "figure <name> <value> <unit>".
#include "Rennbahn.h"
#include "Webpublikum.h"

#include <QTimer>
#include <algorithm>
#include <map>

namespace {
using Stoppuhr = std::chrono::steady_clock;
// Laps 20 ms apart: far quicker than cars, slow enough that each one is sent on its own.
constexpr int Runden = 250;
constexpr auto Rundenabstand = std::chrono::milliseconds(20);
} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    Systemuhr uhr;
    Rennbahn bahn({.systemuhr = &uhr});
    Rennen& rennen = bahn.rennen;
    bahn.einstellen([](Renneinstellungen& e) {
        e.ohneCountdown = true;
        e.prellzeit = 0;
        e.rundenzahl = 1'000'000;
    });

    Webpublikum publikum(rennen);
    if (!publikum.starten(0, 20))
        return 1;
    rennen.startGedrueckt();
    rennen.handrunde(1); // the flying start: lap 1 begins

    // When each "laps driven" text came to be.
    std::map<QByteArray, Stoppuhr::time_point> runde;
    QTimer takt;
    takt.setTimerType(Qt::PreciseTimer);
    QObject::connect(&takt, &QTimer::timeout, [&] {
        const auto jetzt = Stoppuhr::now();
        rennen.handrunde(1);
        runde.emplace(publikum.runden(), jetzt);
        if (runde.size() == Runden) {
            takt.stop();
            QTimer::singleShot(500, &app, &QCoreApplication::quit);
        }
    });
    takt.start(Rundenabstand);
    app.exec();

    std::vector<double> millisekunden;
    for (const Webpublikum::Empfang& e : publikum.beenden())
        if (const auto r = runde.find(e.runden); r != runde.end())
            millisekunden.push_back(
                std::chrono::duration<double, std::milli>(e.zeit - r->second).count());
    const std::size_t erwartet = std::size_t{Runden} * Webpublikum::Seiten;
    if (millisekunden.size() < erwartet * 9 / 10) {
        std::fprintf(stderr, "only %zu of %zu updates arrived\n", millisekunden.size(), erwartet);
        return 1;
    }
    std::sort(millisekunden.begin(), millisekunden.end());
    std::printf("figure web_update_latency_p99 %.3f ms\n",
                millisekunden[millisekunden.size() * 99 / 100]);
    return 0;
}
