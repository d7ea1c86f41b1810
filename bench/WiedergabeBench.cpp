// Figures of the race as a function of its record: ten thousand random sequences of races
// replayed and compared, and the time a race of 100,000 laps per lane takes to replay.
// Each figure is printed as "figure <name> <value> <unit>".
#include "Zufallsrennen.h"

#include <chrono>
#include <cstdio>

namespace {

using Stoppuhr = std::chrono::steady_clock;

void figur(const char* name, double wert, const char* einheit) {
    std::printf("figure %s %.3f %s\n", name, wert, einheit);
}

void zufallsrennen() {
    constexpr std::uint32_t Anzahl = 10'000;
    int abweichungen = 0;
    for (std::uint32_t startwert = 1; startwert <= Anzahl; ++startwert) {
        const QStringList u = zufallsrennenPruefen(startwert);
        if (u.isEmpty())
            continue;
        ++abweichungen;
        std::fprintf(stderr, "seed %u: %s\n", startwert, qPrintable(u.join(QStringLiteral(", "))));
    }
    figur("replay_random_races", Anzahl, "count");
    figur("replay_mismatches", abweichungen, "count");
}

// A race of 100,000 laps per lane on the sensor lines, each crossing checked and counted as
// the line handler hands it on; then its record into a fresh race.
void langesRennen() {
    constexpr int Runden = 100'000;
    Aufnahmebahn a;
    Renneinstellungen e;
    e.rundenzahl = Runden;
    e.ohneCountdown = true;
    e.prellzeit = 1;
    a.rennen.einstellungenAnwenden(e);
    a.uhr.stand = 3'600'000;
    a.rennen.startGedrueckt();
    for (int runde = 0; runde <= Runden; ++runde)
        for (int spur = 1; spur <= 2; ++spur) {
            a.uhr.stand += 1000 + (runde * 37 + spur * 11) % 500;
            const double zeit = a.rennen.signalzeit(a.uhr.stand);
            if (weitergeben(a.rennen.signalPruefen(spur, zeit)))
                a.rennen.rundensignal(spur, zeit, Signalweg::Leitungen);
        }
    if (!a.rennen.stand().spuren[1].fertig || !a.rennen.stand().spuren[2].fertig) {
        std::fprintf(stderr, "the race did not finish\n");
        std::exit(1);
    }

    FakeKlang klang;
    FakeSpeicher speicher;
    FakeRekorde rekorde;
    const auto beginn = Stoppuhr::now();
    Wiedergabe wiedergabe(a.aufnahme.mitschnitt(), klang, speicher, rekorde);
    Rennen rennen(wiedergabe.anschluesse());
    const bool abgespielt = wiedergabe.abspielen(rennen);
    const auto ende = Stoppuhr::now();
    if (!abgespielt || rennen.stand() != a.rennen.stand()) {
        std::fprintf(stderr, "the replay of the long race differs\n");
        std::exit(1);
    }
    figur("replay_100k_laps", std::chrono::duration<double, std::milli>(ende - beginn).count(),
          "ms");
}

} // namespace

int main() {
    langesRennen();
    zufallsrennen();
    return 0;
}
