// A race engine wired to fakes, with a clock in seconds and helpers to drive whole races.
// The box clock is the real one, reading the fake box's time stamp.
#pragma once

#include "BoxUhr.h"
#include "Fakes.h"
#include "QtAusgabe.h"
#include "Rennen.h"

#include <cmath>
#include <initializer_list>

// Real pieces a test puts in place of the fakes; each must outlive the harness.
struct Ersatzteile {
    Uhr* systemuhr = nullptr;
    Uhr* boxuhr = nullptr;
    SerielleSchnittstelle* MSComm1 = nullptr;
    BoxBibliothek* box = nullptr;
};

struct Rennbahn {
    // Some uptime, so clock ticks are not small numbers.
    static constexpr std::int64_t Basis = 3'600'000;

    FakeUhr uhr;
    FakeBox box;
    BoxUhr boxuhr{box};
    FakeZeitgeber timer;
    FakeZeitgeber boxwacht;
    FakeDialoge dialoge;
    FakeKlang klang;
    FakeSchnittstelle port;
    FakeSpeicher speicher;
    FakeRekorde rekorde;
    Rennen rennen;

    explicit Rennbahn(const Ersatzteile& e = {})
        : rennen({e.systemuhr ? *e.systemuhr : uhr, e.boxuhr ? *e.boxuhr : boxuhr, timer, boxwacht,
                  dialoge, klang, e.MSComm1 ? *e.MSComm1 : port, e.box ? *e.box : box, speicher,
                  rekorde}) {}

    // Sets the system clock to this many seconds after the race clock's start.
    void bei(double sekunden) { uhr.stand = Basis + std::llround(sekunden * 1000); }

    // Start, then the countdown's ticks, 100 ms apart; the light turns green at second 0.
    void starten() {
        bei(-5);
        rennen.LaStart_Click();
        countdown(50);
    }
    void countdown(int ticks) {
        for (int i = 0; i < ticks; ++i) {
            uhr.stand += 100;
            rennen.Timer1_Timer();
        }
    }

    // A lap signal (Shift+1 / Shift+2) at that second of the race.
    void signal(int spur, double sekunden) {
        bei(sekunden);
        rennen.SimuliertesRundensignal(spur);
    }
    // The first crossing at `erste`, then one signal per lap time.
    void fahren(int spur, double erste, std::initializer_list<double> rundenzeiten) {
        double t = erste;
        signal(spur, t);
        for (double rundenzeit : rundenzeiten)
            signal(spur, t += rundenzeit);
    }

    const Zelle& zelle(int spur, int zeile, int spalte) const {
        return rennen.fR.FG[spur].zelle(zeile, spalte);
    }
    QString maxg() const { return rennen.fR.StatusBar1.Panels(QStringLiteral("maxg")).Text; }
    QStringList meldungstexte() const {
        QStringList texte;
        for (const Meldung& m : dialoge.meldungen)
            texte << m.text;
        return texte;
    }
    Reihe<Lampe, 5> lampen() const {
        Reihe<Lampe, 5> l;
        for (int i = 1; i <= 5; ++i)
            l[i] = rennen.fR.ImAmpel[i].lampe;
        return l;
    }
};
