// The start-up of the main window and the settings it shows: reads every setting into the
// race state, sets up the window for race or training mode and lane change, loads the
// Hall of Fame, opens the port and blocks lap signals until a race starts.
#pragma once

#include "Einstellungswerte.h"
#include "Portsteuerung.h"
#include "Rennen.h"

#include <functional>

class Programmstart {
public:
    Programmstart(Rennen& rennen, Einstellungsspeicher& speicher, Portsteuerung& port,
                  Dialoge& dialoge, std::function<void()> hofLesen);

    void Form_Load();
    void ModusSetzen(bool neuerModus);
    void SpurwechselAnzeigen(bool sichtbar);
    void LaEinstellungen_Click();

    // The course length and lap count in the status bar and the lap counters.
    void streckenangabenZeigen();

private:
    Rennen& m_rennen;
    Einstellungswerte m_werte;
    Portsteuerung& m_port;
    Dialoge& m_dialoge;
    std::function<void()> m_hofLesen;
};
