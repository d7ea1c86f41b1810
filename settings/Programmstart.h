// The start-up of the main window and the settings it shows: reads every setting into the
// race, loads the Hall of Fame, opens the port and darkens the light.
#pragma once

#include "Einstellungswerte.h"
#include "Portsteuerung.h"
#include "Rennen.h"

#include <functional>
#include <optional>

class Programmstart {
public:
    // `spuranzahl`: the lanes the command line gives for this run, instead of the setting.
    Programmstart(Rennen& rennen, Einstellungsspeicher& speicher, Portsteuerung& port,
                  Dialoge& dialoge, std::function<void()> hofLesen,
                  std::optional<int> spuranzahl = std::nullopt);

    void programmStarten();
    void optionenOeffnen();

private:
    Rennen& m_rennen;
    Einstellungswerte m_werte;
    Portsteuerung& m_port;
    Dialoge& m_dialoge;
    std::function<void()> m_hofLesen;
    std::optional<int> m_spuranzahl;
};
