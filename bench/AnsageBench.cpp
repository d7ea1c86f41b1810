// Figures of the spoken announcements, printed as "figure <name> <value> <unit>":
//   erste-samples  from a lap signal to the moment the audio output takes the first samples
//                  of its announcement (needs an audio device: bench/ansagen.sh starts one);
//   leitung        the line benchmark while every lap is announced, which, without an audio
//                  device, keeps the voice rendering one text after the other.
#include "Ansagen.h"
#include "EspeakSprecher.h"
#include "Leitungsmessung.h"
#include "Rennbahn.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <optional>

namespace {
using Stoppuhr = std::chrono::steady_clock;
// Laps of a fast racer: the announcement of one is over before the next.
constexpr auto Rundenzeit = std::chrono::milliseconds(3000);
constexpr int Runden = 12;

void figur(const char* name, double wert, const char* einheit) {
    std::printf("figure %s %.3f %s\n", name, wert, einheit);
    std::fflush(stdout);
}

void warten(std::chrono::milliseconds dauer) {
    QEventLoop schleife;
    QTimer::singleShot(dauer, &schleife, &QEventLoop::quit);
    schleife.exec();
}

// The announcements with their settings as a new installation has them.
struct Stimme {
    explicit Stimme(Einstellungsspeicher& speicher) {
        Einstellungswerte werte(speicher);
        einstellungen = Ansageeinstellungen::lesen(werte);
    }
    Ansageeinstellungen einstellungen;
    EspeakSprecher sprecher;
    Ansagen ansagen{sprecher, einstellungen};
};

int ersteSamples() {
    Systemuhr uhr;
    Rennbahn bahn({.systemuhr = &uhr});
    Stimme stimme(bahn.speicher);
    std::atomic<Stoppuhr::rep> genommen{0};
    stimme.sprecher.beiErstenSamples(
        [&] { genommen = Stoppuhr::now().time_since_epoch().count(); });
    bahn.rennen.beobachterAnmelden(stimme.ansagen);
    bahn.einstellen([](Renneinstellungen& e) {
        e.ohneCountdown = true;
        e.rundenzahl = 100;
    });
    bahn.rennen.startGedrueckt();
    bahn.rennen.handrunde(1); // over the line: the first lap begins
    warten(Rundenzeit);

    std::vector<double> millisekunden;
    for (int runde = 0; runde < Runden; ++runde) {
        genommen = 0;
        const Stoppuhr::time_point signal = Stoppuhr::now();
        bahn.rennen.handrunde(1);
        while (genommen == 0 && Stoppuhr::now() - signal < Rundenzeit)
            warten(std::chrono::milliseconds(5));
        if (genommen == 0) {
            std::fprintf(stderr, "lap %d: the audio output took no samples\n", runde + 1);
            return 1;
        }
        const Stoppuhr::time_point erste{Stoppuhr::duration(genommen.load())};
        millisekunden.push_back(std::chrono::duration<double, std::milli>(erste - signal).count());
        warten(std::chrono::duration_cast<std::chrono::milliseconds>(Rundenzeit -
                                                                     (Stoppuhr::now() - signal)));
    }
    std::sort(millisekunden.begin(), millisekunden.end());
    figur("speech_first_audio_ms", millisekunden[millisekunden.size() / 2], "ms");
    // The first announcement of a race opens the audio stream; the others find it open.
    figur("speech_first_audio_max_ms", millisekunden.back(), "ms");
    return 0;
}

int leitung() {
    FakeSpeicher speicher;
    Stimme stimme(speicher);
    int gesagt = 0;
    stimme.ansagen.protokollieren(
        [&](const QString&, bool verworfen) { gesagt += verworfen ? -1 : 1; });
    const std::vector<double> millisekunden =
        leitungslatenzen([&](Rennen& rennen) { rennen.beobachterAnmelden(stimme.ansagen); });
    if (millisekunden.empty())
        return 1;
    std::fprintf(stderr, "%d announcements said while the line was measured\n", gesagt);
    figur("lap_timing_during_speech_p99", millisekunden[millisekunden.size() * 99 / 100], "ms");
    return 0;
}
} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc == 2 && std::strcmp(argv[1], "erste-samples") == 0)
        return ersteSamples();
    if (argc == 2 && std::strcmp(argv[1], "leitung") == 0)
        return leitung();
    std::fprintf(stderr, "Aufruf: %s erste-samples|leitung\n", argv[0]);
    return 2;
}
