// Serves the live page of a race of the given lanes, driven through the race model's test
// track to its half: ten laps to drive, the lanes lapping in 2 to 2.7 seconds, every driver
// with a name of thirty characters. For the page's test in a browser: prints "bereit PORT"
// once it listens on 127.0.0.1 and serves until it is killed, or for two minutes.
//   rundomat-seitenprobe SPUREN
#include "VieleSpurenBahn.h"
#include "Webserver.h"

#include <QCoreApplication>
#include <QTimer>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int spurenzahl = argc > 1 ? std::atoi(argv[1]) : 0;
    if (spurenzahl < KleinsteSpurenzahl || spurenzahl > GroessteSpurenzahl) {
        std::fprintf(stderr, "Aufruf: rundomat-seitenprobe SPUREN (2 bis 8)\n");
        return 2;
    }
    VieleSpurenBahn<> bahn(spurenzahl);
    bahn.runden(10);
    std::vector<double> zeiten;
    for (int spur = 1; spur <= spurenzahl; ++spur) {
        bahn.rennen.fahrerBenennen(spur,
                                   QStringLiteral("Maximilian-Alexander Hohenber%1").arg(spur));
        zeiten.push_back(2 + 0.1 * ((spur * 5) % spurenzahl));
    }
    bahn.farbenSetzen();
    bahn.laeufe(zeiten, 5);

    Webserver web;
    web.veroeffentlichen(bahn.ansicht());
    if (const auto fehler = web.starten({QStringLiteral("127.0.0.1"), 0})) {
        std::fprintf(stderr, "%s\n", qPrintable(*fehler));
        return 1;
    }
    std::printf("bereit %d\n", web.port());
    std::fflush(stdout);
    QTimer::singleShot(120'000, &app, &QCoreApplication::quit);
    return app.exec();
}
