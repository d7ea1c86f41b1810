// What the emulated timing box sends: its clock every 100 ms, and the passages of two
// cars that lap at a given mean time from the moment the box is switched on, one frame
// after the other at the line's 4800 baud, as the real box's serial line carries them.
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

// A frame, or a burst of garbage, on its way over the line.
struct Sendung {
    double ankunft = 0; // seconds after switch-on when its last byte has arrived
    std::vector<std::uint8_t> bytes;
    std::optional<Boxprotokoll::Ereignisrahmen> ereignis;
};

class Boxsimulation {
public:
    explicit Boxsimulation(const Simulationsparameter& parameter);

    // Everything the box has begun to send up to this many seconds after switch-on, in
    // the order it arrives. A time frame carries the clock of the moment its first byte
    // leaves the box.
    std::vector<Sendung> bis(double sekunden);

    // The box clock at a moment after switch-on.
    std::uint32_t boxzeit(double sekunden) const;

private:
    // Puts bytes due at `faellig` on the line, behind those before them.
    void senden(std::vector<Sendung>& sendungen, double faellig,
                const std::vector<std::uint8_t>& bytes,
                std::optional<Boxprotokoll::Ereignisrahmen> ereignis = std::nullopt);
    double naechsteRunde(int spurIndex);

    Simulationsparameter m_parameter;
    std::mt19937 m_zufall;
    double m_naechsteZeit = 0;
    std::array<double, 2> m_naechsteDurchfahrt{};
    double m_naechsteStoerung = 2;
    bool m_fehlerGesendet = false;
    double m_leitungFrei = 0; // when the line has sent everything put on it
};
