// The timing box's clock: 4800 ticks per second, read from its library and unwrapped, so
// the 32-bit counter's wrap after about five days does not break a race.
#pragma once

#include "BoxBibliothek.h"
#include "Uhr.h"
#include "Zaehlerentfaltung.h"

class BoxUhr final : public Uhr {
public:
    explicit BoxUhr(BoxBibliothek& bibliothek) : m_bibliothek(bibliothek) {}

    std::int64_t ticks() override { return entfalten(m_bibliothek.Get_TStamp(0)); }
    int ticksProSekunde() const override { return BoxTicksProSekunde; }

    // Event time stamps are on the same counter and go through the same unwrapping.
    std::int64_t entfalten(std::int32_t zeitstempel) { return m_entfaltung.entfalten(zeitstempel); }

private:
    BoxBibliothek& m_bibliothek;
    Zaehlerentfaltung m_entfaltung;
};
