// The race's facts: what a race is at any moment, held by the race model and read by
// every view. Nothing here is a text on screen; the presenters turn these into texts.
#pragma once

#include "Abendeintrag.h"
#include "Ampel.h"
#include "Farben.h"
#include "Reihe.h"
#include "Renneinstellungen.h"
#include "Rennergebnis.h"
#include "Rundenwert.h"
#include "Strafe.h"
#include "Streckenruf.h"

#include <QString>
#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

// The clocks a sensor signal can be timed with: the system clock that stamps the port's
// line changes, or a sensor board's.
enum class Sensoruhr { Leitungen, Platine };

// How a lane's last race went for its driver: still open, won, lost or drawn, or over
// with a false start.
enum class Spurausgang { Offen, Sieg, Niederlage, Unentschieden, Fehlstart };

struct Spurstand {
    QString fahrer;
    Farbe farbe = Farben::Hellgrau; // the lane's label, whoever drives it
    // Decided when the race is, or at a false start; open again at Start, and for a driver
    // newly named into the lane, whom the outcome does not concern.
    Spurausgang ausgang = Spurausgang::Offen;

    // What the lane has clocked since Start; Stop clears the lap tables but not these.
    // The last time taken: a lap's (the lap before's once one is taken back), from the
    // lane's finish on its race time. The fastest lap. The laps still to drive, all of them
    // again once new settings give the lap count.
    std::optional<double> letzteZeit;
    std::optional<double> schnellsteRundenzeit;
    std::int32_t offeneRunden = 10;

    // The race under way, or the last one.
    int runde = 0; // the lap being driven; 0 before the first crossing
    bool fertig = false;
    double rundenbeginn = 0; // race time the lap in progress began at
    double bestzeit = 0;
    int bestrunde = 0;
    double schnitt = 0; // average speed over the race, from the lane's finish on
    // Laps driven and the fraction of the lap in progress, from the lane's finish on; in a
    // race by time the lane with more wins.
    double distanz = 0;
    double letztesSignal = 0;
    bool fehlstartGemeldet = false;
    // A stop and go: the seconds still to serve from the lane's next crossing on, and once
    // served the race time the lane stands until; crossings before it are not counted.
    double stopAndGoOffen = 0;
    std::optional<double> stopAndGoBis;
    // A board that switches the lane's power cuts it until this race time.
    std::optional<double> ohneStromBis;
    // The laps of the lap table, and the race time of its summary row once home. Both
    // are cleared with the table, at Start and Stop.
    std::vector<Rundenwert> runden;
    std::optional<double> zielzeit;

    bool operator==(const Spurstand&) const = default;
};

// The lane has a stop and go to serve, or serves it: from the penalty until its first
// counted crossing after the stop, while it is not home.
inline bool imStopAndGo(const Spurstand& spur) {
    return !spur.fertig && (spur.stopAndGoOffen > 0 || spur.stopAndGoBis);
}

inline Spurstand neueSpur(const QString& fahrer) {
    Spurstand spur;
    spur.fahrer = fahrer;
    return spur;
}

// Where the race's signals come from.
enum class Anschlussart {
    Unbekannt,     // before any port was opened
    Schnittstelle, // a serial port, or none when none could be opened
    Platine,       // a sensor board answered on that port
    Simulation,    // the simulated track
};

struct Anschlussstand {
    Anschlussart art = Anschlussart::Unbekannt;
    QString port; // the port opened
    // The last port asked for could not be opened, so no lap is timed over a port; the
    // simulated track does not change that.
    bool keinPort = false;
    // The box fell silent on this port during the race and has not been heard since; a
    // port set anew starts without it.
    bool boxVerstummt = false;
    // The simulated track's shortest lap, seconds: the Prellzeit must be shorter.
    double kuerzesteSimulationsrunde = 0;
    // The sensor port of lanes 5 to 8 beside the lines of the first: empty while the track
    // has none, "?" when it could not be opened. The first port's changes leave it be.
    QString zweiterPort;
    // The board on the port switches each lane's power.
    bool spurstrom = false;

    bool operator==(const Anschlussstand&) const = default;
};

// The room the lap tables have, in rows for the header, the laps and the summary, twelve
// at least: by laps as the lap count asks, by time as many as the laps take. Rows taken
// away by new settings lose their laps from the tables for good, even when the room grows
// again, until the tables are cleared.
struct Tabellenplatz {
    std::int32_t zeilen = 1;
    // The rows above this one keep their contents.
    std::int32_t erhaltenBis = std::numeric_limits<std::int32_t>::max();

    bool operator==(const Tabellenplatz&) const = default;
};

// The box watch: when the box was armed and last heard, on the system clock.
struct Boxwachtstand {
    std::int64_t scharf = 0;
    std::optional<std::int64_t> gehoert;
    bool stumm = false;

    bool operator==(const Boxwachtstand&) const = default;
};

// Where the top speed stood when the laps now in the tables began to count: the value
// carried in from earlier races (or 0 after a reset) and each lane's first lap that counts.
// A lap taken back recomputes the top speed from here.
struct Hoechstbasis {
    double geschw = 0;
    QString fahrer;
    Spuren<std::size_t> abRunde{std::size_t{0}, std::size_t{0}};

    bool operator==(const Hoechstbasis&) const = default;
};

struct Rennstand {
    Renneinstellungen einstellungen;
    QString titel = QStringLiteral("Rundomat");
    // The race night's entry the races from the next start on are driven for; none outside
    // a night.
    std::optional<Abendeintrag> abendeintrag;
    Anschlussstand anschluss;
    Spuren<Spurstand> spuren{neueSpur(QStringLiteral("Fahrer 1")),
                             neueSpur(QStringLiteral("Fahrer 2"))};

    Sensoruhr sensoruhr = Sensoruhr::Leitungen;
    Ampel ampel = Ampel::Dunkel;
    Ampel ampelVorStart = Ampel::Dunkel; // the light before the last Start
    int countdownZiffer = 0;
    int countdownTicks = 0;

    bool gestartet = false;   // Start was pressed: Stop is offered
    bool optionenFrei = true; // the options and the Hall of Fame can be opened
    bool signaleGesperrt = true;
    bool rennenLaeuft = false; // released: a crossing is a lap, not a false start
    bool rennuhrGestartet = false;
    bool crashPause = false;
    // The heat of a lane-change race under way, from 0; while its end is told, the heat
    // that ended.
    int wechsellauf = 0;
    bool einzelmodus = false; // one sensor serves both lanes
    // The box reported a passage far from its clock in this race; told once a race.
    bool boxzeitsprungGemeldet = false;

    // Race clock. Ticks are those of the active clock (milliseconds, box or board ticks).
    double startzeit = 0; // seconds, on the pause-adjusted scale of the signal times
    std::int64_t pausenzeit = 0;
    std::int64_t pausenBeginn = 0;
    std::int64_t pausenEnde = 0;

    double maxGeschw = 0;
    QString maxGeschwFahrer; // who drove it, as named then
    Hoechstbasis hoechstbasis;

    // The lanes in the order they came home, and in race mode the winner: the first home.
    std::vector<int> zieleinlauf;
    std::optional<int> rennsieger;
    // The penalties of the heat under way (or ended last), in the order given.
    std::vector<Strafe> strafen;
    // The track calls of the heat under way (or ended last), the last one open while the
    // race stands.
    std::vector<Streckenruf> streckenrufe;

    // The race or heat that ended last, until the next one ends; a lane-change race's first
    // heat stays in it through the second.
    Rennergebnis ergebnis;

    // A race by time: the whole seconds left on its clock as last counted (none before the
    // clock starts), whether the time is up, and whether the leader has come home after it.
    std::optional<std::int32_t> restzeit;
    bool zeitUm = false;
    bool fuehrenderImZiel = false;

    Tabellenplatz tabellenplatz;
    Boxwachtstand boxwacht;

    bool operator==(const Rennstand&) const = default;
};

// The race clock runs: from green, at a flying start from the first car on.
inline bool rennuhrAn(const Rennstand& r) {
    return r.rennenLaeuft && (!r.einstellungen.ohneCountdown || r.rennuhrGestartet);
}
