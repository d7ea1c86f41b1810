#include "Zoomstufe.h"

#include "Einstellungswerte.h"

#include <algorithm>
#include <utility>

namespace E = Einstellungen;

Zoomstufe::Zoomstufe(Einstellungsspeicher& speicher) : m_speicher(speicher) {
    Einstellungswerte werte(speicher);
    const int gespeichert = werte.ganzzahl(E::Zoom, Kleinste, Groesste);
    m_gewaehlt = gespeichert % Schritt == 0 ? gespeichert : Kleinste;
    m_prozent = m_gewaehlt;
}

int Zoomstufe::passend(int hoechstens, QSize grund, QSize platz) {
    // Rounded up, as a window never has part of a pixel.
    const auto passt = [&](int prozent) {
        return (grund.width() * prozent + 99) / 100 <= platz.width() &&
               (grund.height() * prozent + 99) / 100 <= platz.height();
    };
    int prozent = std::clamp(hoechstens, Kleinste, Groesste);
    while (prozent > Kleinste && !passt(prozent))
        prozent -= Schritt;
    return prozent;
}

bool Zoomstufe::zeigen(int prozent) {
    return std::exchange(m_prozent, prozent) != prozent;
}

bool Zoomstufe::waehlen(int prozent) {
    m_gewaehlt = prozent;
    Einstellungswerte(m_speicher).speichern(E::Zoom, prozent);
    return zeigen(prozent);
}

bool Zoomstufe::einpassen(QSize grund, QSize platz) {
    return zeigen(passend(m_gewaehlt, grund, platz));
}

bool Zoomstufe::groesser(QSize grund, QSize platz) {
    const int ziel = passend(m_prozent + Schritt, grund, platz);
    // A screen too small for the next step leaves the zoom where it is.
    return ziel > m_prozent && waehlen(ziel);
}

bool Zoomstufe::kleiner(QSize grund, QSize platz) {
    return m_prozent > Kleinste && waehlen(passend(m_prozent - Schritt, grund, platz));
}

bool Zoomstufe::zuruecksetzen() {
    return waehlen(Kleinste);
}
