// The driver labels: a click renames the driver, the right button brings the colour menu;
// names and colours are stored at once and come back at the next start.
#pragma once

#include "Einstellungswerte.h"
#include "Rennen.h"

#include <QString>
#include <array>
#include <optional>

struct Farbeintrag {
    QString caption;
    std::optional<Farbe> farbe; // none: "Standard", the colour of the lap counters
};

// The items of the pop-up menu "Farbe", in their order.
const std::array<Farbeintrag, 8>& Farbmenue();

class Fahrernamen {
public:
    Fahrernamen(Rennen& rennen, Einstellungsspeicher& speicher, Dialoge& dialoge);

    // A click on a lane's driver label (or F1, F2): asks for the driver's new name.
    void umbenennen(int spur);
    // A press on a lane's driver label; with the right button the window has shown the
    // colour menu, and this is the item chosen there, if any. Every press stores the
    // label's colour, changed or not.
    void gedrueckt(int spur, std::optional<int> farbeintrag);

private:
    Rennen& m_rennen;
    Einstellungswerte m_werte;
    Dialoge& m_dialoge;
};
