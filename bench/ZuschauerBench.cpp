// Figures of the live page: how long from a lap counted on the GUI thread until an open
// page in another process has the WebSocket message that shows it, with 50 pages open, all
// on 127.0.0.1: on two lanes, lane 1 lapping, and on eight, the lanes lapping in turn, so
// each update carries all eight. Printed as "figure <name> <value> <unit>".
#include "Rennbahn.h"
#include "Webpublikum.h"

#include <QTimer>
#include <algorithm>
#include <map>
#include <optional>

namespace {
using Stoppuhr = std::chrono::steady_clock;
// Laps 20 ms apart: far quicker than cars, slow enough that each one is sent on its own.
constexpr int Runden = 250;
constexpr auto Rundenabstand = std::chrono::milliseconds(20);

// The 99th percentile in ms of the laps reaching the pages; none when too few arrived. On
// two lanes lane 1 laps, on more each lane in turn.
std::optional<double> p99(QCoreApplication& app, int spurenzahl) {
    Systemuhr uhr;
    Rennbahn bahn({.systemuhr = &uhr});
    Rennen& rennen = bahn.rennen;
    bahn.einstellen([&](Renneinstellungen& e) {
        e.ohneCountdown = true;
        e.prellzeit = 0;
        e.rundenzahl = 1'000'000;
        e.spuranzahl = spurenzahl;
    });

    Webpublikum publikum(rennen);
    if (!publikum.starten(0, 20))
        return std::nullopt;
    rennen.startGedrueckt();
    for (int spur = spurenzahl; spur >= 1; --spur)
        rennen.handrunde(spur); // the flying start: lap 1 begins

    // When each "laps driven" of the lanes came to be.
    std::map<QByteArray, Stoppuhr::time_point> runde;
    QTimer takt;
    takt.setTimerType(Qt::PreciseTimer);
    int naechste = 0;
    QObject::connect(&takt, &QTimer::timeout, [&] {
        const auto jetzt = Stoppuhr::now();
        rennen.handrunde(spurenzahl == 2 ? 1 : naechste++ % spurenzahl + 1);
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
        std::fprintf(stderr, "%d lanes: only %zu of %zu updates arrived\n", spurenzahl,
                     millisekunden.size(), erwartet);
        return std::nullopt;
    }
    std::sort(millisekunden.begin(), millisekunden.end());
    return millisekunden[millisekunden.size() * 99 / 100];
}
} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    for (const auto& [spuren, name] :
         {std::pair{2, "web_update_latency_p99"}, std::pair{8, "web_update_latency_p99_8_lanes"}}) {
        const std::optional<double> wert = p99(app, spuren);
        if (!wert)
            return 1;
        std::printf("figure %s %.3f ms\n", name, *wert);
        std::fflush(stdout);
    }
    return 0;
}
