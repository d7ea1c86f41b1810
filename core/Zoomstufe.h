// How large the main window and the windows it opens are drawn, in percent: 100 is the
// designed size, each step 25 more up to 300, never more than the screen holds. The zoom
// chosen is remembered; the screen decides how much of it is shown.
#pragma once

#include "Einstellungsspeicher.h"

#include <QSize>

class Zoomstufe {
public:
    static constexpr int Kleinste = 100;
    static constexpr int Groesste = 300;
    static constexpr int Schritt = 25;

    // Reads the zoom chosen last; a stored text that is no step gives 100.
    explicit Zoomstufe(Einstellungsspeicher& speicher);

    // The zoom shown.
    int prozent() const { return m_prozent; }

    // `grund` is the window's size at 100 %, `platz` the room the screen has for it; both
    // in pixels. Each returns whether the zoom shown changed.
    //
    // The zoom chosen, or the largest step below it that fits; the choice stays stored, for
    // a larger screen.
    bool einpassen(QSize grund, QSize platz);
    // A step up or down, stored; a step up that does not fit stops at the largest that does.
    bool groesser(QSize grund, QSize platz);
    bool kleiner(QSize grund, QSize platz);
    // The designed size, stored.
    bool zuruecksetzen();

private:
    // The largest step up to `hoechstens` at which `grund` fits into `platz`; at least 100.
    static int passend(int hoechstens, QSize grund, QSize platz);
    bool zeigen(int prozent);
    bool waehlen(int prozent);

    Einstellungsspeicher& m_speicher;
    int m_gewaehlt;
    int m_prozent;
};
