// What the race end calls in race mode, handed on to the Hall of Fame and the result file.
#pragma once

#include "Ergebnisexport.h"
#include "Hofmodul.h"
#include "Rekorde.h"

class Rekordstelle final : public Rekorde {
public:
    Rekordstelle(Hofmodul& hof, Ergebnisexport& ergebnis) : m_hof(hof), m_ergebnis(ergebnis) {}

    void hofPruefen(const Rennen& rennen) override { m_hof.HofPruefen(rennen); }
    void ergebnisSpeichern(const Rennen& rennen) override { m_ergebnis.ErgebnisSpeichern(rennen); }

private:
    Hofmodul& m_hof;
    Ergebnisexport& m_ergebnis;
};
