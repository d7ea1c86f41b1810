#include "Streckensimulator.h"

#include <algorithm>

namespace {
// A lap lies within this fraction of the mean either side, unless the car comes off.
constexpr double Spanne = 0.15;
} // namespace

Streckensimulator::Streckensimulator(const Rennstand& rennen, double mittlereRundenzeit,
                                     std::uint32_t startwert)
    : m_rennen(rennen), m_mittel(mittlereRundenzeit * 1000), m_zufall(startwert) {}

std::vector<Leitungsereignis> Streckensimulator::fortschreiten(std::int64_t jetzt) {
    const std::int64_t vergangen = m_letzteZeit ? jetzt - *m_letzteZeit : 0;
    m_letzteZeit = jetzt;
    const Rennstand& r = m_rennen;

    // No race (idle, countdown, false start), or the box times it: the cars stand at the
    // line.
    if (r.einstellungen.raceControl || !r.rennenLaeuft || (r.signaleGesperrt && !r.crashPause)) {
        m_autos = {};
        m_geplant.clear();
        return {};
    }
    if (r.crashPause)
        return {};
    m_bahnzeit += vergangen;

    for (int spur = 1; spur <= 2; ++spur) {
        Auto& a = m_autos[spur];
        if (r.spuren[spur].fertig)
            continue;
        if (!a.faehrt) {
            // From a standing start after the green light, or rolling in at a flying start.
            a.faehrt = true;
            a.durchfahrt = m_bahnzeit + (r.einstellungen.ohneCountdown ? gleichverteilt(300, 1500)
                                                                       : gleichverteilt(150, 500));
        }
        while (a.durchfahrt <= m_bahnzeit) {
            durchfahrtPlanen(spur, a.durchfahrt);
            a.durchfahrt += rundenzeit();
        }
    }

    std::vector<Leitungsereignis> faellig;
    const auto ende = std::find_if(m_geplant.begin(), m_geplant.end(),
                                   [this](const Geplant& g) { return g.bahnzeit > m_bahnzeit; });
    for (auto g = m_geplant.begin(); g != ende; ++g) {
        Leitungsereignis e = g->ereignis;
        e.zeit = jetzt - (m_bahnzeit - g->bahnzeit);
        faellig.push_back(e);
    }
    m_geplant.erase(m_geplant.begin(), ende);
    return faellig;
}

void Streckensimulator::durchfahrtPlanen(int spur, std::int64_t bahnzeit) {
    const std::int64_t dauer = gleichverteilt(15, 40); // the car over the sensor
    if (spur == 1) {
        planen(bahnzeit, Leitung::CD, true);
        planen(bahnzeit + 1, Leitung::CD, false);
        planen(bahnzeit + 2, Leitung::CD, true);
        planen(bahnzeit + dauer, Leitung::CD, false);
    } else {
        planen(bahnzeit, Leitung::DSR, true);
        planen(bahnzeit + dauer, Leitung::DSR, false);
    }
}

void Streckensimulator::planen(std::int64_t bahnzeit, Leitung leitung, bool pegel) {
    const auto stelle =
        std::upper_bound(m_geplant.begin(), m_geplant.end(), bahnzeit,
                         [](std::int64_t zeit, const Geplant& g) { return zeit < g.bahnzeit; });
    m_geplant.insert(stelle, {bahnzeit, {leitung, pegel, 0}});
}

std::int64_t Streckensimulator::rundenzeit() {
    std::normal_distribution<double> streuung(m_mittel, m_mittel * 0.04);
    double zeit = std::clamp(streuung(m_zufall), m_mittel * (1 - Spanne), m_mittel * (1 + Spanne));
    // Now and then a car comes off and is put back.
    if (std::uniform_int_distribution<int>(1, 10)(m_zufall) == 1)
        zeit *= std::uniform_real_distribution<double>(1.3, 1.8)(m_zufall);
    return static_cast<std::int64_t>(zeit);
}

std::int64_t Streckensimulator::gleichverteilt(std::int64_t von, std::int64_t bis) {
    return std::uniform_int_distribution<std::int64_t>(von, bis)(m_zufall);
}

double Streckensimulator::kuerzesteRunde() const {
    return m_mittel * (1 - Spanne) / 1000;
}
