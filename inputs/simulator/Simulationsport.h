// Stands in for the sensor port when the track is simulated: opening starts the two
// simulated cars, closing stops them, and their line changes go to the line handler like
// the watcher's, from a timer on the GUI thread. The "port" setting is left alone.
#pragma once

#include "Portsteuerung.h"
#include "Rennen.h"
#include "Streckensimulator.h"

#include <QTimer>
#include <functional>

class Simulationsport final : public Portsteuerung {
public:
    Simulationsport(Rennen& rennen, Uhr& uhr, double mittlereRundenzeit);

    void beiLeitungsereignis(std::function<void(const Leitungsereignis&)> behandlung) {
        m_behandlung = std::move(behandlung);
    }

    void SchnittstelleOeffnen(const QString& modus) override;
    void aktivenPortSchliessen() override { m_takt.stop(); }

private:
    void takt();

    Rennen& m_rennen;
    Uhr& m_uhr;
    Streckensimulator m_simulator;
    std::function<void(const Leitungsereignis&)> m_behandlung;
    QTimer m_takt;
};
