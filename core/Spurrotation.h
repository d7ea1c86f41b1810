// Which lane each driver takes in each heat of a lane-change race: as many heats as the
// track has lanes with a car, and from one heat to the next every driver moves on to the
// next such lane, the last one's driver to the first. So everyone drives every lane once,
// and after the last heat the names stand where they stood before the first. On two lanes
// it is the plain change of lanes. Heats are counted from 0, lanes from 1; a free lane
// keeps no driver and stays where it is.
#pragma once

#include "Renneinstellungen.h"

#include <vector>

class Spurrotation {
public:
    Spurrotation() = default;
    explicit Spurrotation(const Renneinstellungen& einstellungen);

    int laeufe() const { return static_cast<int>(m_spuren.size()); }
    bool mitAuto(int spur) const;
    // The lane the driver who began on ersteSpur drives in this heat.
    int spurImLauf(int ersteSpur, int lauf) const;
    // The lane in the first heat of whoever drives this lane in this heat.
    int ersteSpur(int spur, int lauf) const;

    bool operator==(const Spurrotation&) const = default;

private:
    int verschoben(int spur, int schritte) const;

    std::vector<int> m_spuren; // the lanes with a car, in order
};
