// The main window's keyboard: Enter starts and stops, Space halts a race after a crash,
// Shift+1 and Shift+2 give laps by hand, and Shift with a letter opens what the
// label-buttons offer (Shift+T the sensor test, Shift+V the race history, Shift+A the
// announcements), only while no race runs. Shift+Z opens and closes the spectators'
// big-screen window and F11 puts it on full screen, at any time. A Shift+Ctrl click on the
// countdown digit toggles single mode.
#pragma once

#include "Fahrernamen.h"
#include "Programmstart.h"
#include "Rennen.h"

// The keys the table knows, whatever the keyboard layout prints on them.
enum class Taste {
    Enter,
    Leertaste,
    Ziffer1,
    Ziffer2,
    A,
    D,
    M,
    H,
    O,
    I,
    T,
    V,
    Z,
    F1,
    F2,
    F11,
    Andere
};

// The shift state as a bit set.
namespace Umschaltung {
constexpr int Shift = 1;
constexpr int Strg = 2;
constexpr int Alt = 4;
} // namespace Umschaltung

// The spectators' big-screen window beside the main window; a race goes on while it
// opens, closes or fills its screen.
class Zuschaueranzeige {
public:
    virtual ~Zuschaueranzeige() = default;
    virtual void umschalten() = 0;
    virtual void vollbildUmschalten() = 0;
};

class Tastatur {
public:
    Tastatur(Rennen& rennen, Programmstart& start, Dialoge& dialoge,
             Fahrernamen& fahrer, Zuschaueranzeige& zuschauer);

    void Form_KeyDown(Taste taste, int umschaltung);
    void LaCountdown_MouseUp(int umschaltung);
    void LaHof_Click();
    // A click on the status bar opens the about box, but not during a race.
    void StatusBar1_PanelClick();

private:
    Rennen& m_rennen;
    Programmstart& m_start;
    Dialoge& m_dialoge;
    Fahrernamen& m_fahrer;
    Zuschaueranzeige& m_zuschauer;
};
