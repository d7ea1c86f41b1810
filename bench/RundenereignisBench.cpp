// Figures of the race model: the cost of one lap signal over a long race of two lanes and of
// eight, and the memory of a race configured for a million laps. Each figure is printed as
// "figure <name> <value> <unit>" so runs can be compared.
#include "Rennbahn.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <malloc.h>
#include <vector>

namespace {

using Stoppuhr = std::chrono::steady_clock;

void figur(const char* name, double wert, const char* einheit) {
    std::printf("figure %s %.3f %s\n", name, wert, einheit);
}

double median(std::vector<double> werte) {
    std::nth_element(werte.begin(), werte.begin() + werte.size() / 2, werte.end());
    return werte[werte.size() / 2];
}

// Large blocks come straight from mmap and count apart.
double heapInBenutzung() {
    const struct mallinfo2 info = mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd);
}

// One lap signal per lane and lap, each one timed, one lane after the other 2 to 2.5
// seconds apart; the times in the order of the signals.
std::vector<double> rundenereignisse(int spuren) {
    constexpr int Runden = 100'000;
    Rennbahn b;
    b.einstellen([&](Renneinstellungen& e) {
        e.rundenzahl = Runden;
        e.spuranzahl = spuren;
    });
    if (b.stand().spuren.anzahl() != spuren) {
        std::fprintf(stderr, "the race did not take %d lanes\n", spuren);
        std::exit(1);
    }
    b.starten();
    for (int spur = 1; spur <= spuren; ++spur)
        b.rennen.rundensignal(spur, b.rennen.signalzeit(b.uhr.stand), Signalweg::Leitungen);

    std::vector<double> mikrosekunden;
    mikrosekunden.reserve(static_cast<std::size_t>(spuren) * Runden);
    for (int runde = 1; runde <= Runden; ++runde) {
        for (int spur = 1; spur <= spuren; ++spur) {
            b.uhr.stand += 2000 + (runde * 37 + spur * 11) % 500;
            const double zeit = b.rennen.signalzeit(b.uhr.stand);
            const auto vorher = Stoppuhr::now();
            b.rennen.rundensignal(spur, zeit, Signalweg::Leitungen);
            const auto nachher = Stoppuhr::now();
            mikrosekunden.push_back(
                std::chrono::duration<double, std::micro>(nachher - vorher).count());
        }
    }
    for (const Spurstand& spur : b.stand().spuren)
        if (!spur.fertig) {
            std::fprintf(stderr, "the race of %d lanes did not finish\n", spuren);
            std::exit(1);
        }
    return mikrosekunden;
}

void kostenJeRunde() {
    const std::vector<double> mikrosekunden = rundenereignisse(2);
    const std::vector<double> erste(mikrosekunden.begin(), mikrosekunden.begin() + 2000);
    const std::vector<double> letzte(mikrosekunden.end() - 2000, mikrosekunden.end());
    figur("rundenereignis_median", median(mikrosekunden), "us");
    std::vector<double> sortiert = mikrosekunden;
    std::sort(sortiert.begin(), sortiert.end());
    figur("rundenereignis_p99", sortiert[sortiert.size() * 99 / 100], "us");
    figur("rundenereignis_worst", sortiert.back(), "us");
    figur("rundenereignis_median_first_1000_laps", median(erste), "us");
    figur("rundenereignis_median_last_1000_laps", median(letzte), "us");
    figur("rundenereignis_growth_last_vs_first", median(letzte) / median(erste), "ratio");
    // The most lanes a track has: a lap's cost must not grow with the lanes beside it.
    figur("rundenereignis_median_8_lanes", median(rundenereignisse(GroessteSpurenzahl)), "us");
}

// The heap a started race of that many laps takes, while it is alive.
double heapNachStart(std::int32_t runden) {
    const double vorher = heapInBenutzung();
    Rennbahn b;
    b.runden(runden);
    b.starten();
    return heapInBenutzung() - vorher;
}

// A race of a million laps starts at once and takes memory only for the laps driven.
void speicherJeRunde() {
    heapNachStart(10); // the first race sets up what every later one shares
    figur("heap_at_start_10_laps", heapNachStart(10) / 1024, "KiB");
    figur("heap_at_start_1M_laps", heapNachStart(1'000'000) / 1024, "KiB");

    Rennbahn b;
    b.runden(1'000'000);
    const auto startBeginn = Stoppuhr::now();
    b.starten();
    const auto startEnde = Stoppuhr::now();
    figur("start_1M_laps",
          std::chrono::duration<double, std::milli>(startEnde - startBeginn).count(), "ms");

    constexpr int Runden = 10'000;
    const double vorRunden = heapInBenutzung();
    for (int spur = 1; spur <= 2; ++spur)
        b.rennen.rundensignal(spur, b.rennen.signalzeit(b.uhr.stand), Signalweg::Leitungen);
    for (int runde = 1; runde <= Runden; ++runde)
        for (int spur = 1; spur <= 2; ++spur) {
            b.uhr.stand += 2500;
            b.rennen.rundensignal(spur, b.rennen.signalzeit(b.uhr.stand), Signalweg::Leitungen);
        }
    figur("heap_per_lap_and_lane", (heapInBenutzung() - vorRunden) / (2.0 * Runden), "bytes");
}

} // namespace

int main() {
    speicherJeRunde();
    kostenJeRunde();
    return 0;
}
