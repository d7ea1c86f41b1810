// How far a lane has come in a race by time: laps driven plus the fraction of the lap in
// progress, judged by the lane's mean lap so far.
#pragma once

#include "Rennstand.h"

// The fraction stays below a whole lap, so a car slower than its mean never gains a lap it
// has not driven; shown to three decimals it stays below the next lap, too.
constexpr double GroessterRundenanteil = 0.999;

// At a race time; 0 for the fraction while the lane has no completed lap.
double distanz(const Spurstand& spur, double rennzeit);
// The race time the lane completed its last lap at; 0 without one.
double ankunft(const Spurstand& spur);
// The lanes by distance, then by who got there first; lanes level stay in lane order.
std::vector<int> reihenfolge(const Spuren<Spurstand>& spuren, const Spuren<double>& distanzen);
// The lane ahead so; 0 when two lead level.
int vorneLiegend(const Spuren<Spurstand>& spuren, const Spuren<double>& distanzen);
