#include "Strecke.h"

#include <cmath>

namespace {
constexpr int Gruen = 6;
constexpr int FliegenderStart = 8;
constexpr int Gelb = 7;
constexpr int Dunkel = 0;
} // namespace

Strecke::Strecke(double rundenzeit, unsigned seed) : m_rundenzeit(rundenzeit), m_zufall(seed) {}

void Strecke::ampel(int zustand, std::int64_t ms) {
    if ((zustand == Gruen || zustand == FliegenderStart) && !m_faehrt) {
        m_faehrt = true;
        if (!m_gruen)
            m_gruen = ms;
        // From the grid, lane 2 a little behind.
        m_naechste[0] = ms + 600;
        m_naechste[1] = ms + 900;
    } else if (zustand == Gelb || zustand == Dunkel) {
        m_faehrt = false;
    }
}

std::vector<Durchfahrt> Strecke::bis(std::int64_t ms) {
    std::vector<Durchfahrt> faellig;
    if (!m_faehrt)
        return faellig;
    for (;;) {
        const int spur = m_naechste[0] <= m_naechste[1] ? 1 : 2;
        if (m_naechste[spur - 1] > ms)
            return faellig;
        faellig.push_back({spur, m_naechste[spur - 1]});
        m_naechste[spur - 1] += runde(spur);
    }
}

std::int64_t Strecke::runde(int spur) {
    // Lane 2 about 3 % slower; every lap within 5 % of its mean.
    const double mittel = m_rundenzeit * (spur == 2 ? 1.03 : 1.0);
    std::uniform_real_distribution<double> streuung(0.95, 1.05);
    return std::llround(mittel * streuung(m_zufall) * 1000);
}
