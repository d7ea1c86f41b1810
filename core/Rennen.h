// The race model: the race's facts (Rennstand), changed only through its inputs and read
// through stand(). Each input is what the outside world has to say: a key or click, a
// timer tick, a lap signal with its time, new settings, a port that opened. The race
// tells its listeners what happened; every view is computed from its facts.
#pragma once

#include "BoxBibliothek.h"
#include "Dialoge.h"
#include "Einstellungsspeicher.h"
#include "Ereignisfolge.h"
#include "Klangausgabe.h"
#include "Rekorde.h"
#include "Rennbeobachter.h"
#include "Renneingabe.h"
#include "Rennstand.h"
#include "Signalausgang.h"
#include "Uhr.h"
#include "Wecker.h"
#include "Zeitgeber.h"

#include <functional>
#include <optional>
#include <vector>

// The platform pieces the race talks to.
struct Anschluesse {
    Uhr& systemuhr;       // also the clock of the sensor lines
    Uhr& boxuhr;          // the timing box's, in RaceControl mode
    Uhr& platinenuhr;     // a sensor board's, once it has answered
    Zeitgeber& countdown; // every 100 ms while the countdown runs
    Zeitgeber& boxwacht;  // every 100 ms while a race in box mode needs the box
    Wecker& rennzeit;     // when a race by time shows another second left, and at its end
    Dialoge& dialoge;
    Klangausgabe& klang;
    BoxBibliothek& box;
    Einstellungsspeicher& speicher;
    Rekorde& rekorde;
};

class Rennen {
public:
    explicit Rennen(const Anschluesse& anschluesse);
    Rennen(const Rennen&) = delete;
    Rennen& operator=(const Rennen&) = delete;

    const Rennstand& stand() const { return m_stand; }
    const Renneinstellungen& einstellungen() const { return m_stand.einstellungen; }
    // Counts the inputs handled, so a view can tell whether it must look again.
    std::uint64_t aenderungen() const { return m_aenderungen; }
    // The signal time of a tick of the active clock: (tick - pausenzeit) / ticks per second.
    double signalzeit(std::int64_t tick) const;
    // The race or heat that ended last: places, winner, a lane-change race's totals.
    const Rennergebnis& ergebnis() const { return m_stand.ergebnis; }
    // The active clock: the box's in RaceControl mode, otherwise the sensors'.
    Uhr& uhr() const;
    bool nachZeit() const { return m_stand.einstellungen.rennart == Rennlaenge::Zeit; }
    int spurenzahl() const { return m_stand.spuren.anzahl(); }
    // A lane of the track with a car on it: only its signals and keys make laps.
    bool spurBelegt(int spur) const {
        return spur >= 1 && spur <= spurenzahl() && !m_stand.einstellungen.spurFrei(spur);
    }
    // An event is being handled (a question of the race may be open): what changes the race
    // between races waits until it is over.
    bool beschaeftigt() const { return m_folge.beschaeftigt(); }

    // Hears of the race from now on, in the order of registration; the listener must
    // outlive the race or take its leave.
    void beobachterAnmelden(Rennbeobachter& beobachter) { m_beobachter.push_back(&beobachter); }
    // A listener that goes before the race hears no more of it.
    void beobachterAbmelden(const Rennbeobachter& beobachter) {
        std::erase(m_beobachter, &beobachter);
    }
    // Every input from now on goes to the writer first.
    void aufzeichnen(Eingabeschreiber& schreiber) { m_schreiber = &schreiber; }
    // Called when Start is pressed between races, outside the race's events, before the
    // start is handled: what is to be driven next (a race night's pairing) goes in through
    // the between-races inputs, which come first in a recording as if given just before.
    // The lap tables of the race before stay on screen until then.
    void vorDemStart(std::function<void()> vorbereitung) {
        m_vorDemStart = std::move(vorbereitung);
    }

    // The race's events. Each runs to its end before the next one starts (see Ereignisfolge).
    // Start, or Stop while a race is under way (Enter, the Start label).
    void startGedrueckt();
    void countdownTick();
    // The race clock's alarm rang: a race by time shows the time left, or its time is up; a
    // lane whose power a stop and go cut gets it back once the stop is served.
    void rennzeitTick();
    // Space during a race: a crash pause begins or ends.
    void crashUmschalten();
    // The track-call watch found this lane overdue: a crash pause begins, called
    // automatically, unless one is on already or the race clock does not run.
    void streckenrufAusloesen(int spur);
    // A sensor signal of a lane at a signal time (seconds on the pause-adjusted scale),
    // before it is a lap signal: blocked and bouncing signals are dropped, the rest is
    // remembered as the lane's last signal. What became of it goes to the signal log.
    Signalausgang signalPruefen(int spur, double zeit);
    // A signal that passed the check: the lane's lap, in single mode (sensors on the lines
    // or a board) the other lane's, too.
    void rundensignal(int spur, double zeit, Signalweg weg);
    // A lap given by hand (Shift+1, Shift+2): the clock is read now; ignored while signals
    // are blocked; no debounce, no single mode.
    void handrunde(int spur);
    // Ctrl+1, Ctrl+2: the lane's last counted lap is taken back while the lane still
    // drives; the lap in progress runs on from the crossing before. With no lap to take
    // back, or the lane home, only a beep. The clock is read now, for the signal log.
    void rundeStreichen(int spur);
    // The heat's crossings are all given, with a lane still out: the lanes home keep their
    // finish, the others have none, and the race or heat ends as when its last lane came
    // home (the first home wins). By laps only; a race by time ends by its clock. The
    // history's correction ends a heat so, where a deleted crossing leaves a lane short.
    void zieleinlaufSchliessen();
    // A penalty from the race director for a lane of the race under way (from Start to its
    // end, a lane home included): a time penalty or a stop and go of 1 to 600 s, or whole
    // laps; the reason is kept with it. False when refused with nothing changed: no race
    // under way or the race waits on a question; with a beep, a lane without a car, a value
    // out of range, or a stop and go for a lane home. The race clock is read now, for the
    // time it was given.
    bool strafeGeben(int spur, Strafart art, double wert, const QString& grund);
    // The heat's last penalty is taken back, as if never given. False: there is none (a beep
    // during a race).
    bool strafeZuruecknehmen();
    // The box watch's tick: a start the box has not answered within a second is called
    // off; a box that falls silent during the race is noted on its port.
    void boxwachtTick();
    // Bytes came from the box's port, whether or not they reach its library.
    void boxGehoert();
    // The box reported a passage this many seconds away from its clock: a fault, told
    // once a race.
    void boxzeitsprung(int spur, double abstand);
    // The sensors are now timed with this clock. Every tick value of the race moves over,
    // so signal times go on where they stood: a board recognised during a race does not
    // break it.
    void sensoruhrWechseln(Sensoruhr sensoruhr);

    // Between races: the settings, names and colours, and the keys that change the race.
    // A lap count the tables cannot hold is refused with a message and set to 10.
    void einstellungenAnwenden(const Renneinstellungen& einstellungen);
    void boxparameterSetzen(const Boxparameter& box);
    void titelSetzen(const QString& titel);
    void fahrerBenennen(int spur, const QString& name);
    void fahrerfarbeSetzen(int spur, Farbe farbe);
    // A race night says which of its entries the races from the next start on are for.
    void abendeintragSetzen(const std::optional<Abendeintrag>& eintrag);
    // Shift+Ctrl click on the countdown digit.
    void einzelmodusUmschalten();
    // Shift+M, or the options' button: the top speed starts again from zero.
    void hoechstgeschwindigkeitZuruecksetzen();
    // The light between races: dark at start-up, amber while the options are open.
    void ampelSetzen(Ampel ampel);
    // A lane-change race begins again with its first heat (the options changed it).
    void spurwechselVonVorn();
    // Shift+D, or the options' button: the lap tables go to a result file.
    void ergebnisSpeichern();

    // The signal source's port: opened, none could be, a board answered on it, or the
    // simulated track drives instead. A port of the timing box arms nothing yet, but
    // darkens the light.
    void portGeoeffnet(const QString& port);
    void portFehlt();
    // The sensor port of lanes 5 to 8: its name, "?" when it could not be opened, empty when
    // closed.
    void zweiterPortGesetzt(const QString& port);
    // `spurstrom`: the board switches each lane's power, so a stop and go cuts it.
    void platineErkannt(bool spurstrom);
    // The simulated track drives, its laps no shorter than this many seconds.
    void simulationGestartet(double kuerzesteRunde);

private:
    enum class Klang { Start, Gewinner, Verlierer, Crash };

    Spurstand& spur(int nummer) { return m_stand.spuren[nummer]; }
    bool alleImZiel() const;
    // Every lane but this one has lost: the first home has won.
    void andereVerlieren(int sieger);
    // This lane has won, every other lost.
    void siegerFestlegen(int sieger);
    // Penalties (Strafen.cpp).
    void strafeFesthalten(const Strafe& strafe);
    void fehlstartStrafen(int spur);
    // A crossing while the lane stands out its stop and go: not counted.
    bool stehtImStopAndGo(int spur, double zeit);
    bool steht(const Spurstand& spur, double zeit) const;
    // A stop and go due begins at this race time: at the lane's crossing, or where the board
    // cuts the lane's power, at once while the race clock runs.
    void stopAndGoBeginnen(int spur, double rennzeit);
    bool spurstromSchaltbar() const;
    // Lanes whose stop without power is served by this race time get it back; at the race's
    // end or stop every lane does.
    void spurstromZurueckgeben(double rennzeit);
    // The race end with penalties in the heat: the winner after them (0: none, by time a
    // draw) takes the win from the first home.
    void siegerNachStrafen(int sieger);
    void spurenAnpassen(int anzahl);
    void eingabeMelden(const Renneingabe& eingabe);
    void geaendert();
    // The handlers proper, which run at once: the public events queue them in m_folge, so
    // they only ever run in their event's turn.
    void startOderStop();
    void anhalten(Ampel ampel);
    void countdownSchritt();
    // `ueberfaellig`: the lane an automatic call is for; 0 by hand.
    void crashUmschaltenJetzt(Streckenrufursache ursache, int ueberfaellig = 0);
    void streckenrufBeenden();
    void countdownStarten();
    void rennuhrStarten(std::optional<double> startzeit = std::nullopt);
    void rundenereignis(int spur, double zeit, bool vonHand);
    void fehlstart(int spur);
    void rundeGezaehlt(int spur, double t, double rundenzeit, bool vonHand);
    void spurFertig(int spur, double t);
    void rennende();
    // The heat just ended goes into the result, from the second heat of a lane-change race
    // on with the totals of the heats so far.
    void ergebnisFesthalten();
    // After a lane-change race's last heat: its drivers' heats and totals.
    void ergebnisfensterZeigen();
    // The drivers of a lane-change race between its heats go back to their first lanes.
    void wechselZuruecknehmen();
    Laufergebnis laufergebnis() const;
    int laufsieger() const;
    // A race by time (Zeitrennen.cpp).
    bool rennuhrLaeuft() const;
    double rennzeitJetzt() const;
    // The race clock to the millisecond, at 0 before it runs (before green, and at a flying
    // start before the first car): the time a penalty or a track call is given at.
    double rennzeitBisher() const;
    void rennzeitSchritt();
    // To the race clock's next moment: the time left of a race by time showing a second
    // less, or a lane's stop without power served; off when neither is due.
    void weckerStellen(double rennzeit);
    void zeitIstUm();
    void zeitrundeAuswerten(int spur, double t);
    void zeitrennenAbbrechen();
    void zeitrennenWerten();
    void tabellenLeeren();
    void tabelleBemessen();
    void tabellenzeilenSetzen(std::int32_t zeilen);
    void tabelleWachsen(std::int32_t zeilen);
    void maxGeschwZuruecksetzen();
    void hoechstbasisMerken();
    void rundeStreichenJetzt(int spur, double zeit, std::int64_t tick);
    void boxScharfSchalten();
    void boxwacht();
    void boxwachtBeenden();
    void boxStilleMerken(bool stumm);
    void sensoruhrWechselnJetzt(Sensoruhr neu);
    Uhr& sensoruhr(Sensoruhr welche) const;
    void ampelSchalten(Ampel ampel);
    void klangSpielen(Klang klang);
    void piepen();

    template <typename Meldung> void melden(Meldung meldung) {
        for (Rennbeobachter* beobachter : m_beobachter)
            meldung(*beobachter);
    }

    Anschluesse m_an;
    Rennstand m_stand;
    Ereignisfolge m_folge;
    std::vector<Rennbeobachter*> m_beobachter;
    Eingabeschreiber* m_schreiber = nullptr;
    std::function<void()> m_vorDemStart;
    std::uint64_t m_aenderungen = 0;
};
