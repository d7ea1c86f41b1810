// Stands in for the sensor ports when the track is simulated: opening starts the simulated
// cars, closing stops them, and their line changes go to the port's line handler like the
// watcher's, from a timer on the GUI thread. The "port" settings are left alone.
#pragma once

#include "Portsteuerung.h"
#include "Rennen.h"
#include "Streckensimulator.h"

#include <QTimer>
#include <functional>

class Simulationsport final : public Portsteuerung {
public:
    Simulationsport(Rennen& rennen, Uhr& uhr, double mittlereRundenzeit);

    // `port` 1 carries lanes 1 to 4, 2 lanes 5 to 8.
    using Behandlung = std::function<void(int port, const Leitungsereignis&)>;
    void beiLeitungsereignis(Behandlung behandlung) { m_behandlung = std::move(behandlung); }

    void SchnittstelleOeffnen(const QString& modus) override;
    void aktivenPortSchliessen() override { m_takt.stop(); }

private:
    void takt();

    Rennen& m_rennen;
    Uhr& m_uhr;
    Streckensimulator m_simulator;
    Behandlung m_behandlung;
    QTimer m_takt;
};
