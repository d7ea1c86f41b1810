// One race as the history keeps it: when and how it was driven, and per heat and lane the
// driver, the colour and every lap. Plain data, built by the race's listener and stored in
// one piece.
#pragma once

#include "Farben.h"
#include "Reihe.h"
#include "Rennformat.h"
#include "Rundenpruefung.h"
#include "Strafe.h"
#include "Streckenruf.h"

#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

enum class Rennart { Rennen, Training, Spurwechsel };

// Where the laps came from: the lap sensors, the timing box, the keyboard alone (no port
// could be opened), the track simulator or the sensor board.
enum class Signalquelle { Sensoren, Box, Tastatur, Simulation, Platine };

struct Rundeneintrag {
    double zeit = 0;            // seconds
    double geschwindigkeit = 0; // metres per second
    bool vonHand = false;       // Shift+1 or Shift+2
};

// A sensor signal as it reached the race, accepted, bouncing or not: its lane and its time
// from the green light of its heat.
struct Rohsignal {
    int spur = 1;
    std::int64_t mikrosekunden = 0;

    bool operator==(const Rohsignal&) const = default;
};
using Rohsignale = std::vector<std::vector<Rohsignal>>; // per heat, in the order they came
// A race has a heat per lane at most: every driver once on every lane.
constexpr std::size_t MeisteLaeufe = GroessteSpurenzahl;
// A signal further than a year from its green light came from no race: the readers take none,
// so that adding, subtracting or negating signal times never overflows.
constexpr std::int64_t GroessteSignalzeit = 365LL * 24 * 3600 * 1'000'000;

// One lane in one heat.
struct Spurfahrt {
    QString fahrer;
    Farbe farbe = Farben::Hellgrau;
    std::vector<Rundeneintrag> runden; // lap 1 first
    // Race time at the finish and the average speed over the race; none when the lane did
    // not finish (a stopped race).
    std::optional<double> gesamtzeit;
    std::optional<double> schnitt;
    // In a race by time: the laps driven and the fraction of the last, once home.
    std::optional<double> distanz;

    // The fastest lap, the first of equal ones (lap number from 1); none without laps.
    std::optional<int> besteRunde() const;
    // Each lap's hint against the lane's median lap ("doppelt?", "verpasst?"); with the lane
    // as first stored, a lap it did not have is "korrigiert".
    std::vector<Rundenhinweis> hinweise(const Spurfahrt* original = nullptr) const;
};

// The race night a race was driven for, and the entry of its plan (from 1) it drove.
struct Abendzuordnung {
    QString rennabend; // the night's key
    int nummer = 0;

    bool operator==(const Abendzuordnung&) const = default;
};

struct Rennaufzeichnung {
    QDateTime beginn; // when Start was pressed for the (first) heat
    Rennart art = Rennart::Rennen;
    int rundenzahl = 0;
    Rennlaenge rennart = Rennlaenge::Runden;
    int renndauer = 0; // seconds, in a race by time
    Zielregel zielregel = Zielregel::RundeBeenden;
    // By laps: the winner home ended each other lane's race at its next crossing.
    bool nachSiegerBeenden = false;
    std::uint32_t freieSpuren = 0; // bit n-1: lane n had no car
    double kurslaenge = 0;
    double prellzeit = 0;
    Signalquelle quelle = Signalquelle::Sensoren;
    bool abgebrochen = false; // stopped with Stop
    // One heat, or two in lane-change mode; each with every lane of the track.
    std::vector<Spuren<Spurfahrt>> laeufe;
    std::optional<QString> sieger; // none: a draw, or stopped; with penalties, after them
    // Every heat's penalties in the order given, and its track calls in the order called;
    // each names its heat (from 0). They are facts of the race: a correction keeps them, and
    // adds or takes back a penalty only by the racer's hand.
    std::vector<Strafe> strafen;
    std::vector<Streckenruf> streckenrufe;
    // Every sensor signal of each heat; empty for a race without sensor signals and for one
    // stored before they were kept. They stay as they came through every correction.
    Rohsignale rohsignale;
    // A corrected race: its heats as first stored; empty for a race never corrected.
    std::vector<Spuren<Spurfahrt>> original;
    // A corrected race: whether the racer stopped it as first stored. A correction that
    // leaves nobody home ends with Stop too, but that is the correction's outcome, not his.
    bool originalAbgebrochen = false;
    std::optional<Abendzuordnung> abend; // none for a race of no night

    // The track's lanes, which every heat has; two for a race without a heat.
    int spurenzahl() const { return laeufe.empty() ? KleinsteSpurenzahl : laeufe.front().anzahl(); }
    bool spurFrei(int spur) const {
        return spur >= 1 && spur <= GroessteSpurenzahl && (freieSpuren >> (spur - 1) & 1U);
    }
    bool korrigiert() const { return !original.empty(); }
    bool mitRohsignalen() const { return !rohsignale.empty(); }
    bool vomFahrerGestoppt() const { return korrigiert() ? originalAbgebrochen : abgebrochen; }
    // The lane of that heat as first stored; none for a race never corrected.
    const Spurfahrt* originalfahrt(std::size_t lauf, int spur) const;
};

// The start as the history writes it: ISO text in local time with its offset, to the second.
QString beginnText(const QDateTime& beginn);

// What tells one race from every other: its start to the second, its kind and length, and
// the drivers of its first heat. A race waiting to be stored is shown once when the
// database has it meanwhile.
QString rennkennung(const QString& beginn, Rennart art, int rundenzahl, const QString& fahrer1,
                    const QString& fahrer2);
QString rennkennung(const Rennaufzeichnung& rennen);

// The words that stand for the kinds in the database and the JSON export; an unknown word
// (from a newer program) reads as the first kind.
QString artText(Rennart art);
Rennart artAusText(const QString& text);
QString quellenText(Signalquelle quelle);
Signalquelle quelleAusText(const QString& text);
// "Zeit", "Runden", "StopAndGo"; nothing for a word no program wrote.
QString strafartText(Strafart art);
std::optional<Strafart> strafartAusText(const QString& text);
