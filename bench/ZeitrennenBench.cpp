// How late a race by time ends: ten real-time races of 10 s with the rule Sofort on the
// track simulator, timed by the system clock as in the program. The end's delay is the race
// clock at the race end less the race's duration.
#include "Fakes.h"
#include "Leitungsbehandlung.h"
#include "QtWecker.h"
#include "QtZeitgeber.h"
#include "Rennen.h"
#include "Simulationsport.h"

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <cstdio>

namespace {
class Endmessung final : public Rennbeobachter {
public:
    explicit Endmessung(Uhr& uhr) : m_uhr(uhr) {}
    void rennende(const Rennen& r, int) override {
        const double rennzeit = r.signalzeit(m_uhr.ticks()) - r.stand().startzeit;
        verspaetungen.push_back((rennzeit - r.einstellungen().renndauer) * 1000);
        QTimer::singleShot(200, [] { QCoreApplication::exit(); });
    }
    std::vector<double> verspaetungen;

private:
    Uhr& m_uhr;
};
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    Systemuhr uhr;
    FakeUhr boxuhr, platinenuhr;
    QtZeitgeber countdown, boxwacht;
    QtWecker wecker;
    FakeDialoge dialoge;
    FakeKlang klang;
    FakeBox box;
    FakeSpeicher speicher;
    FakeRekorde rekorde;
    Rennen rennen({uhr, boxuhr, platinenuhr, countdown, boxwacht, wecker, dialoge, klang, box,
                   speicher, rekorde});
    countdown.beiJedemTick([&] { rennen.countdownTick(); });
    boxwacht.beiJedemTick([&] { rennen.boxwachtTick(); });
    wecker.beimWecken([&] { rennen.rennzeitTick(); });
    Leitungsbehandlung leitungen(rennen);
    Simulationsport simulation(rennen, uhr, 2.5);
    simulation.beiLeitungsereignis(
        [&](int, const Leitungsereignis& e) { leitungen.leitungGeaendert(e); });
    Endmessung messung(uhr);
    rennen.beobachterAnmelden(messung);

    Renneinstellungen e;
    e.rennart = Rennlaenge::Zeit;
    e.renndauer = 10;
    e.zielregel = Zielregel::Sofort;
    rennen.einstellungenAnwenden(e);
    simulation.SchnittstelleOeffnen(NormalOeffnen);
    for (int nummer = 0; nummer < 10; ++nummer) {
        rennen.startGedrueckt();
        app.exec();
    }
    const double groesste =
        *std::max_element(messung.verspaetungen.begin(), messung.verspaetungen.end());
    std::printf("figure timed_race_end_error_max %.3f ms\n", groesste);
    return 0;
}
