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
    void countdownSchritt();
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
    std::vector<Rennbeobachter*> m_beobachter;
};
