// What the emulated timing box sends: its clock every 100 ms, and the passages of two
// cars that lap at a given mean time from the moment the box is switched on.
#pragma once

#include "Boxprotokoll.h"

#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <vector>

struct Simulationsparameter {
    double rundenzeit = 5.0; // seconds, mean of lane 1; lane 2 is a little slower
    std::uint32_t seed = 1;
    std::uint32_t uhrStart = 0;       // box clock at switch-on, to try its wrap
    std::optional<double> fehlerNach; // seconds until the box reports a sensor fault
    bool stoerungen = false;          // garbage bytes on the line now and then
};

struct Sendung {
    std::vector<std::uint8_t> bytes;
    std::vector<Boxprotokoll::Ereignisrahmen> ereignisse;
};

class Boxsimulation {
public:
    explicit Boxsimulation(const Simulationsparameter& parameter);

    // Everything due since the last call, up to this many seconds after switch-on.
    Sendung bis(double sekunden);

    // The box clock at a moment after switch-on.
    std::uint32_t boxzeit(double sekunden) const;

private:
    void senden(Sendung& sendung, const Boxprotokoll::Rahmen& rahmen);
    double naechsteRunde(int spurIndex);

    Simulationsparameter m_parameter;
    std::mt19937 m_zufall;
    double m_naechsteZeit = 0;
    std::array<double, 2> m_naechsteDurchfahrt{};
    double m_naechsteStoerung = 2;
    bool m_fehlerGesendet = false;
};
