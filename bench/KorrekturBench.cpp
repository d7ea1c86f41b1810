// Figures of a finished race's correction: one crossing deleted in a race of 10,000 laps
// per lane and the race driven again through the race model; a race judged again from
// 100,000 raw signals; what its raw signals take in the history per lap and lane when every
// passage brings 6 edges; each on two lanes and on eight. Printed as
// "figure <name> <value> <unit>".
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

// A race of this many laps per lane, lane s a little slower than the one before.
Rennaufzeichnung rennen(int spuren, int runden) {
    Rennaufzeichnung r;
    r.beginn = QDateTime(QDate(2026, 1, 1), QTime(18, 0));
    r.rundenzahl = runden;
    r.kurslaenge = 5;
    r.prellzeit = 0.5;
    auto lauf = Spuren<Spurfahrt>::fuer(spuren);
    for (int s = 1; s <= spuren; ++s)
        lauf[s] = spur(QStringLiteral("Fahrer %1").arg(s), runden, 4.0 + 0.1 * (s - 1));
    r.laeufe.push_back(lauf);
    return r;
}

double median(std::vector<double> werte) {
    std::nth_element(werte.begin(), werte.begin() + werte.size() / 2, werte.end());
    return werte[werte.size() / 2];
}

// One crossing of lane 1 deleted halfway and the race driven again; false when it went wrong.
bool korrigieren(int spuren, const char* figur) {
    constexpr int Runden = 10'000;
    const Rennaufzeichnung r = rennen(spuren, Runden);
    std::vector<double> zeiten;
    for (int versuch = 0; versuch < 7; ++versuch) {
        Korrektur k(r);
        k.rundeWechseln(Runden / 2);
        QElapsedTimer uhr;
        uhr.start();
        if (k.loeschen())
            return false;
        zeiten.push_back(double(uhr.nsecsElapsed()) / 1e6);
        if (k.rennen().laeufe.at(0)[1].runden.size() != Runden - 1)
            return false;
    }
    std::printf("figure %s %.3f ms\n", figur, median(zeiten));
    return true;
}

// A bouncing contact: each passage one edge and five more within 2 to 20 ms; laps of about
// 4 s. 16,668 passages over the lanes make 100,008 edges. False when it went wrong.
bool neuBewerten(int spuren, const char* figur, const char* speicherfigur) {
    const int durchfahrten = 16'668 / spuren;
    Rennaufzeichnung sensorrennen = rennen(spuren, durchfahrten);
    for (Spurfahrt& f : sensorrennen.laeufe[0])
        f.runden.clear();
    std::vector<Rohsignal> kanten;
    std::uint32_t zufall = 12345;
    const auto naechste = [&zufall](int bis) {
        zufall = zufall * 1103515245u + 12345u;
        return int((zufall >> 8) % std::uint32_t(bis));
    };
    for (int spur = 1; spur <= spuren; ++spur) {
        std::int64_t t = 100'000 * spur;
        for (int d = 0; d < durchfahrten; ++d) {
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
    std::vector<double> zeiten;
    for (int versuch = 0; versuch < 5; ++versuch) {
        QElapsedTimer uhr;
        uhr.start();
        const Nachrechnung neu(sensorrennen, 0.1);
        zeiten.push_back(double(uhr.nsecsElapsed()) / 1e6);
        if (neu.ergebnis().laeufe.at(0)[1].runden.size() != std::size_t(durchfahrten - 1))
            return false;
    }
    std::printf("figure %s %.3f ms\n", figur, median(zeiten));
    const double bytes = double(rohsignaleKodieren(sensorrennen.rohsignale).size());
    std::printf("figure %s %.1f bytes\n", speicherfigur, bytes / (double(spuren) * durchfahrten));
    return true;
}
} // namespace

int main() {
    const bool gut =
        korrigieren(2, "correction_recompute_10000_laps") &&
        korrigieren(8, "correction_recompute_10000_laps_8_lanes") &&
        neuBewerten(2, "rejudge_100000_edges", "raw_edges_storage_per_lap") &&
        neuBewerten(8, "rejudge_100000_edges_8_lanes", "raw_edges_storage_per_lap_8_lanes");
    return gut ? 0 : 1;
}
