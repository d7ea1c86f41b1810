// Random races for the replay property: every input a race knows, in sequences a racer
// could produce and some a racer would hardly manage (false starts, bounces, laps by hand,
// crash pauses in the countdown and the race, Stop at any time, penalties given and taken
// back, false starts under every rule, tracks of 2 to 8 lanes and
// tracks that change their lane count, lane change with both heats, training, flying start,
// races by time with each finish rule, box mode with a box that falls silent, a sensor board
// that answers mid-race, races of one lap and very long ones). The race runs recorded; its
// replay into a fresh race must give the same race.
#pragma once

#include "BoxUhr.h"
#include "Fakes.h"
#include "HauptfensterAnsicht.h"
#include "Mitschnitt.h"
#include "QtAusgabe.h"

#include <algorithm>
#include <random>

// Every event the race tells, in a line each, with what a listener reads then.
class Ereignisprotokoll final : public Rennbeobachter {
public:
    void rennenGestartet(const Rennen& r) override {
        zeilen << QStringLiteral("start %1").arg(r.stand().wechsellauf);
    }
    void ampelGesetzt(const Rennen&, Ampel ampel) override {
        zeilen << QStringLiteral("ampel %1").arg(static_cast<int>(ampel));
    }
    void rundeGezaehlt(const Rennen&, const Rundenmeldung& m) override {
        zeilen << QStringLiteral("runde %1 %2 %3 %4 %5 %6%7%8")
                      .arg(m.spur)
                      .arg(m.runde)
                      .arg(m.rundenzeit, 0, 'g', 17)
                      .arg(m.geschwindigkeit, 0, 'g', 17)
                      .arg(m.rennzeit, 0, 'g', 17)
                      .arg(m.vonHand)
                      .arg(m.neueBestzeit)
                      .arg(m.neueHoechstgeschwindigkeit);
    }
    void fehlstart(const Rennen&, int spur) override {
        zeilen << QStringLiteral("fehlstart %1").arg(spur);
    }
    void strafe(const Rennen&, const Strafe& s) override {
        ++strafen;
        zeilen << QStringLiteral("strafe %1 %2 %3 %4 %5 %6")
                      .arg(s.lauf)
                      .arg(s.spur)
                      .arg(static_cast<int>(s.art))
                      .arg(s.wert, 0, 'g', 17)
                      .arg(s.rennzeit, 0, 'g', 17)
                      .arg(s.grund);
    }
    void strafeZurueckgenommen(const Rennen&, const Strafe& s) override {
        zeilen << QStringLiteral("zurueck %1 %2").arg(s.spur).arg(s.wert, 0, 'g', 17);
    }
    void crashPause(const Rennen&, bool an) override {
        zeilen << QStringLiteral("crash %1").arg(an);
    }
    void spurFertig(const Rennen&, int spur, double rennzeit, int platz) override {
        zeilen << QStringLiteral("fertig %1 %2 %3").arg(spur).arg(rennzeit, 0, 'g', 17).arg(platz);
        hoechsteSpurImZiel = std::max(hoechsteSpurImZiel, spur);
    }
    void rennende(const Rennen&, int sieger) override {
        zeilen << QStringLiteral("ende %1").arg(sieger);
    }
    void restzeit(const Rennen&, std::int32_t sekunden) override {
        zeilen << QStringLiteral("restzeit %1").arg(sekunden);
    }
    void rennenGestoppt(const Rennen&) override { zeilen << QStringLiteral("stop"); }
    void geaendert(const Rennen& r) override {
        zeilen << QStringLiteral("geaendert %1").arg(r.aenderungen());
    }

    QStringList zeilen;
    int hoechsteSpurImZiel = 0; // shows the driver reaches every lane
    int strafen = 0;            // penalties given, by the race director or a false start
};

struct FesteTageszeit final : Tagesuhr {
    QTime jetzt() override { return zeit; }
    QTime zeit{20, 15, 0};
};

// A race wired to fakes through the recorder.
struct Aufnahmebahn {
    FakeUhr uhr;
    FakeUhr platinenuhr{1'000'000};
    FakeBox box;
    BoxUhr boxuhr{box};
    FakeZeitgeber timer;
    FakeZeitgeber boxwacht;
    FakeWecker wecker{uhr};
    FakeDialoge dialoge;
    FakeKlang klang;
    FakeSpeicher speicher;
    FakeRekorde rekorde;
    FesteTageszeit tageszeit;
    Aufnahme aufnahme{
        {uhr, boxuhr, platinenuhr, timer, boxwacht, wecker, dialoge, klang, box, speicher, rekorde},
        tageszeit};
    Rennen rennen{aufnahme.anschluesse()};
    Ereignisprotokoll ereignisse;

    Aufnahmebahn() {
        rennen.aufzeichnen(aufnahme);
        rennen.beobachterAnmelden(ereignisse);
    }
};

// A fresh race that the record is replayed into, with outputs of its own.
struct Wiedergabebahn {
    FakeKlang klang;
    FakeSpeicher speicher;
    FakeRekorde rekorde;
    Wiedergabe wiedergabe;
    Rennen rennen{wiedergabe.anschluesse()};
    Ereignisprotokoll ereignisse;

    explicit Wiedergabebahn(const Mitschnitt& mitschnitt)
        : wiedergabe(mitschnitt, klang, speicher, rekorde) {
        rennen.beobachterAnmelden(ereignisse);
    }
};

// What differs between a race and its replay, one line each; empty when they agree.
inline QStringList unterschiede(const Aufnahmebahn& a, const Wiedergabebahn& w, bool abgespielt) {
    QStringList u;
    const auto pruefen = [&u](bool gleich, const char* was) {
        if (!gleich)
            u << QString::fromLatin1(was);
    };
    pruefen(abgespielt, "the replay went another way");
    pruefen(a.rennen.stand() == w.rennen.stand(), "facts");
    pruefen(hauptfensterAnsicht(a.rennen) == hauptfensterAnsicht(w.rennen), "main window");
    pruefen(a.ereignisse.zeilen == w.ereignisse.zeilen, "events");
    pruefen(a.klang.dateien == w.klang.dateien && a.klang.pieptoene == w.klang.pieptoene, "sounds");
    pruefen(a.speicher.geschrieben == w.speicher.geschrieben &&
                a.speicher.werte == w.speicher.werte,
            "settings stored");
    pruefen(a.rekorde.aufrufe == w.rekorde.aufrufe, "records");
    QStringList meldungen;
    for (const Meldung& m : a.dialoge.meldungen)
        meldungen << m.text;
    pruefen(meldungen == w.wiedergabe.meldungen(), "messages");
    pruefen(a.dialoge.ergebnisfenster == w.wiedergabe.ergebnisfenster(), "result windows");
    pruefen(a.dialoge.rotationsfenster == w.wiedergabe.rotationsfenster(), "rotation windows");
    return u;
}

// Drives one random sequence of races, all inputs through the recorded race.
class Zufallsfahrer {
public:
    Zufallsfahrer(Aufnahmebahn& bahn, std::uint32_t startwert) : b(bahn), m_zufall(startwert) {}

    void fahren(int rennen) {
        // Half the tracks have two lanes, as most racers' do; the rest any count up to eight.
        m_spurenzahl = ja(0.5)
                           ? KleinsteSpurenzahl
                           : static_cast<int>(wuerfel(KleinsteSpurenzahl + 1, GroessteSpurenzahl));
        Renneinstellungen e = s().einstellungen;
        e.spuranzahl = m_spurenzahl;
        b.rennen.einstellungenAnwenden(e);
        jetzt = 3'600'000 + wuerfel(0, 1'000'000);
        b.box.zeitstempel = static_cast<std::int32_t>(wuerfel(-2'000'000'000, 2'000'000'000));
        uhrenStellen();
        b.rennen.titelSetzen(QStringLiteral("Bahn %1").arg(wuerfel(1, 9)));
        if (ja(0.3))
            b.rennen.portFehlt();
        else
            b.rennen.portGeoeffnet(QString::number(wuerfel(1, 4)));
        // Lanes 5 to 8 on a second port, which may not open.
        if (m_spurenzahl > 4)
            b.rennen.zweiterPortGesetzt(ja(0.3) ? QStringLiteral("?") : QStringLiteral("5"));
        for (int nummer = 0; nummer < rennen; ++nummer) {
            zwischenRennen();
            einRennen();
        }
    }

    // The lanes the track had when the first race began.
    int spurenzahl() const { return m_spurenzahl; }

private:
    std::int64_t wuerfel(std::int64_t von, std::int64_t bis) {
        return std::uniform_int_distribution<std::int64_t>(von, bis)(m_zufall);
    }
    bool ja(double wahrscheinlichkeit) {
        return std::bernoulli_distribution(wahrscheinlichkeit)(m_zufall);
    }
    const Rennstand& s() const { return b.rennen.stand(); }
    int spuren() const { return s().spuren.anzahl(); }
    bool zweiSpuren() const { return spuren() == KleinsteSpurenzahl; }
    int eineSpur() { return static_cast<int>(wuerfel(1, spuren())); }
    // Any lane but this one.
    int andere(int spur) {
        const int nummer = static_cast<int>(wuerfel(1, spuren() - 1));
        return nummer >= spur ? nummer + 1 : nummer;
    }

    void uhrenStellen() {
        b.uhr.stand = jetzt;
        b.platinenuhr.stand = jetzt * 1000 + 123'456;
    }
    // Time passes in steps of 100 ms at most: the timers tick, the box sends its clock.
    void warten(std::int64_t ms) {
        while (ms > 0) {
            const std::int64_t schritt = std::min<std::int64_t>(ms, 100);
            ms -= schritt;
            jetzt += schritt;
            uhrenStellen();
            if (boxSendet) {
                b.box.zeitstempel = static_cast<std::int32_t>(
                    static_cast<std::uint32_t>(b.box.zeitstempel) + schritt * 48 / 10);
                b.rennen.boxGehoert();
            }
            if (b.wecker.klingelt(jetzt))
                b.rennen.rennzeitTick();
            if (schritt == 100) {
                if (b.timer.enabled())
                    b.rennen.countdownTick();
                if (b.boxwacht.enabled())
                    b.rennen.boxwachtTick();
            }
        }
    }

    // A car over a sensor, as its source hands it on: checked, then a lap signal.
    void sensor(int spur) {
        const Renneinstellungen& e = s().einstellungen;
        if (e.raceControl) {
            if (!boxSendet || s().signaleGesperrt)
                return;
            if (ja(0.01)) {
                b.rennen.boxzeitsprung(spur, 12.5);
                return;
            }
        }
        const std::int64_t tick = e.raceControl                         ? b.boxuhr.ticks()
                                  : s().sensoruhr == Sensoruhr::Platine ? b.platinenuhr.stand
                                                                        : b.uhr.stand;
        const double zeit = b.rennen.signalzeit(tick);
        if (weitergeben(b.rennen.signalPruefen(spur, zeit))) {
            const Signalweg weg = e.raceControl                         ? Signalweg::Box
                                  : s().sensoruhr == Sensoruhr::Platine ? Signalweg::Platine
                                                                        : Signalweg::Leitungen;
            b.rennen.rundensignal(spur, zeit, weg);
        }
    }
    void durchfahrt(int spur) {
        if (ja(0.15))
            b.rennen.handrunde(spur);
        else
            sensor(spur);
        // A bouncing contact.
        if (ja(0.2)) {
            warten(wuerfel(1, 30));
            sensor(spur);
        }
        // A lap taken back: often right after it, now and then another lane's, which may
        // have none or be home.
        if (ja(0.08)) {
            warten(wuerfel(0, 400));
            b.rennen.rundeStreichen(ja(0.8) ? spur : andere(spur));
        }
    }

    // The race director penalises a lane, now and then with a value out of range, or takes
    // the last penalty back.
    void strafen() {
        if (ja(0.25)) {
            b.rennen.strafeZuruecknehmen();
            return;
        }
        static const Strafart Arten[] = {Strafart::Zeit, Strafart::Runden, Strafart::StopAndGo};
        const Strafart art = Arten[wuerfel(0, 2)];
        const double wert = ja(0.1)                   ? static_cast<double>(wuerfel(0, 700)) / 2
                            : art == Strafart::Runden ? static_cast<double>(wuerfel(1, 3))
                                                      : static_cast<double>(wuerfel(2, 60)) / 2;
        b.rennen.strafeGeben(eineSpur(), art, wert, QStringLiteral("Zufall"));
    }

    // Between races: what a racer may change, and what the program hears meanwhile.
    void zwischenRennen() {
        if (ja(0.5))
            einstellungenWuerfeln();
        if (ja(0.2))
            b.rennen.fahrerBenennen(eineSpur(), QStringLiteral("Fahrer %1").arg(wuerfel(1, 99)));
        if (ja(0.1))
            b.rennen.fahrerfarbeSetzen(eineSpur(), static_cast<Farbe>(wuerfel(0, 0xFFFFFF)));
        // Lane change and single mode are two-lane modes: only drawn where they count.
        if (zweiSpuren() && ja(0.1))
            b.rennen.einzelmodusUmschalten();
        if (ja(0.1))
            b.rennen.hoechstgeschwindigkeitZuruecksetzen();
        if (ja(0.1))
            b.rennen.ampelSetzen(ja(0.5) ? Ampel::Gelb : Ampel::Dunkel);
        if (zweiSpuren() && ja(0.1))
            b.rennen.spurwechselVonVorn();
        if (ja(0.05))
            b.rennen.boxparameterSetzen({static_cast<std::int32_t>(wuerfel(0, 130)),
                                         static_cast<std::int32_t>(wuerfel(0, 50)),
                                         static_cast<std::int32_t>(wuerfel(0, 15)), ja(0.5)});
        if (ja(0.05))
            b.rennen.sensoruhrWechseln(ja(0.5) ? Sensoruhr::Platine : Sensoruhr::Leitungen);
        if (ja(0.05))
            b.rennen.platineErkannt(ja(0.5));
        if (ja(0.03))
            b.rennen.simulationGestartet(3.4);
        if (ja(0.1))
            b.rennen.ergebnisSpeichern();
        if (ja(0.05))
            b.rennen.rundeStreichen(eineSpur());
        if (ja(0.03))
            strafen(); // no race: refused
        if (ja(0.05))
            b.rennen.abendeintragSetzen(
                ja(0.5) ? std::optional<Abendeintrag>(
                              {QStringLiteral("Abend"), static_cast<int>(wuerfel(1, 9))})
                        : std::nullopt);
        b.box.fehlt =
            ja(0.05) ? std::optional<QString>(QStringLiteral("Fehlernr: 48")) : std::nullopt;
        boxSendet = ja(0.85);
        warten(wuerfel(0, 3000));
    }

    void einstellungenWuerfeln() {
        Renneinstellungen e = s().einstellungen;
        // Now and then the track changes its lane count, or is given one no track has.
        if (ja(0.04))
            e.spuranzahl = ja(0.1)
                               ? (ja(0.5) ? 0 : GroessteSpurenzahl + 1)
                               : static_cast<int>(wuerfel(KleinsteSpurenzahl, GroessteSpurenzahl));
        static const int Runden[] = {1, 1, 2, 3, 5, 10, 25};
        e.rundenzahl = ja(0.02) ? 400 : Runden[wuerfel(0, 6)];
        // A count the tables cannot hold: a message, and 10 laps.
        if (ja(0.02))
            e.rundenzahl = ja(0.5) ? 0 : Rundentabelle::GroessteRundenzahl + 1;
        e.kurslaenge = static_cast<double>(wuerfel(1, 400)) / 10;
        e.prellzeit = static_cast<double>(wuerfel(0, 30)) / 10;
        e.rennmodus = ja(0.7);
        e.spurwechsel = e.rennmodus && ja(0.4);
        e.ohneCountdown = ja(0.25);
        e.raceControl = ja(0.2);
        e.maxGeschwManuell = ja(0.3);
        e.rundenBeep = ja(0.3);
        e.schnellsterRundenBeep = ja(0.3);
        e.permanentesLogging = ja(0.3);
        e.mitSound = ja(0.5);
        e.ampelbilder = ja(0.7);
        // Races by time of every rule, short enough to end within the lap budget.
        e.rennart = ja(0.35) ? Rennlaenge::Zeit : Rennlaenge::Runden;
        e.renndauer = static_cast<std::int32_t>(wuerfel(KuerzesteRenndauer, 40));
        static const Zielregel Regeln[] = {Zielregel::Sofort, Zielregel::RundeBeenden,
                                           Zielregel::FuehrenderBeendet};
        e.zielregel = Regeln[wuerfel(0, 2)];
        static const Fehlstartregel Fehlstartregeln[] = {
            Fehlstartregel::Abbruch, Fehlstartregel::Zeitstrafe, Fehlstartregel::StopAndGo};
        e.fehlstartregel = Fehlstartregeln[wuerfel(0, 2)];
        e.fehlstartstrafe = static_cast<std::int32_t>(wuerfel(1, 30));
        e.stopAndGoZeit = static_cast<std::int32_t>(wuerfel(1, 30));
        b.rennen.einstellungenAnwenden(e);
    }

    // One race, or one heat: Start, the countdown, laps until every lane is home or
    // something ends it early.
    void einRennen() {
        // Now and then a lap comes while a message waits for the racer.
        if (ja(0.3))
            b.dialoge.beimNaechstenModal = [this] { durchfahrt(eineSpur()); };
        b.rennen.startGedrueckt();
        // Each lane's first crossing, then its own lap time give or take.
        auto naechste = Spuren<std::int64_t>::fuer(spuren());
        auto rundenzeit = Spuren<std::int64_t>::fuer(spuren());
        for (std::int64_t& zeit : naechste)
            zeit = jetzt + wuerfel(4000, 7000);
        for (std::int64_t& zeit : rundenzeit)
            zeit = wuerfel(800, 6000);
        for (int schritt = 0; schritt < 4000 && s().gestartet; ++schritt) {
            if (ja(0.01))
                b.rennen.crashUmschalten();
            if (ja(0.005))
                b.rennen.streckenrufAusloesen(eineSpur());
            if (ja(0.004))
                b.rennen.startGedrueckt(); // Stop
            if (ja(0.015))
                strafen();
            if (s().einstellungen.raceControl && ja(0.01))
                boxSendet = !boxSendet;
            // The lane due first; on a tie the lower one.
            const auto frueheste = std::min_element(naechste.begin(), naechste.end());
            const int spur = 1 + static_cast<int>(frueheste - naechste.begin());
            warten(std::max<std::int64_t>(naechste[spur] - jetzt, 0));
            if (!s().gestartet)
                break;
            durchfahrt(spur);
            naechste[spur] = jetzt + rundenzeit[spur] + wuerfel(-300, 1500);
        }
        if (s().gestartet)
            b.rennen.startGedrueckt();
        warten(wuerfel(0, 500));
    }

    Aufnahmebahn& b;
    std::mt19937 m_zufall;
    std::int64_t jetzt = 0;
    bool boxSendet = true;
    int m_spurenzahl = KleinsteSpurenzahl;
};

struct Zufallsvergleich {
    int spurenzahl = 0;         // the lanes the sequence began with
    bool abgespielt = false;    // the replay ran to the record's end
    int hoechsteSpurImZiel = 0; // of the recorded race
    int strafen = 0;            // penalties given in it
    QStringList unterschiede;
};

// One random sequence of races: run recorded, replayed, compared.
inline Zufallsvergleich zufallsrennenPruefen(std::uint32_t startwert) {
    Aufnahmebahn aufnahme;
    std::mt19937 zufall(startwert);
    Zufallsfahrer fahrer(aufnahme, startwert);
    fahrer.fahren(1 + static_cast<int>(zufall() % 4));
    Wiedergabebahn wiedergabe(aufnahme.aufnahme.mitschnitt());
    const bool abgespielt = wiedergabe.wiedergabe.abspielen(wiedergabe.rennen);
    return {fahrer.spurenzahl(), abgespielt, aufnahme.ereignisse.hoechsteSpurImZiel,
            aufnahme.ereignisse.strafen, unterschiede(aufnahme, wiedergabe, abgespielt)};
}
