// The main window's keyboard: Enter starts and stops, Space halts a race after a crash,
// Shift+1 … Shift+8 give laps by hand, Ctrl+1 … Ctrl+8 take a lane's last lap back (the
// lanes the track has), Shift+F1 … Shift+F8 rename a lane's driver, the race director
// penalises a lane with Alt+1 … Alt+8 (time), Alt+Shift+1 … Alt+Shift+8 (stop and go) and
// Ctrl+Shift+F1 … Ctrl+Shift+F8 (a lap) and takes the last penalty back with Alt+Backspace,
// and
// Shift with a letter opens what the label-buttons offer (Shift+T the sensor test, Shift+V
// the race history, Shift+A the announcements), only while no race runs. Shift+Z opens and closes
// the spectators' big-screen window and F11 puts it on full screen, Ctrl with plus, minus and 0
// zooms the main window, at any time. A Shift+Ctrl click on the countdown digit toggles single
// mode.
#pragma once

#include "Fahrernamen.h"
#include "Programmstart.h"
#include "Rennen.h"

#include <functional>
#include <vector>

// The keys the table knows, whatever the keyboard layout prints on them.
enum class Taste {
    Enter,
    Leertaste,
    Ziffer0,
    Ziffer1,
    Ziffer2,
    Ziffer3,
    Ziffer4,
    Ziffer5,
    Ziffer6,
    Ziffer7,
    Ziffer8,
    A,
    D,
    M,
    H,
    O,
    R,
    I,
    T,
    V,
    N,
    Z,
    F1,
    F2,
    F3,
    F4,
    F5,
    F6,
    F7,
    F8,
    F11,
    Ruecktaste,
    Plus,
    Minus,
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

// The zoom of the main window and the windows it opens: a step larger or smaller, or back
// to the designed size. A race goes on meanwhile.
class Fensterzoom {
public:
    virtual ~Fensterzoom() = default;
    virtual void groesser() = 0;
    virtual void kleiner() = 0;
    virtual void zuruecksetzen() = 0;
};

// A row of the key table: a key, the shift states it is taken with (none listed: any), its
// name as the manual and the notes window write it, and what it does.
struct Tastenbefehl {
    Taste taste;
    std::vector<int> umschaltungen;
    QString name;
    std::function<void()> aktion;
};

class Tastatur {
public:
    Tastatur(Rennen& rennen, Programmstart& start, Dialoge& dialoge, Fahrernamen& fahrer,
             Zuschaueranzeige& zuschauer, Fensterzoom& zoom);
    // The table's actions act on this object.
    Tastatur(const Tastatur&) = delete;
    Tastatur& operator=(const Tastatur&) = delete;

    void tasteGedrueckt(Taste taste, int umschaltung);
    void countdownGeklickt(int umschaltung);
    void hallOfFameZeigen();
    // A click on the status bar opens the about box, but not during a race.
    void statusleisteGeklickt();

    // Every key, in the order a key press is tested against them; the first that matches
    // acts.
    const std::vector<Tastenbefehl>& tabelle() const { return m_tabelle; }

private:
    std::vector<Tastenbefehl> tabelleAufbauen();
    // Shift+digit, Ctrl+digit and Shift+F-key for every lane a track can have.
    void spurtastenAnfuegen(std::vector<Tastenbefehl>& tabelle);
    // The race director's keys. Ctrl+Alt with a digit stays free: it is AltGr on Windows, and
    // AltGr with a digit types ²³{[]} on a German keyboard.
    void straftastenAnfuegen(std::vector<Tastenbefehl>& tabelle);

    Rennen& m_rennen;
    Programmstart& m_start;
    Dialoge& m_dialoge;
    Fahrernamen& m_fahrer;
    Zuschaueranzeige& m_zuschauer;
    Fensterzoom& m_zoom;
    std::vector<Tastenbefehl> m_tabelle;
};
