#include "Strecke.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int ErsteRoteLampe = 1;
constexpr int Gruen = 6;
constexpr int FliegenderStart = 8;
constexpr int Gelb = 7;
constexpr int Dunkel = 0;
} // namespace

Strecke::Strecke(double rundenzeit, unsigned seed, int spuren, std::optional<int> fruehstart)
    : m_rundenzeit(rundenzeit), m_zufall(seed), m_naechste(static_cast<std::size_t>(spuren)),
      m_fruehstartSpur(fruehstart) {}

void Strecke::ampel(int zustand, std::int64_t ms) {
    // Four seconds before green, as the program counts down: well inside the countdown even
    // when the light's commands come late.
    if (zustand == ErsteRoteLampe && m_fruehstartSpur && !m_gruen && !m_fruehstart)
        m_fruehstart = ms + 1000;
    if ((zustand == Gruen || zustand == FliegenderStart) && !m_faehrt) {
        m_faehrt = true;
        if (!m_gruen)
            m_gruen = ms;
        // From the grid, each lane a little behind the one before.
        for (std::size_t i = 0; i < m_naechste.size(); ++i)
            m_naechste[i] = ms + 600 + 300 * static_cast<std::int64_t>(i);
    } else if (zustand == Gelb || zustand == Dunkel) {
        m_faehrt = false;
    }
}

std::vector<Durchfahrt> Strecke::bis(std::int64_t ms) {
    std::vector<Durchfahrt> faellig;
    // Once only, and before every crossing from the grid.
    if (m_fruehstart && *m_fruehstart <= ms && m_fruehstartSpur) {
        faellig.push_back({*m_fruehstartSpur, *m_fruehstart});
        m_fruehstartSpur.reset();
    }
    if (!m_faehrt)
        return faellig;
    for (;;) {
        // Of two at the same millisecond, the lower lane first.
        const auto naechste = std::min_element(m_naechste.begin(), m_naechste.end());
        if (*naechste > ms)
            return faellig;
        const int spur = static_cast<int>(naechste - m_naechste.begin()) + 1;
        faellig.push_back({spur, *naechste});
        *naechste += runde(spur);
    }
}

std::int64_t Strecke::runde(int spur) {
    // Each lane about 3 % slower than the one before; every lap within 5 % of its mean.
    const double mittel = m_rundenzeit * (1.0 + 0.03 * (spur - 1));
    std::uniform_real_distribution<double> streuung(0.95, 1.05);
    return std::llround(mittel * streuung(m_zufall) * 1000);
}
