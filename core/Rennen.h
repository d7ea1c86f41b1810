// The race engine: start and countdown, every lap signal, the lane finish and the race
// end, the lap tables, the traffic light, the crash pause and the sounds. It works on the
// race state it inherits and writes what the main window shows into fR.
#pragma once

#include "BoxBibliothek.h"
#include "Dialoge.h"
#include "Einstellungsspeicher.h"
#include "Ereignisfolge.h"
#include "HauptfensterAnsicht.h"
#include "Klangausgabe.h"
#include "Rekorde.h"
#include "Rennbeobachter.h"
#include "Rennzustand.h"
#include "SerielleSchnittstelle.h"
#include "Uhr.h"
#include "Zeitgeber.h"

#include <optional>
#include <vector>

// The platform pieces the race talks to.
struct Anschluesse {
    Uhr& systemuhr;
    Uhr& boxuhr;
    Zeitgeber& Timer1;
    Zeitgeber& boxwacht; // every 100 ms while a race in box mode needs the box
    Dialoge& dialoge;
    Klangausgabe& klang;
    SerielleSchnittstelle& MSComm1;
    BoxBibliothek& box;
    Einstellungsspeicher& speicher;
    Rekorde& rekorde;
};

class Rennen : public Rennzustand {
public:
    explicit Rennen(const Anschluesse& anschluesse);

    HauptfensterAnsicht fR;

    // Hears of the race from now on, in the order of registration; the listener must
    // outlive the race.
    void beobachterAnmelden(Rennbeobachter& beobachter) { m_beobachter.push_back(&beobachter); }

    // Events. Each runs to its end before the next one starts (see Ereignisfolge).
    void LaStart_Click();
    void Timer1_Timer();
    void CrashUmschalten();
    // A lap signal of a lane at a signal time (seconds on the pause-adjusted scale).
    void Rundenereignis(int spur, double zeit);
    // A lap signal given by hand (Shift+1, Shift+2): the clock is read now; ignored while
    // signals are blocked; no debounce, no single mode.
    void SimuliertesRundensignal(int spur);
    // The box watch's tick: a start the box has not answered within a second is called
    // off; a box that falls silent during the race is shown in the status bar.
    void Boxwacht_Timer();

    // Bytes came from the box's port, whether or not they reach its library.
    void BoxGehoert();

    // Procedures the start-up, the settings dialog and the keyboard call.
    void RennenZuruecksetzen();
    void TabelleDimensionieren();
    void FahrerTauschen();
    void LaufAnzeigeSetzen();
    void MaxGeschwZuruecksetzen();
    void AmpelSetzen(int zustand);
    void SoundAbspielen(const QString& ereignis);
    void Piepton();
    void RaceControlOeffnen();

    // The clock of the active signal source: the box's in RaceControl mode, otherwise the
    // sensors' (the system clock, or a sensor board's).
    Uhr& uhr();
    // The sensor port now times with this clock. Every tick value of the race moves over,
    // so signal times go on where they stood: a board recognised during a race does not
    // break it.
    void SensoruhrWechseln(Uhr& sensoruhr);
    // An accepted sensor signal: the lane's lap, in single mode the other lane's, too.
    void Sensorsignal(int spur, double zeit);
    // The signal time of a clock tick: (tick - Pausenzeit) / ticks per second.
    double Signalzeit(std::int64_t tick);

private:
    // The handlers proper, which run at once: the public events queue them in m_folge, so
    // they only ever run in their event's turn.
    void laStartKlick();
    void anhalten(int ampel);
    void countdownSchritt();
    void boxwacht();
    void boxwachtBeenden();
    void boxStummZeigen(bool stumm);
    void crashUmschaltenJetzt();
    void CountdownStarten();
    void RennuhrStarten(std::optional<double> startzeit = std::nullopt);
    void rundenereignisJetzt(int spur, double zeit, bool vonHand);
    void fehlstart(int spur);
    void rundeGezaehlt(int spur, double t, double rundenzeit, bool vonHand);
    void spurFertig(int spur, double t);
    void rennende();
    // The lane that won the race or heat that has just ended; 0 for a draw.
    int siegerSpur() const;
    void ZweiLaufAuswertung();
    void RundeEintragen(int spur, int zeile, double zeit, double geschw, bool zusammenfassung);

    template <typename Meldung> void melden(Meldung meldung) {
        for (Rennbeobachter* beobachter : m_beobachter)
            meldung(*beobachter);
    }

    Anschluesse m_an;
    Uhr* m_sensoruhr;
    Ereignisfolge m_folge;
    int m_ampel = 0;         // the traffic-light state shown
    int m_ampelVorStart = 0; // and the one before the last Start
    // On the system clock: when the box was armed, when it was last heard.
    std::int64_t m_boxScharf = 0;
    std::optional<std::int64_t> m_boxGehoert;
    bool m_boxStumm = false;
    std::vector<Rennbeobachter*> m_beobachter;
};
