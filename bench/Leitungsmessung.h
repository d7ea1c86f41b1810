// The line benchmark's measurement, shared by the figures that take it: how long a line
// change takes from the moment the watcher sees it to the line handler on the GUI thread,
// through the real thread hand-over, while a race counts every change as a lap (every
// drop, on the lines other than CD).
#pragma once

#include <functional>
#include <vector>

class Rennen;

// Runs 10,000 line changes (after a warm-up) in the running QCoreApplication, on the first
// `leitungen` lines (1 to 4) of the port at once, each lane of a track of as many lanes;
// `vorbereiten` gets the race before its start, to add listeners. The latencies in
// milliseconds, sorted, each from the moment its lines changed; empty when not all
// changes arrived.
std::vector<double> leitungslatenzen(const std::function<void(Rennen&)>& vorbereiten = {},
                                     int leitungen = 1);
