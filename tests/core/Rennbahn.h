// A race wired to fakes, with a clock in seconds and helpers to drive whole races and to
// read what the main window would show. The box clock is the real one, reading the fake
// box's time stamp.
#pragma once

#include "BoxUhr.h"
#include "Fakes.h"
#include "HauptfensterAnsicht.h"
#include "QtAusgabe.h"
#include "Rennen.h"
#include "SerielleSchnittstelle.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <vector>

// Real pieces a test puts in place of the fakes; each must outlive the harness.
struct Ersatzteile {
    Uhr* systemuhr = nullptr;
    Uhr* boxuhr = nullptr;
    Uhr* platinenuhr = nullptr;
    BoxBibliothek* box = nullptr;
};

struct Rennbahn {
    // Some uptime, so clock ticks are not small numbers.
    static constexpr std::int64_t Basis = 3'600'000;

    FakeUhr uhr;
    FakeUhr platinentakt{1'000'000}; // a sensor board's clock
    FakeBox box;
    BoxUhr boxuhr{box};
    FakeZeitgeber timer;
    FakeZeitgeber boxwacht;
    FakeWecker wecker{uhr};
    FakeDialoge dialoge;
    FakeKlang klang;
    FakeSchnittstelle port;
    FakeSpeicher speicher;
    FakeRekorde rekorde;
    Rennen rennen;
    Startleitung startleitung{port};

    explicit Rennbahn(const Ersatzteile& e = {})
        : rennen({e.systemuhr ? *e.systemuhr : uhr, e.boxuhr ? *e.boxuhr : boxuhr,
                  e.platinenuhr ? *e.platinenuhr : platinentakt, timer, boxwacht, wecker, dialoge,
                  klang, e.box ? *e.box : box, speicher, rekorde}) {
        rennen.beobachterAnmelden(startleitung);
    }

    // The race's settings, changed as the options dialog changes them.
    template <typename Aenderung> void einstellen(Aenderung aenderung) {
        Renneinstellungen e = rennen.einstellungen();
        aenderung(e);
        rennen.einstellungenAnwenden(e);
    }
    void runden(std::int32_t rundenzahl) {
        einstellen([&](Renneinstellungen& e) { e.rundenzahl = rundenzahl; });
    }
    void spuren(std::int32_t spuranzahl) {
        einstellen([&](Renneinstellungen& e) { e.spuranzahl = spuranzahl; });
    }

    // Sets the system clock to this many seconds after the race clock's start.
    void bei(double sekunden) { uhr.stand = Basis + std::llround(sekunden * 1000); }

    // Start, then the countdown's ticks, 100 ms apart; the light turns green at second 0.
    void starten() {
        bei(-5);
        rennen.startGedrueckt();
        countdown(50);
    }
    void countdown(int ticks) {
        for (int i = 0; i < ticks; ++i) {
            uhr.stand += 100;
            rennen.countdownTick();
        }
    }

    // A lap signal (Shift+1 / Shift+2) at that second of the race.
    void signal(int spur, double sekunden) {
        bei(sekunden);
        rennen.handrunde(spur);
    }
    // The first crossing at `erste`, then one signal per lap time.
    void fahren(int spur, double erste, std::initializer_list<double> rundenzeiten) {
        double t = erste;
        signal(spur, t);
        for (double rundenzeit : rundenzeiten)
            signal(spur, t += rundenzeit);
    }

    // Start, then every lane drives each lap in its own constant time (one per lane); the
    // signals come in the order of time, of equal times the lower lane's first.
    void gleichmaessigFahren(int runden, const std::vector<double>& rundenzeiten) {
        std::vector<std::pair<double, int>> signale;
        for (int runde = 0; runde <= runden; ++runde)
            for (int spur = 1; spur <= static_cast<int>(rundenzeiten.size()); ++spur)
                signale.emplace_back(runde * rundenzeiten[std::size_t(spur - 1)], spur);
        std::sort(signale.begin(), signale.end());
        this->runden(runden);
        starten();
        for (const auto& [zeit, spur] : signale)
            signal(spur, zeit);
    }

    // A whole race (or heat): Start, then every lap of both lanes, each this long.
    void rennenFahren(double rundenzeit = 2) {
        starten();
        for (int spur = 1; spur <= 2; ++spur) {
            double t = 0.5;
            signal(spur, t);
            for (int runde = 1; runde <= rennen.einstellungen().rundenzahl; ++runde)
                signal(spur, t += rundenzeit);
        }
    }

    const Rennstand& stand() const { return rennen.stand(); }
    const Renneinstellungen& einstellungen() const { return rennen.einstellungen(); }
    const Spurstand& spur(int nummer) const { return rennen.stand().spuren[nummer]; }
    // The lane's lap times, after a 0 for the start: {0, lap 1, lap 2, ...}.
    std::vector<double> rundenzeiten(int nummer) const {
        std::vector<double> zeiten{0};
        for (const Rundenwert& runde : spur(nummer).runden)
            zeiten.push_back(runde.zeit);
        return zeiten;
    }
    // The places of the heat that ended last, lane by lane.
    std::vector<int> plaetze() const {
        std::vector<int> p;
        for (const Spurergebnis& s : rennen.ergebnis().letzterLauf().spuren)
            p.push_back(s.platz);
        return p;
    }
    HauptfensterAnsicht ansicht() const { return hauptfensterAnsicht(rennen); }
    Zelle zelle(int spur, int zeile, int spalte) const {
        return Rundentabelle(rennen, spur).zelle(zeile, spalte);
    }
    QString maxg() const { return ansicht().statusleiste.feld(QStringLiteral("maxg")).text; }
    QStringList meldungstexte() const {
        QStringList texte;
        for (const Meldung& m : dialoge.meldungen)
            texte << m.text;
        return texte;
    }
    Reihe<Lampe, 5> lampen() const {
        const HauptfensterAnsicht a = ansicht();
        Reihe<Lampe, 5> l;
        for (int i = 1; i <= 5; ++i)
            l[i] = a.ampel[i].lampe;
        return l;
    }
};
