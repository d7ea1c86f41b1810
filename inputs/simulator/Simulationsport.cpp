#include "Simulationsport.h"

#include <random>

Simulationsport::Simulationsport(Rennen& rennen, Uhr& uhr, double mittlereRundenzeit)
    : m_rennen(rennen), m_uhr(uhr),
      m_simulator(rennen.stand(), mittlereRundenzeit, std::random_device{}()) {
    // Changes carry the moment they happened, so the step only bounds how late they are
    // handed over, not how exact they are.
    m_takt.setInterval(5);
    m_takt.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_takt, &QTimer::timeout, &m_takt, [this] { takt(); });
}

void Simulationsport::SchnittstelleOeffnen(const QString&) {
    m_rennen.simulationGestartet(m_simulator.kuerzesteRunde());
    m_takt.start();
}

void Simulationsport::takt() {
    const Portereignisse faellig = m_simulator.fortschreiten(m_uhr.ticks());
    if (!m_behandlung)
        return;
    for (std::size_t port = 0; port < faellig.size(); ++port)
        for (const Leitungsereignis& e : faellig[port])
            m_behandlung(static_cast<int>(port) + 1, e);
}
