#include "Rennbahn.h"
#include "Zahlenformat.h"

#include <gtest/gtest.h>

namespace {
QString z(double x) {
    return Zahlenformat::allgemein(x);
}

// Writes down every event in a line of its own, with what a listener would read.
class Mitschreiber : public Rennbeobachter {
public:
    void rennenGestartet(const Rennen& r) override {
        zeilen << "start " + hauptfensterAnsicht(r).start.text +
                      (r.stand().wechsellauf > 0 ? " lauf 2" : "");
    }
    void ampelGesetzt(const Rennen&, Ampel ampel) override {
        zeilen << QStringLiteral("ampel %1").arg(static_cast<int>(ampel));
    }
    void rundeGezaehlt(const Rennen& r, const Rundenmeldung& m) override {
        zeilen << QStringLiteral("runde %1/%2 ").arg(m.spur).arg(m.runde) +
                      QStringList{z(m.rundenzeit), z(m.geschwindigkeit), z(m.rennzeit)}.join(' ') +
                      (m.vonHand ? " hand" : "") + (m.neueBestzeit ? " best" : "") +
                      (m.neueHoechstgeschwindigkeit ? " max" : "");
        EXPECT_EQ(r.stand().spuren[m.spur].runde, m.runde + 1) << "the engine has counted the lap";
    }
    void fehlstart(const Rennen&, int spur) override {
        zeilen << QStringLiteral("fehlstart %1").arg(spur);
    }
    void crashPause(const Rennen&, bool an) override { zeilen << (an ? "crash an" : "crash aus"); }
    void spurFertig(const Rennen&, int spur, double rennzeit, int platz) override {
        zeilen << QStringLiteral("fertig %1 ").arg(spur) + z(rennzeit) +
                      QStringLiteral(" platz %1").arg(platz);
    }
    void rennende(const Rennen& r, int sieger) override {
        zeilen << QStringLiteral("ende %1 ").arg(sieger) + hauptfensterAnsicht(r).fahrer[1].text;
    }
    void rennenGestoppt(const Rennen& r) override {
        zeilen << "stop " + hauptfensterAnsicht(r).start.text;
    }

    QStringList zeilen;
};

struct Beobachtet : Rennbahn {
    Beobachtet() { rennen.beobachterAnmelden(mit); }
    Mitschreiber mit;
};
} // namespace

TEST(Rennbeobachter, HoertEinRennenVomStartBisZumEndeVorDerHallOfFame) {
    Beobachtet b;
    b.runden(2);
    QStringList beimHof;
    b.rekorde.beimHofPruefen = [&] { beimHof = b.mit.zeilen; };
    b.starten();
    b.rennen.rundensignal(1, b.rennen.signalzeit(Rennbahn::Basis + 500), Signalweg::Leitungen);
    b.signal(2, 0.7);
    b.signal(1, 3.0);
    b.signal(2, 2.7); // laps are timed from green: lane 2's first beats lane 1's
    b.rennen.crashUmschalten();
    b.rennen.crashUmschalten();
    b.bei(6.5);
    b.rennen.rundensignal(1, b.rennen.signalzeit(Rennbahn::Basis + 5000), Signalweg::Leitungen);
    b.signal(2, 5.4);

    EXPECT_EQ(
        b.mit.zeilen,
        (QStringList{"ampel 1", "start Stop", "ampel 2", "ampel 3", "ampel 4", "ampel 5", "ampel 6",
                     "runde 1/1 3 1,667 3 hand best max", "runde 2/1 2,7 1,852 2,7 hand best max",
                     "ampel 7", "crash an", "ampel 6", "crash aus", "runde 1/2 2 2,5 5 best max",
                     "fertig 1 5 platz 1", "runde 2/2 2,7 1,852 5,4 hand", "fertig 2 5,4 platz 2",
                     "ende 1 Sieger!!!", "ampel 7"}));
    EXPECT_EQ(beimHof, b.mit.zeilen.mid(0, b.mit.zeilen.size() - 1))
        << "listeners hear of the end before the Hall of Fame is asked";
}

TEST(Rennbeobachter, FehlstartStoppUndTrainingsentscheid) {
    Beobachtet b;
    b.runden(1);
    b.bei(-5);
    b.rennen.startGedrueckt();
    b.countdown(20);
    b.signal(2, -2.9);
    EXPECT_EQ(b.mit.zeilen.last(), "fehlstart 2");

    b.mit.zeilen.clear();
    b.starten();
    b.rennen.crashUmschalten();
    b.rennen.startGedrueckt();
    EXPECT_EQ(b.mit.zeilen.mid(b.mit.zeilen.indexOf("crash an")),
              (QStringList{"crash an", "stop Start"}))
        << "Stop ends the crash pause without a word of its own";

    b.einstellen([&](Renneinstellungen& e) { e.rennmodus = false; });
    b.mit.zeilen.clear();
    b.starten();
    b.fahren(1, 0.1, {3});
    b.fahren(2, 0.1, {3});
    EXPECT_EQ(b.mit.zeilen.at(b.mit.zeilen.size() - 2), "ende 0 Unentschieden");
}
