// Figures of the race night: planning both two-lane formats for sixteen drivers and the round
// over every lane for 32 drivers on eight lanes, how evenly that round lets drivers meet, and
// the standings computed from a hundred races of two heats and from two hundred Läufe on
// eight lanes scored by places. Printed as "figure <name> <value>
// <unit>".
#include "Rennabendtabelle.h"
#include "Rennplan.h"
#include "Rotationsplan.h"

#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {
// The median of 21 runs, in milliseconds.
double median(const std::function<void()>& lauf) {
    std::vector<double> ms;
    for (int i = 0; i < 21; ++i) {
        QElapsedTimer uhr;
        uhr.start();
        lauf();
        ms.push_back(double(uhr.nsecsElapsed()) / 1e6);
    }
    std::nth_element(ms.begin(), ms.begin() + 10, ms.end());
    return ms[10];
}

Spurfahrt fahrt(const QString& fahrer, int nummer) {
    Spurfahrt f;
    f.fahrer = fahrer;
    double gesamt = 0;
    for (int runde = 0; runde < 10; ++runde) {
        const double zeit = 3.0 + ((nummer * 37 + runde * 11) % 700) / 1000.0;
        f.runden.push_back({zeit, 5 / zeit, false});
        gesamt += zeit;
    }
    f.gesamtzeit = gesamt;
    f.schnitt = 50 / gesamt;
    return f;
}
} // namespace

int main() {
    QStringList fahrer;
    for (int i = 1; i <= 16; ++i)
        fahrer << QStringLiteral("Fahrer %1").arg(i);
    const double planen = median([&] {
        for (Rennabendformat format : {Rennabendformat::JederGegenJeden, Rennabendformat::Rotation})
            if (rennplan(fahrer, format).empty())
                std::abort();
    });
    std::printf("figure schedule_16_drivers %.3f ms\n", planen);

    QStringList zweiunddreissig = fahrer;
    for (int i = 17; i <= 32; ++i)
        zweiunddreissig << QStringLiteral("Fahrer %1").arg(i);
    const double rotation = median([&] {
        if (rotationsplan(zweiunddreissig, 8).size() != 32)
            std::abort();
    });
    std::printf("figure schedule_32_drivers_8_lanes %.3f ms\n", rotation);
    // The most minus the fewest Läufe that two drivers share in the round.
    const Gegnerstreuung streuung = gegnerstreuung(rotationsplan(fahrer, 4), fahrer);
    std::printf("figure opponent_spread_16_drivers_4_lanes %d heats (most %d, fewest %d)\n",
                streuung.meiste - streuung.wenigste, streuung.meiste, streuung.wenigste);

    // A hundred lane-change races of the plan, the last ten numbers driven twice.
    const Rennplan plan = rennplan(fahrer, Rennabendformat::JederGegenJeden);
    std::vector<Abendrennen> rennen;
    for (int i = 0; i < 100; ++i) {
        const int nummer = i < 90 ? i + 1 : i - 9;
        const Paarung& p = plan[static_cast<std::size_t>(nummer - 1)];
        Abendrennen r{nummer, {}};
        r.rennen.art = Rennart::Spurwechsel;
        r.rennen.laeufe = {{fahrt(p.spur1, i), fahrt(p.spur2, i + 1)},
                           {fahrt(p.spur2, i + 2), fahrt(p.spur1, i + 3)}};
        r.rennen.sieger = i % 7 == 0 ? std::nullopt : std::optional(i % 2 ? p.spur1 : p.spur2);
        rennen.push_back(r);
    }
    const double tabelle = median([&] {
        if (rennabendtabelle({}, fahrer, {}, rennen).size() != 16)
            std::abort();
    });
    std::printf("figure standings_100_heats %.3f ms\n", tabelle);

    // Two hundred races by time of the round over eight lanes, scored by places.
    const Spurplan runde = rotationsplan(zweiunddreissig, 8);
    std::vector<Abendrennen> laeufe;
    for (int i = 0; i < 200; ++i) {
        Abendrennen r{i + 1, {}};
        r.rennen.rennart = Rennlaenge::Zeit;
        Spuren<Spurfahrt> lauf = Spuren<Spurfahrt>::fuer(8);
        for (int spur = 1; spur <= 8; ++spur) {
            lauf[spur] = fahrt(runde[static_cast<std::size_t>(i) % runde.size()][spur], i + spur);
            lauf[spur].distanz = 10 + ((i * 7 + spur * 13) % 100) / 100.0;
        }
        r.rennen.laeufe = {lauf};
        r.rennen.sieger = lauf[1].fahrer;
        laeufe.push_back(r);
    }
    Rennabendregeln platzpunkte;
    platzpunkte.format = Rennabendformat::Spurrotation;
    platzpunkte.wertung = Abendwertung::Platzpunkte;
    const double achtSpuren = median([&] {
        if (rennabendtabelle(platzpunkte, zweiunddreissig, {}, laeufe).size() != 32)
            std::abort();
    });
    std::printf("figure standings_200_heats_8_lanes %.3f ms\n", achtSpuren);
    return 0;
}
