// The race state: the settings the race works with, its run-time flags, the race clock,
// the per-lane and per-lap values, and the results of the two heats of a lane-change race.
#pragma once

#include "Reihe.h"

#include <QString>
#include <cstdint>
#include <vector>

// The best lap time of a lane that has crossed the line but completed no lap.
constexpr double KeineBestzeit = 999999999;

// Metres. Far beyond any track, and small enough that every speed and average stays a
// finite number the Hall of Fame can hold.
constexpr double GroessteKurslaenge = 10000;

struct Rennzustand {
    // Settings (read at start-up, changed by the settings dialog).
    double Kurslaenge = 5; // metres per lap
    std::int32_t Rundenzahl = 10;
    double Prellzeit = 2;       // seconds a sensor stays deaf after a signal
    bool Rennmodus = true;      // false: training, the lower best lap wins
    bool OhneCountdown = false; // flying start
    bool SpurWechsel = false;   // two heats, the drivers change lanes
    bool RaceControl = false;   // signals and clock come from the timing box
    bool MaxGeschwManuell = false;
    bool RundenBeep = false;
    bool SchnellsterRundenBeep = false;
    bool PermanentesLogging = false;
    bool MitSound = false;   // sound files instead of beeps
    bool Ampelbilder = true; // traffic-light pictures instead of plain discs
    std::int32_t RCEmpfindlichkeit = 0;
    std::int32_t RCVerzoegerung = 0;
    std::int32_t RCNachlauf = 0;
    bool RCSZsensorTausch = false;
    Spuren<QString> Fahrer{QStringLiteral("Fahrer 1"), QStringLiteral("Fahrer 2")};

    // Run-time flags.
    bool SignaleGesperrt = true;
    bool RennenLaeuft = false;
    bool RennuhrGestartet = false;
    bool CrashPause = false;
    bool ZweiterLauf = false;
    bool Einzelmodus = false;
    std::int32_t CountdownTicks = 0;
    // The box reported a passage far from its clock in this race; told once a race.
    bool BoxzeitsprungGemeldet = false;

    // Race clock. Ticks are those of the active clock (milliseconds, or box ticks).
    double Startzeit = 0; // seconds, on the pause-adjusted scale of the signal times
    std::int64_t Pausenzeit = 0;
    std::int64_t PausenBeginn = 0;
    std::int64_t PausenEnde = 0;

    // Per lane.
    Spuren<std::int32_t> Runde{0, 0};
    Spuren<bool> Fertig{false, false};
    Spuren<double> Rundenbeginn{0, 0};
    Spuren<double> BestZeit{0, 0};
    Spuren<std::int32_t> BestRunde{0, 0};
    Spuren<double> DurchschnittsGeschw{0, 0};
    Spuren<double> LetztesSignal{0, 0};

    // Per lap, index 0 to the laps driven (element 0 stays 0). They grow with the laps
    // driven, not with the laps configured.
    Spuren<std::vector<double>> Rundenzeiten;
    Spuren<std::vector<double>> Geschwindigkeiten;

    double MaxGeschw = 0;

    // The two heats of a lane-change race, by lane, and the totals by driver slot.
    Spuren<double> Lauf1Zeit{0, 0};
    Spuren<double> Lauf1Geschw{0, 0};
    Spuren<double> Lauf2Zeit{0, 0};
    Spuren<double> Lauf2Geschw{0, 0};
    Spuren<double> GesamtZeit{0, 0};
    Spuren<double> GesamtGeschw{0, 0};
};
