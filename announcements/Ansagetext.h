// The wording of every announcement, and the driver's name made fit to be spoken. Texts
// are plain: no control characters, no markup, nothing the synthesizer would read as a
// command, and of a length that is said in a few seconds.
#pragma once

#include "Strafe.h"

#include <QString>
#include <optional>

namespace Ansagetext {

// The longest name that is spoken; a longer one is cut at the last word that fits.
constexpr int LaengsterName = 40;

// The name as written, for speaking: control characters, markup and other symbols become
// spaces, runs of spaces one; cut to LaengsterName. Empty when nothing speakable is left.
QString sprechbarerName(const QString& name);
// A lane by its number: "Spur drei".
QString spur(int spur);
// The name to say for a lane's driver: the speakable name, or "Spur eins" without one.
QString fahrer(const QString& name, int spur);

// What is said after a lap; every part is optional, the empty text says nothing.
struct Runde {
    QString fahrer;                // named before the time (or the lane); empty: no name
    std::optional<double> zeit;    // the lap time in seconds
    bool bestzeit = false;         // the best lap of the race: "Bestzeit <fahrer>, <zeit>"
    std::optional<int> nochRunden; // laps to go: 10, 5, 3 are said, 1 is "letzte Runde"
};
QString runde(const Runde& r);

QString fehlstart(const QString& fahrer);
// A penalty of the race director's or for a false start: "Fünf Sekunden Strafe für Anna",
// "Eine Runde Strafe für Bert", "Stop and go für Carla", "Fehlstart, fünf Sekunden Strafe
// für Anna".
QString strafe(const QString& fahrer, const Strafe& strafe);
// "Strafe für Bert zurückgenommen".
QString strafeZurueckgenommen(const QString& fahrer);
// Ctrl+1/2 took a lane's last lap back: "Runde gestrichen, Spur eins".
QString rundeGestrichen(int spur);
QString crashPause(bool an);
// The track-call watch found the lane overdue: "Streckenruf: Spur zwei überfällig".
QString streckenruf(int spur);
QString gewinnt(const QString& fahrer);
// A driver home behind the winner, on a track of more than two lanes: "Bert, Platz zwei".
QString platz(const QString& fahrer, int platz);
// The winner of a heat or race with the gap; a lane-change race's heat before its last
// (numbered from 1; 0: the race) is said as such, since the totals decide.
QString sieg(const QString& fahrer, double abstand, int vorlauf);
// The winner's gap: in seconds to the hundredth, a gap below that in milliseconds ("Vorsprung
// vier Millisekunden"), none at all as "hauchdünner Vorsprung". A gap that is no number, or
// beyond any race, gives the empty text: nothing is said of it.
QString vorsprung(double sekunden);
QString unentschieden();
// A race by time: at one minute and ten seconds left, and at zero; other times say nothing.
QString restzeit(int sekunden);
// Without a name only the rank is said.
QString hallOfFame(const QString& fahrer, int rang);

} // namespace Ansagetext
