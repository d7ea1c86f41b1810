// How a race night is played: every pair once, a rotation of single heats, or a round over
// every lane of a wider track; whether a final of the two best follows, and the points of a
// Begegnung. Read from the settings store, where
// a garbage value gives the key's default.
#pragma once

#include "Einstellungswerte.h"
#include "Reihe.h"

#include <QString>
#include <optional>
#include <vector>

enum class Rennabendformat {
    JederGegenJeden, // every pair one Begegnung of two Läufe, each driver once on each lane
    Rotation,        // single Läufe; every driver equally many, half on each lane
    Spurrotation     // Läufe over every lane, each driver once on each (Spurrotation.h)
};

// A Begegnung and a rotation of pairs drive two lanes; a wider track has only the round over
// every lane.
Rennabendformat rennabendformatFuer(Rennabendformat format, int spurenzahl);

struct Punktwertung {
    int sieg = 3;
    int unentschieden = 1;
    int niederlage = 0;

    bool operator==(const Punktwertung&) const = default;
};

// What the standings count.
enum class Abendwertung {
    Siege,        // a Begegnung's points, a Lauf's wins: the two-lane formats' rule
    Gesamtrunden, // the distance over every Lauf by time; by laps the total time
    Platzpunkte   // points for each place in each Lauf, from the club's list
};

// How a night's qualifying orders the drivers for its mains (Qualifikation.h).
enum class Qualifikationsart {
    BesteRunde,  // the fastest lap decides, the lower time first
    MeisteRunden // the distance of a run by time decides (by laps the laps), the longer first
};

// How a main is driven: one Lauf, or a rotation in which each of its drivers drives every lane.
enum class Hauptlaufmodus { Einzellauf, Rotation };

struct Rennabendregeln {
    Rennabendformat format = Rennabendformat::JederGegenJeden;
    bool finale = false; // a Begegnung of the two best after the plan
    Punktwertung punkte;
    Abendwertung wertung = Abendwertung::Siege;
    std::vector<int> platzpunkte{25, 22, 20, 18, 16, 15, 14, 13}; // for Platzpunkte
    // A night with a qualifying drives it and then its mains (Hauptlaeufe.h); with
    // `aufsteiger` the winner of each main moves up into the one above.
    std::optional<Qualifikationsart> qualifikation = std::nullopt;
    bool aufsteiger = false;
    Hauptlaufmodus hauptlaufmodus = Hauptlaufmodus::Einzellauf;
    // The qualifying a round over every lane, each driver once on each, instead of one Lauf
    // each; its distances add up, its best lap is the best of them.
    bool qualifikationAufJederSpur = false;
};

// The names of the settings store ("Siege", "Gesamtrunden", "Platzpunkte").
QString abendwertungName(Abendwertung wertung);
std::optional<Abendwertung> abendwertungLesen(const QString& name);
// Without a choice of its own a night on two lanes counts wins, on more the places.
Abendwertung abendwertungFuer(int spurenzahl);

// The names of the settings store ("BesteRunde", "MeisteRunden"); "Keine" or anything else
// reads as none, a night without a qualifying.
QString qualifikationsartName(Qualifikationsart art);
std::optional<Qualifikationsart> qualifikationsartLesen(const QString& name);
// The names of the settings store ("Einzellauf", "Rotation").
QString hauptlaufmodusName(Hauptlaufmodus modus);
std::optional<Hauptlaufmodus> hauptlaufmodusLesen(const QString& name);

// The most drivers a night of this format takes.
int meisteFahrer(Rennabendformat format);

// The names of the settings store ("JederGegenJeden", "Rotation", "Spurrotation").
QString rennabendformatName(Rennabendformat format);
std::optional<Rennabendformat> rennabendformatLesen(const QString& name);

// "3,1,0": whole numbers from 0 to 100 for win, draw and loss, a win worth at least a draw
// and a draw at least a loss.
QString punktwertungText(const Punktwertung& punkte);
std::optional<Punktwertung> punktwertungLesen(const QString& text);

// For a track of this many lanes.
Rennabendregeln rennabendregelnLesen(Einstellungswerte& werte, int spurenzahl = KleinsteSpurenzahl);
