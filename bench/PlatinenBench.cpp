// Figures of the sensor board, its real firmware run in the simulated AVR: how far its
// stamps lie from the simulated moments of 10,000 edges, on four lanes and on eight, and how
// far the lap times the program records from a board race lie from the simulated laps, and
// how long a lane's power takes from the program's command to the board's output pin.
// Printed as "figure <name> <value> <unit>".
#include "Platinenempfang.h"
#include "Rennbahn.h"
#include "Simplatine.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>

namespace {

constexpr double ZyklenProUs = Simplatine::Takt / 1e6;

std::uint64_t zyklen(double sekunden) {
    return static_cast<std::uint64_t>(std::llround(sekunden * Simplatine::Takt));
}

struct Flankenwahrheit {
    int spur;
    std::uint64_t zyklus;
};

// The program's side of the board (its protocol reader, its clock, its debounce) and a race,
// wired to the simulated firmware; the simulated time serves as the host's.
struct Platinenrennen {
    Simplatine platine{FIRMWARE_PFAD};
    std::int64_t hostzeit = 0;
    Platinenuhr platinenuhr{[this] { return hostzeit; }};
    Rennbahn b{Ersatzteile{.platinenuhr = &platinenuhr}};
    Platinenempfang empfang{b.rennen, platinenuhr, b.dialoge};

    Platinenrennen() {
        b.rennen.beobachterAnmelden(empfang);
        empfang.senden([this](const QByteArray& bytes) {
            platine.senden(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
        });
    }

    // Runs the board to that cycle; the program hears it in slices of `scheibe` seconds, as
    // a USB line delivers.
    void bis(std::uint64_t zyklus, double scheibe) {
        while (platine.zyklus() < zyklus) {
            platine.laufenBis(std::min(zyklus, platine.zyklus() + zyklen(scheibe)));
            hostzeit = static_cast<std::int64_t>(platine.zyklus() * 1000 / ZyklenProUs);
            QByteArray bytes;
            for (const Simplatine::Byte& byte : platine.empfangen())
                bytes.append(static_cast<char>(byte.wert));
            empfang.empfangen(bytes);
        }
    }
};

// Race traffic on a board's first `spuren` lanes, denser than a race: now one lane, now two
// lanes a few microseconds apart (on one port or on both), now all of them in one instant;
// on eight lanes at half the rate, so that the line keeps up. Dead time 0: every edge
// reported.
double stempelfehlerMax(int spuren) {
    constexpr std::size_t Flanken = 10'000;
    Simplatine platine(FIRMWARE_PFAD);
    platine.laufenBis(zyklen(0.05));
    platine.meldungen();
    std::mt19937 zufall(4711);
    std::vector<Flankenwahrheit> wahr;
    std::array<bool, PLATINE_SPUREN + 1> pegel;
    pegel.fill(true);
    const auto setzen = [&](int spur, std::uint64_t zyklus) {
        pegel[spur] = !pegel[spur];
        platine.spurSetzen(spur, pegel[spur], zyklus);
        wahr.push_back({spur, zyklus});
    };
    const double dichte = spuren / 4.0;
    double t = 0.1;
    while (wahr.size() < Flanken) {
        t += std::uniform_real_distribution(1.5e-3 * dichte, 3.5e-3 * dichte)(zufall);
        const int spur = std::uniform_int_distribution(1, spuren)(zufall);
        const double art = std::uniform_real_distribution(0.0, 1.0)(zufall);
        if (art < 0.7) {
            setzen(spur, zyklen(t));
        } else if (art < 0.9) {
            const int andere =
                (spur + std::uniform_int_distribution(0, spuren - 2)(zufall)) % spuren + 1;
            setzen(spur, zyklen(t));
            setzen(andere, zyklen(t + std::uniform_real_distribution(0.0, 10e-6)(zufall)));
        } else {
            for (int s = 1; s <= spuren; ++s)
                setzen(s, zyklen(t));
        }
    }
    platine.laufenBis(zyklen(t + 0.1));

    // Each lane's reports in order against its edges in order.
    std::array<std::vector<std::uint64_t>, PLATINE_SPUREN + 1> stempel;
    for (const Simplatine::Empfang& e : platine.meldungen()) {
        if (const auto* f = std::get_if<Platinenprotokoll::Flanke>(&e.meldung))
            stempel[f->spur].push_back(f->stempel);
        else if (std::holds_alternative<Platinenprotokoll::Fehler>(e.meldung))
            return NAN; // an edge lost: no figure
    }
    std::array<std::size_t, PLATINE_SPUREN + 1> naechste{};
    double groesster = 0;
    for (const Flankenwahrheit& w : wahr) {
        if (naechste[w.spur] >= stempel[w.spur].size())
            return NAN;
        const double ist = platine.zyklusVon(stempel[w.spur][naechste[w.spur]++]);
        groesster =
            std::max(groesster, std::fabs(ist - static_cast<double>(w.zyklus)) / ZyklenProUs);
    }
    return groesster;
}

// A flying-start race through the program's side of the board, with crossings at random
// microseconds; the recorded lap times against the differences of the simulated crossing
// times. The program hears the board in slices of 10 ms.
double rundenzeitfehlerMax() {
    constexpr int Runden = 60;
    Platinenrennen r;
    Simplatine& platine = r.platine;
    Rennbahn& b = r.b;
    const auto bis = [&r](double sekunden) { r.bis(zyklen(sekunden), 0.01); };
    b.einstellen([](Renneinstellungen& e) {
        e.rundenzahl = Runden;
        e.ohneCountdown = true;
        e.prellzeit = 0.2;
    });
    bis(0.05);
    b.rennen.startGedrueckt();

    std::mt19937 zufall(815);
    std::array<std::vector<double>, 3> durchfahrten;
    std::array<double, 3> t{0, 0.3, 0.45};
    for (int runde = 0; runde <= Runden; ++runde) {
        for (int spur = 1; spur <= 2; ++spur) {
            t[spur] += std::uniform_real_distribution(0.3, 0.4)(zufall);
            t[spur] = std::round(t[spur] * 1e6) / 1e6;
            durchfahrten[spur].push_back(t[spur]);
            platine.spurSetzen(spur, false, zyklen(t[spur]));
            platine.spurSetzen(spur, true, zyklen(t[spur] + 0.02));
        }
    }
    bis(std::max(t[1], t[2]) + 0.1);
    if (!b.stand().spuren[1].fertig || !b.stand().spuren[2].fertig)
        return NAN;

    // Lane 1 crossed first: its first crossing started the race clock and the other
    // lane's first lap.
    const double start = durchfahrten[1][0];
    double groesster = 0;
    for (int spur = 1; spur <= 2; ++spur) {
        for (int runde = 1; runde <= Runden; ++runde) {
            const double von = spur == 2 && runde == 1 ? start : durchfahrten[spur][runde - 1];
            const double wahr = durchfahrten[spur][runde] - von;
            groesster = std::max(groesster, std::fabs(b.rundenzeiten(spur)[runde] - wahr));
        }
    }
    return groesster * 1000;
}

// Stop and go: the program cuts a random lane's power, and gives it back a little later,
// 200 times, while edges come on all eight lanes every few milliseconds; from the call of
// the driver to the change at the shift register's output, through the simulated line.
double stopAndGoLatenzMax() {
    constexpr int Befehle = 200;
    Platinenrennen r;
    Simplatine& platine = r.platine;
    Platinenempfang& empfang = r.empfang;
    // In slices of a millisecond: the driver hears the board as a USB line delivers.
    const auto bis = [&r](std::uint64_t zyklus) { r.bis(zyklus, 0.001); };
    bis(zyklen(0.05));
    if (!empfang.hatSpurstrom())
        return NAN;

    std::mt19937 zufall(2024);
    std::array<bool, PLATINE_SPUREN + 1> pegel;
    pegel.fill(true);
    for (double t = 0.1; t < Befehle * 0.12;
         t += std::uniform_real_distribution(1e-3, 3e-3)(zufall)) {
        const int spur = std::uniform_int_distribution(1, int{PLATINE_SPUREN})(zufall);
        pegel[spur] = !pegel[spur];
        platine.spurSetzen(spur, pegel[spur], zyklen(t));
    }

    double groesste = 0;
    for (int i = 0; i < Befehle; ++i) {
        const int spur = std::uniform_int_distribution(1, int{PLATINE_SPUREN})(zufall);
        bis(platine.zyklus() + zyklen(std::uniform_real_distribution(0.005, 0.05)(zufall)));
        for (const bool an : {false, true}) {
            const std::uint64_t befohlen = platine.zyklus();
            const std::uint64_t vorher = platine.spurstromGeaendert();
            if (!empfang.spurstromSchalten(spur, an))
                return NAN;
            bis(befohlen + zyklen(0.05));
            const bool hat = platine.spurstrom() & (1 << (spur - 1));
            if (platine.spurstromGeaendert() == vorher || hat != an)
                return NAN; // the pin did not move
            groesste =
                std::max(groesste, static_cast<double>(platine.spurstromGeaendert() - befohlen) /
                                       ZyklenProUs / 1000);
        }
    }
    return groesste;
}

} // namespace

int main() {
    std::printf("figure firmware_stamp_error_max %.2f us\n", stempelfehlerMax(4));
    std::printf("figure board_stamp_error_max_8_lanes %.2f us\n", stempelfehlerMax(8));
    std::printf("figure firmware_lap_time_error_max %.3f ms\n", rundenzeitfehlerMax());
    std::printf("figure stop_and_go_pin_latency_max %.3f ms\n", stopAndGoLatenzMax());
    return 0;
}
