// The sensor test "Sensortest": opened between races, it shows live what each lane's
// sensor does — the line's level, its edges, the bounce and the lap time — and judges the
// stored debounce time by it. It hears the sensor port's real watcher, so it sees what a
// race would; the window renders `ansicht` and forwards its timer and button here.
#pragma once

#include "Dialoge.h"
#include "Portsteuerung.h"
#include "Prellzeiturteil.h"
#include "Rennen.h"
#include "Sensorport.h"

struct SpurAnsicht {
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
    Sensortest(Rennen& rennen, Sensorport& sensoranschluss, Uhr& uhr, Portsteuerung& port,
               Dialoge& dialoge);

    SensortestAnsicht ansicht;

    // A change of a sensor line, on the GUI thread, instead of the race's line handler.
    void leitungGeaendert(const Leitungsereignis& ereignis);
    // A few times a second: the levels and the time since the last edge.
    void taktSchlag();
    void portWechseln();

private:
    void darstellen();

    Rennen& m_rennen;
    Sensorport& m_sensoranschluss;
    Uhr& m_uhr;
    Portsteuerung& m_port;
    Dialoge& m_dialoge;
    Spuren<Sensorspur> m_spuren;
};
