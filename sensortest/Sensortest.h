// The sensor test "Sensortest": opened between races, it shows live what each lane's
// sensor does — the line's level, its edges, the bounce and the lap time — and judges the
// stored debounce time by it. It hears the sensor ports' real watchers, so it sees what a
// race would: lanes 1 to 4 on the first port's lines, lanes 5 to 8 on the second's, as many
// as the track has. The window renders `ansicht` and forwards its timer and button here.
#pragma once

#include "Dialoge.h"
#include "Portsteuerung.h"
#include "Prellzeiturteil.h"
#include "Rennen.h"
#include "Sensorport.h"

struct SpurAnsicht {
    QString LaSpur;              // the lane and the line it is on: "Spur 5 (Port 2 CD)"
    std::optional<bool> ImLampe; // the line's level; unknown until read
    QString LaFlanken;
    QString LaSeit;    // since the last edge
    QString LaPrellen; // shortest gap between two edges of the last burst
    QString LaRunde;   // the lap time between the last two bursts
};

struct SensortestAnsicht {
    Spuren<SpurAnsicht> spur;
    QString LaPort;
    bool BuComVisible = false;
    QString LaUrteil;
    Urteilsart urteil = Urteilsart::Offen;
};

class Sensortest {
public:
    // `zweiterSensorport`, where there is one, carries lanes 5 to 8.
    Sensortest(Rennen& rennen, Sensorport& sensoranschluss, Sensorport* zweiterSensorport, Uhr& uhr,
               Portsteuerung& port, Dialoge& dialoge);

    SensortestAnsicht ansicht;

    // A change of a line of sensor port 1 or 2, on the GUI thread, instead of the race's
    // line handler. A line of a lane the track does not have is no sensor.
    void leitungGeaendert(int port, const Leitungsereignis& ereignis);
    // A few times a second: the levels and the time since the last edge.
    void taktSchlag();
    void portWechseln();

private:
    Sensorport* sensorport(int port) const;
    // The track's lanes, anew where their count changed.
    void spurenAnpassen();
    void darstellen();
    QString porttext() const;

    Rennen& m_rennen;
    Sensorport& m_sensoranschluss;
    Sensorport* m_zweiterSensorport;
    Uhr& m_uhr;
    Portsteuerung& m_port;
    Dialoge& m_dialoge;
    Spuren<Sensorspur> m_spuren;
};
