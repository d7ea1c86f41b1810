// Laps that look wrong, judged against the lane's own pace: one far under its median lap
// was probably counted twice (a bounce, a doubled key), one far over it probably hides a
// missed crossing. A hint for the racer only; the laps themselves stay as counted.
#pragma once

#include <QString>
#include <vector>

// Korrigiert: a lap a correction of the finished race made.
enum class Rundenhinweis { Keiner, Doppelt, Verpasst, Korrigiert };

// From this many laps on a lane has a median worth judging by.
constexpr std::size_t RundenFuerHinweise = 3;
constexpr double DoppeltUnter = 0.5;  // times the median
constexpr double VerpasstUeber = 1.8; // times the median

// One hint per lap time, in their order; none at all below RundenFuerHinweise laps.
std::vector<Rundenhinweis> rundenhinweise(const std::vector<double>& zeiten);
// The middle lap time (the mean of the middle two for an even count); 0 without laps.
double medianrunde(const std::vector<double>& zeiten);
// "doppelt?", "verpasst?", "korrigiert", or empty.
QString hinweistext(Rundenhinweis hinweis);
