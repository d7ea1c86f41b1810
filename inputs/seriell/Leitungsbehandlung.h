// The line handler of one sensor port: a change of CD, or a drop of DSR, CTS or RI, is a
// car in the line's lane (lanes 1 to 4 on the first port, 5 to 8 on the second). It
// debounces, hands the signal to the race (in single mode to both lanes) and tells the
// signal log what became of every change.
#pragma once

#include "Leitungen.h"
#include "Rennen.h"
#include "Signalprotokoll.h"

#include <functional>

class Leitungsbehandlung {
public:
    // `port` 1 or 2: which of the sensor ports, and so which lanes, it handles.
    explicit Leitungsbehandlung(Rennen& rennen, int port = 1) : m_rennen(rennen), m_port(port) {}

    void protokollieren(std::function<void(const Signaleintrag&)> protokoll) {
        m_protokoll = std::move(protokoll);
    }

    // One change of a line, on the GUI thread.
    void leitungGeaendert(const Leitungsereignis& ereignis);

private:
    // The lane a line carries on this port.
    int spur(Leitung leitung) const { return spurDerLeitung(m_port, leitung); }
    QString ereignisText(const Leitungsereignis& e) const;

    Rennen& m_rennen;
    int m_port;
    std::function<void(const Signaleintrag&)> m_protokoll;
};
