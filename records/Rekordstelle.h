// What the race end calls in race mode, handed on to the Hall of Fame and the result file
// with the race that has just ended.
#pragma once

#include "Ergebnisexport.h"
#include "Hofmodul.h"
#include "Rekorde.h"

class Rekordstelle final : public Rekorde {
public:
    // The race is only read when it calls, so it may be built after this object.
    Rekordstelle(const Rennen& rennen, Hofmodul& hof, Ergebnisexport& ergebnis)
        : m_rennen(rennen), m_hof(hof), m_ergebnis(ergebnis) {}

    void HofPruefen() override { m_hof.HofPruefen(m_rennen); }
    void ErgebnisSpeichern() override { m_ergebnis.ErgebnisSpeichern(m_rennen); }

private:
    const Rennen& m_rennen;
    Hofmodul& m_hof;
    Ergebnisexport& m_ergebnis;
};
