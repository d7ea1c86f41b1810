// How a race night is played: every pair once or a rotation of single heats, whether a final
// of the two best follows, and the points of a Begegnung. Read from the settings store, where
// a garbage value gives the key's default.
#pragma once

#include "Einstellungswerte.h"

#include <QString>
#include <optional>

enum class Rennabendformat {
    JederGegenJeden, // every pair one Begegnung of two Läufe, each driver once on each lane
    Rotation         // single Läufe; every driver equally many, half on each lane
};

struct Punktwertung {
    int sieg = 3;
    int unentschieden = 1;
    int niederlage = 0;

    bool operator==(const Punktwertung&) const = default;
};

struct Rennabendregeln {
    Rennabendformat format = Rennabendformat::JederGegenJeden;
    bool finale = false; // a Begegnung of the two best after the plan
    Punktwertung punkte;
};

// The names of the settings store ("JederGegenJeden", "Rotation").
QString rennabendformatName(Rennabendformat format);
std::optional<Rennabendformat> rennabendformatLesen(const QString& name);

// "3,1,0": whole numbers from 0 to 100 for win, draw and loss, a win worth at least a draw
// and a draw at least a loss.
QString punktwertungText(const Punktwertung& punkte);
std::optional<Punktwertung> punktwertungLesen(const QString& text);

Rennabendregeln rennabendregelnLesen(Einstellungswerte& werte);
