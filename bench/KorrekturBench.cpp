// Figures of a finished race's correction: one crossing deleted in a race of 10,000 laps
// per lane and the race driven again through the race model; a race judged again from
// 100,000 raw signals; what its raw signals take in the history per lap and lane when every
// passage brings 6 edges. Printed as "figure <name> <value> <unit>".
#include "Korrektur.h"
#include "Rohsignalformat.h"

#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>

namespace {
Spurfahrt spur(const QString& fahrer, int runden, double grundzeit) {
    Spurfahrt f;
    f.fahrer = fahrer;
    for (int i = 0; i < runden; ++i) {
        const double zeit = grundzeit + 0.001 * (i % 97);
        f.runden.push_back({zeit, 5 / zeit, false});
    }
    return f;
}
} // namespace

int main() {
    constexpr int Runden = 10'000;
    Rennaufzeichnung r;
    r.beginn = QDateTime(QDate(2026, 1, 1), QTime(18, 0));
    r.rundenzahl = Runden;
    r.kurslaenge = 5;
    r.prellzeit = 0.5;
    r.laeufe.push_back(
        {spur(QStringLiteral("Anna"), Runden, 4.0), spur(QStringLiteral("Bernd"), Runden, 4.1)});

    std::vector<double> zeiten;
    for (int versuch = 0; versuch < 7; ++versuch) {
        Korrektur k(r);
        k.rundeWechseln(Runden / 2);
        QElapsedTimer uhr;
        uhr.start();
        if (k.loeschen())
            return 1;
        zeiten.push_back(double(uhr.nsecsElapsed()) / 1e6);
        if (k.rennen().laeufe.at(0)[1].runden.size() != Runden - 1)
            return 1;
    }
    std::nth_element(zeiten.begin(), zeiten.begin() + 3, zeiten.end());
    std::printf("figure correction_recompute_10000_laps %.3f ms\n", zeiten[3]);

    // A bouncing contact: each passage one edge and five more within 2 to 20 ms; laps of
    // about 4 s. 8,334 passages per lane make 100,008 edges.
    constexpr int Durchfahrten = 8'334;
    Rennaufzeichnung sensorrennen = r;
    sensorrennen.rundenzahl = Durchfahrten;
    sensorrennen.laeufe[0][1].runden.clear();
    sensorrennen.laeufe[0][2].runden.clear();
    std::vector<Rohsignal> kanten;
    std::uint32_t zufall = 12345;
    const auto naechste = [&zufall](int bis) {
        zufall = zufall * 1103515245u + 12345u;
        return int((zufall >> 8) % std::uint32_t(bis));
    };
    for (int spur = 1; spur <= 2; ++spur) {
        std::int64_t t = 100'000 * spur;
        for (int d = 0; d < Durchfahrten; ++d) {
            std::int64_t kante = t;
            for (int k = 0; k < 6; ++k) {
                kanten.push_back({spur, kante});
                kante += 2'000 + naechste(18'000);
            }
            t += 4'000'000 + naechste(400'000);
        }
    }
    std::stable_sort(kanten.begin(), kanten.end(), [](const Rohsignal& a, const Rohsignal& b) {
        return a.mikrosekunden < b.mikrosekunden;
    });
    sensorrennen.rohsignale = {kanten};
    zeiten.clear();
    for (int versuch = 0; versuch < 5; ++versuch) {
        QElapsedTimer uhr;
        uhr.start();
        const Nachrechnung neu(sensorrennen, 0.1);
        zeiten.push_back(double(uhr.nsecsElapsed()) / 1e6);
        if (neu.ergebnis().laeufe.at(0)[1].runden.size() != Durchfahrten - 1)
            return 1;
    }
    std::nth_element(zeiten.begin(), zeiten.begin() + 2, zeiten.end());
    std::printf("figure rejudge_100000_edges %.3f ms\n", zeiten[2]);
    const double bytes = double(rohsignaleKodieren(sensorrennen.rohsignale).size());
    std::printf("figure raw_edges_storage_per_lap %.1f bytes\n", bytes / (2.0 * Durchfahrten));
    return 0;
}
