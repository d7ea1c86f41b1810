// The race model's test track (or its track by time) of a lane count, with the spectators'
// standings listening.
#pragma once

#include "Zeitbahn.h"
#include "Zuschauerstand.h"

#include <algorithm>
#include <initializer_list>

template <typename Bahn = Rennbahn> struct VieleSpurenBahn : Bahn {
    template <typename... Args>
    explicit VieleSpurenBahn(int spurenzahl, Args... args) : Bahn(args...) {
        this->rennen.beobachterAnmelden(stand);
        this->einstellen([&](Renneinstellungen& e) { e.spuranzahl = spurenzahl; });
    }
    const Zuschaueransicht& ansicht() const { return stand.ansicht(); }
    const Zuschauerspur& zs(int s) const { return stand.ansicht().spuren[s]; }
    // One field of every lane, lane 1 first.
    QStringList spalte(QString Zuschauerspur::*feld) const {
        QStringList werte;
        for (const Zuschauerspur& s : stand.ansicht().spuren)
            werte << s.*feld;
        return werte;
    }
    // Colours that tell the lanes apart, lane 1 yellow.
    void farbenSetzen() {
        const Farbe farben[] = {0x00FFFF, 0xFF00FF, 0x00FF00, 0xFFFF00,
                                0x0080FF, 0xFF8080, 0x0000FF, 0xFFFFFF};
        for (int spur = 1; spur <= this->rennen.stand().spuren.anzahl(); ++spur)
            this->rennen.fahrerfarbeSetzen(spur, farben[spur - 1]);
    }
    // Signals at these seconds of the race, in time order.
    void signale(std::initializer_list<std::pair<int, double>> folge) {
        for (const auto& [spur, t] : folge)
            this->signal(spur, t);
    }
    // Start, every lane's first crossing, then laps of these seconds, lane by lane: lane
    // n's k-th lap at 0.1 n + k zeiten[n - 1], in the order of time.
    void laeufe(const std::vector<double>& zeiten, int runden) {
        this->starten();
        std::vector<std::pair<double, int>> folge;
        for (int spur = 1; spur <= static_cast<int>(zeiten.size()); ++spur)
            for (int runde = 0; runde <= runden; ++runde)
                folge.push_back({0.1 * spur + runde * zeiten[spur - 1], spur});
        std::sort(folge.begin(), folge.end());
        for (const auto& [t, spur] : folge)
            this->signal(spur, t);
    }

    FakeZeitgeber takt;
    Zuschauerstand stand{this->rennen, this->uhr, takt};
};
