#include "Tastenanschlaege.h"

bool Tastenanschlaege::gedrueckt(const Ereignis& ereignis) {
    if (ereignis.wiederholung)
        return false;
    Zustand& zustand = m_tasten[ereignis.taste];
    if (std::exchange(zustand.unten, true))
        return false;
    // Time stamps are milliseconds that wrap around at 32 bits on X11 and Windows.
    return !(zustand.losgelassenUm && ereignis.zeitMs != 0 &&
             quint32(ereignis.zeitMs - *zustand.losgelassenUm) < WiederholabstandMs);
}

void Tastenanschlaege::losgelassen(const Ereignis& ereignis) {
    // A release marked as a repeat has its press right behind it: the key stays down.
    if (ereignis.wiederholung)
        return;
    Zustand& zustand = m_tasten[ereignis.taste];
    zustand.unten = false;
    zustand.losgelassenUm.reset();
    if (ereignis.zeitMs != 0)
        zustand.losgelassenUm = ereignis.zeitMs;
}
