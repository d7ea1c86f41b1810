// Figures of the race as a function of its record: ten thousand random sequences of races on
// tracks of 2 to 8 lanes replayed and compared, and the time a two-lane race of 100,000 laps
// per lane takes to replay.
// Each figure is printed as "figure <name> <value> <unit>".
#include "Zufallsrennen.h"

#include <chrono>
#include <cstdio>
#include <map>

namespace {

using Stoppuhr = std::chrono::steady_clock;

void figur(const char* name, double wert, const char* einheit) {
    std::printf("figure %s %.3f %s\n", name, wert, einheit);
}

// Counts the sequences whose record was replayed to its end, not the ones tried, and how
// many of those each lane count had.
void zufallsrennen() {
    constexpr std::uint32_t Anzahl = 10'000;
    int abgespielt = 0;
    int abweichungen = 0;
    std::map<int, int> jeSpurenzahl;
    for (std::uint32_t startwert = 1; startwert <= Anzahl; ++startwert) {
        const Zufallsvergleich v = zufallsrennenPruefen(startwert);
        if (v.abgespielt) {
            ++abgespielt;
            ++jeSpurenzahl[v.spurenzahl];
        }
        if (v.unterschiede.isEmpty())
            continue;
        ++abweichungen;
        std::fprintf(stderr, "seed %u (%d lanes): %s\n", startwert, v.spurenzahl,
                     qPrintable(v.unterschiede.join(QStringLiteral(", "))));
    }
    std::printf("# replayed by lanes:");
    for (const auto& [spuren, anzahl] : jeSpurenzahl)
        std::printf(" %d=%d", spuren, anzahl);
    std::printf("\n");
    figur("replay_random_races", abgespielt, "count");
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
