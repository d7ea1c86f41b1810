// Start and Stop, the countdown and the race clock's start.
#include "Rennen.h"

#include <limits>

void Rennen::startGedrueckt() {
    // A Start that waits behind a running event finds the race as that event leaves it: it
    // starts what is in place.
    if (m_vorDemStart && !m_stand.gestartet && !beschaeftigt())
        m_vorDemStart();
    eingabeMelden(Eingabe::StartGedrueckt{});
    m_folge.ausfuehren([this] {
        startOderStop();
        geaendert();
    });
}

void Rennen::startOderStop() {
    Rennstand& s = m_stand;
    const Renneinstellungen& e = s.einstellungen;
    if (s.gestartet && s.zeitUm) {
        zeitrennenAbbrechen();
        return;
    }
    // Start and Stop alike clear the lap tables; at Stop after everyone has heard of it,
    // so the history keeps the laps of a stopped race from the race itself.
    if (s.gestartet) {
        boxwachtBeenden();
        anhalten(Ampel::Gelb);
        tabellenLeeren();
        tabelleBemessen();
        return;
    }
    tabellenLeeren();
    tabelleBemessen();
    boxwachtBeenden();

    // A box library gone since the last run leaves no clock to race against.
    if (e.raceControl) {
        if (const std::optional<QString> fehler = m_an.box.ladefehler()) {
            s.signaleGesperrt = true;
            m_an.dialoge.hinweis(*fehler, Anwendungstitel);
            return;
        }
    }
    s.ampelVorStart = s.ampel;
    s.signaleGesperrt = false;
    s.optionenFrei = false;
    s.rennsieger.reset();
    s.zieleinlauf.clear();
    s.strafen.clear();
    s.streckenrufe.clear();
    s.restzeit.reset();
    s.zeitUm = false;
    s.fuehrenderImZiel = false;
    for (int nummer = 1; nummer <= spurenzahl(); ++nummer) {
        spur(nummer).ausgang = Spurausgang::Offen;
        spur(nummer).fertig = false;
        spur(nummer).runde = 0;
        spur(nummer).distanz = 0;
        spur(nummer).stopAndGoOffen = 0;
        spur(nummer).stopAndGoBis.reset();
        spur(nummer).ohneStromBis.reset();
    }
    if (e.raceControl)
        boxScharfSchalten();
    if (e.ohneCountdown) {
        ampelSchalten(Ampel::FliegenderStart);
        s.rennenLaeuft = true;
        s.rennuhrGestartet = false;
    } else {
        s.rennenLaeuft = false;
        countdownStarten();
        ampelSchalten(Ampel::Rot1);
    }
    for (int nummer = 1; nummer <= spurenzahl(); ++nummer) {
        spur(nummer).letzteZeit.reset();
        spur(nummer).schnellsteRundenzeit.reset();
        spur(nummer).offeneRunden = e.rundenzahl;
    }
    s.gestartet = true;
    melden([&](Rennbeobachter& b) { b.rennenGestartet(*this); });
}

void Rennen::anhalten(Ampel ampel) {
    m_stand.signaleGesperrt = true;
    m_stand.optionenFrei = true;
    m_an.countdown.setEnabled(false);
    m_an.rennzeit.abstellen();
    spurstromZurueckgeben(std::numeric_limits<double>::infinity());
    ampelSchalten(ampel);
    m_stand.gestartet = false;
    // A track call under way when the race is stopped ends with it.
    if (m_stand.crashPause)
        streckenrufBeenden();
    melden([&](Rennbeobachter& b) { b.rennenGestoppt(*this); });
}

void Rennen::countdownStarten() {
    m_stand.countdownTicks = 0;
    m_stand.countdownZiffer = 5;
    m_an.countdown.setEnabled(true);
}

void Rennen::countdownTick() {
    eingabeMelden(Eingabe::CountdownTick{});
    m_folge.ausfuehren([this] {
        countdownSchritt();
        geaendert();
    });
}

void Rennen::countdownSchritt() {
    // A tick that waited behind a modal dialog may find the countdown already over.
    if (!m_an.countdown.enabled())
        return;
    Rennstand& s = m_stand;
    ++s.countdownTicks;
    if (s.countdownTicks % 10 != 0 || s.countdownTicks > 50)
        return;
    const int sekunde = s.countdownTicks / 10;
    s.countdownZiffer = 5 - sekunde;
    if (sekunde < 5) {
        ampelSchalten(roteLampen(sekunde + 1));
        return;
    }
    rennuhrStarten();
    klangSpielen(Klang::Start);
    m_an.countdown.setEnabled(false);
    s.countdownTicks = 0;
}

void Rennen::rennuhrStarten(std::optional<double> startzeit) {
    Rennstand& s = m_stand;
    for (int nummer = 1; nummer <= spurenzahl(); ++nummer)
        spur(nummer).fertig = false;
    s.rennenLaeuft = true;
    if (!s.einstellungen.maxGeschwManuell)
        maxGeschwZuruecksetzen();
    ampelSchalten(Ampel::Gruen);
    for (int nummer = 1; nummer <= spurenzahl(); ++nummer) {
        spur(nummer).runde = 0;
        spur(nummer).runden.clear();
    }
    hoechstbasisMerken();
    // On the same pause-adjusted scale as the signal times, so a crash pause between
    // Start and the clock start does not shorten the race. During a pause that clock
    // stands still at the moment the pause began.
    if (!startzeit)
        startzeit = signalzeit(s.crashPause ? s.pausenBeginn : uhr().ticks());
    s.startzeit = *startzeit;
    if (nachZeit()) {
        s.restzeit = s.einstellungen.renndauer;
        if (!s.crashPause)
            weckerStellen(0);
    }
}

void Rennen::boxScharfSchalten() {
    const Boxparameter& p = m_stand.einstellungen.box;
    m_an.box.InitBoxes();
    m_an.box.OpenBox(
        0, boxKonfiguration(p.empfindlichkeit, p.verzoegerung, p.nachlauf, p.sensorTausch));
    m_stand.boxwacht.scharf = m_an.systemuhr.ticks();
    m_an.boxwacht.setEnabled(true);
}
