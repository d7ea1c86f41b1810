// The line handler of the sensor port: a change of CD is a car in lane 1, a drop of DSR a
// car in lane 2. It debounces, hands the signal to the race (in single mode to both
// lanes) and tells the signal log what became of every change.
#pragma once

#include "Leitungen.h"
#include "Rennen.h"
#include "Signalprotokoll.h"

#include <functional>

class Leitungsbehandlung {
public:
    explicit Leitungsbehandlung(Rennen& rennen) : m_rennen(rennen) {}

    void protokollieren(std::function<void(const Signaleintrag&)> protokoll) {
        m_protokoll = std::move(protokoll);
    }

    // One change of a line, on the GUI thread.
    void leitungGeaendert(const Leitungsereignis& ereignis);

private:
    Rennen& m_rennen;
    std::function<void(const Signaleintrag&)> m_protokoll;
};
