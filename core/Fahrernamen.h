// The driver labels: a click renames the driver, the right button opens the colour menu;
// names and colours are stored at once and come back at the next start.
#pragma once

#include "Einstellungswerte.h"
#include "Rennen.h"

#include <QString>
#include <array>
#include <functional>
#include <optional>

struct Farbeintrag {
    QString caption;
    std::optional<Farbe> farbe; // none: "Standard", the colour of the lap counters
};

// The items of the pop-up menu "Farbe", in their order.
const std::array<Farbeintrag, 8>& Farbmenue();

class Fahrernamen {
public:
    // Shows the colour menu and returns the index of the chosen item, if any.
    using Menue = std::function<std::optional<int>()>;

    Fahrernamen(Rennen& rennen, Einstellungsspeicher& speicher, Dialoge& dialoge, Menue menue);

    void LaFahrer_Click(int spur);
    void LaFahrer_MouseDown(int spur, Qt::MouseButton knopf);

private:
    void farbeSetzen(int eintrag);

    Rennen& m_rennen;
    Einstellungswerte m_werte;
    Dialoge& m_dialoge;
    Menue m_menue;
    int FarbSpur = 1;
};
