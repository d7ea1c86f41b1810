#include "Streckensimulator.h"

#include <algorithm>

namespace {
// A lap lies within this fraction of the lane's mean either side, unless the car comes off.
constexpr double Spanne = 0.15;

// Each car's pace, as a share of the mean lap time: on a wider track no two lanes drive
// alike, and the first two drive as they always did.
constexpr std::array<double, GroessteSpurenzahl> Tempo{1.00, 1.00, 0.97, 1.03,
                                                       0.99, 1.05, 0.96, 1.02};

double tempo(int spur) {
    return Tempo[static_cast<std::size_t>(spur - 1)];
}
} // namespace

Streckensimulator::Streckensimulator(const Rennstand& rennen, double mittlereRundenzeit,
                                     std::uint32_t startwert)
    : m_rennen(rennen), m_mittel(mittlereRundenzeit * 1000), m_zufall(startwert) {}

Portereignisse Streckensimulator::fortschreiten(std::int64_t jetzt) {
    const std::int64_t vergangen = m_letzteZeit ? jetzt - *m_letzteZeit : 0;
    m_letzteZeit = jetzt;
    const Rennstand& r = m_rennen;

    // No race (idle, countdown, false start), or the box times it: the cars stand at the
    // line.
    if (r.einstellungen.raceControl || !r.rennenLaeuft || (r.signaleGesperrt && !r.crashPause)) {
        m_autos = Spuren<Auto>::fuer(r.spuren.anzahl());
        m_geplant.clear();
        return {};
    }
    if (r.crashPause)
        return {};
    m_bahnzeit += vergangen;

    for (int spur = 1; spur <= r.spuren.anzahl(); ++spur) {
        Auto& a = m_autos[spur];
        if (r.spuren[spur].fertig || r.einstellungen.spurFrei(spur))
            continue;
        if (!a.faehrt) {
            // From a standing start after the green light, or rolling in at a flying start.
            a.faehrt = true;
            a.durchfahrt = m_bahnzeit + (r.einstellungen.ohneCountdown ? gleichverteilt(300, 1500)
                                                                       : gleichverteilt(150, 500));
        }
        while (a.durchfahrt <= m_bahnzeit) {
            durchfahrtPlanen(spur, a.durchfahrt);
            a.durchfahrt += rundenzeit(spur);
        }
    }

    Portereignisse faellig;
    const auto ende = std::find_if(m_geplant.begin(), m_geplant.end(),
                                   [this](const Geplant& g) { return g.bahnzeit > m_bahnzeit; });
    for (auto g = m_geplant.begin(); g != ende; ++g) {
        Leitungsereignis e = g->ereignis;
        e.zeit = jetzt - (m_bahnzeit - g->bahnzeit);
        faellig[static_cast<std::size_t>(g->port - 1)].push_back(e);
    }
    m_geplant.erase(m_geplant.begin(), ende);
    return faellig;
}

void Streckensimulator::durchfahrtPlanen(int spur, std::int64_t bahnzeit) {
    const std::int64_t dauer = gleichverteilt(15, 40); // the car over the sensor
    // A contact on CD bounces as it closes; the other lines are timed by their drop.
    if (Leitungen[static_cast<std::size_t>((spur - 1) % LeitungenJePort)] == Leitung::CD) {
        planen(bahnzeit, spur, true);
        planen(bahnzeit + 1, spur, false);
        planen(bahnzeit + 2, spur, true);
    } else {
        planen(bahnzeit, spur, true);
    }
    planen(bahnzeit + dauer, spur, false);
}

void Streckensimulator::planen(std::int64_t bahnzeit, int spur, bool pegel) {
    const auto stelle =
        std::upper_bound(m_geplant.begin(), m_geplant.end(), bahnzeit,
                         [](std::int64_t zeit, const Geplant& g) { return zeit < g.bahnzeit; });
    const Leitung leitung = Leitungen[static_cast<std::size_t>((spur - 1) % LeitungenJePort)];
    m_geplant.insert(stelle, {bahnzeit, (spur - 1) / LeitungenJePort + 1, {leitung, pegel, 0}});
}

std::int64_t Streckensimulator::rundenzeit(int spur) {
    const double mittel = m_mittel * tempo(spur);
    std::normal_distribution<double> streuung(mittel, mittel * 0.04);
    double zeit = std::clamp(streuung(m_zufall), mittel * (1 - Spanne), mittel * (1 + Spanne));
    // Now and then a car comes off and is put back.
    if (std::uniform_int_distribution<int>(1, 10)(m_zufall) == 1)
        zeit *= std::uniform_real_distribution<double>(1.3, 1.8)(m_zufall);
    return static_cast<std::int64_t>(zeit);
}

std::int64_t Streckensimulator::gleichverteilt(std::int64_t von, std::int64_t bis) {
    return std::uniform_int_distribution<std::int64_t>(von, bis)(m_zufall);
}

double Streckensimulator::kuerzesteRunde() const {
    const int spuren = m_rennen.spuren.anzahl();
    const double schnellste = *std::min_element(Tempo.begin(), Tempo.begin() + spuren);
    return m_mittel * schnellste * (1 - Spanne) / 1000;
}
