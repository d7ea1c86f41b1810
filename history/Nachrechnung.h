// A stored race driven again through the race model: its settings, drivers and crossings
// go as inputs to a fresh race without window, sound, Hall of Fame or files, and the race's
// own listener writes down the result. Laps, speeds, best laps, totals, the winner and a
// lane-change race's heats thus come from the race itself, never from arithmetic of ours.
#pragma once

#include "Durchfahrten.h"

#include <memory>

class Rennen;
struct Laufereignis;

class Nachrechnung {
public:
    // vorlage: the race as stored (its settings, drivers, colours, start and source);
    // verlauf: the crossings to drive, per heat and lane.
    Nachrechnung(const Rennaufzeichnung& vorlage, const Rennverlauf& verlauf);
    // The race judged again from its raw signals with another Prellzeit; its laps by hand
    // stay where they were.
    Nachrechnung(const Rennaufzeichnung& vorlage, double prellzeit);
    ~Nachrechnung();
    Nachrechnung(const Nachrechnung&) = delete;
    Nachrechnung& operator=(const Nachrechnung&) = delete;

    // The race as the history keeps it. A heat whose crossings leave a lane short of its
    // laps ends where they stop: a lane home keeps its finish, the first home wins, a
    // lane-change race goes on with its second heat. A race the racer stopped stays stopped.
    const Rennaufzeichnung& ergebnis() const { return m_ergebnis; }
    // The race model at its end, as the result file reads it.
    const Rennen& rennen() const;

private:
    struct Bahn;
    void fahren(const Rennaufzeichnung& vorlage, double prellzeit,
                const std::vector<std::vector<Laufereignis>>& laeufe);
    std::unique_ptr<Bahn> m_bahn;
    Rennaufzeichnung m_ergebnis;
};
