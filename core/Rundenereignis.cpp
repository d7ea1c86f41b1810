// Lap signals: the check every sensor signal passes, laps by sensor and by hand, the
// false start.
#include "Rennanzeige.h"
#include "Rennen.h"

using Zahlenformat::runden3;

namespace {
// Signal times are whole ticks divided by 1000, 4800 or a board's rate, so a signal exactly
// one debounce time after the last can come out a rounding error short of it; equality
// must accept.
constexpr double Rundungsspiel = 1e-7;
} // namespace

// The lane stands out its stop and go at this signal time: the crossing is no lap.
bool Rennen::steht(const Spurstand& s, double zeit) const {
    return s.stopAndGoBis && runden3(zeit - m_stand.startzeit) < *s.stopAndGoBis;
}

// Only an accepted signal (or false start) moves the lane's last signal, so the debounce
// window counts from the last accepted signal, not from the last bounce.
Signalausgang Rennen::signalPruefen(int nummer, double zeit) {
    eingabeMelden(Eingabe::SignalPruefen{nummer, zeit});
    // A board or a port may have more inputs than the track has lanes, and a lane may have
    // no car tonight: such a signal is only logged.
    if (nummer < 1 || nummer > spurenzahl())
        return Signalausgang::KeineSpur;
    if (!spurBelegt(nummer))
        return Signalausgang::FreieSpur;
    Signalausgang ausgang = Signalausgang::Gesperrt;
    if (!m_stand.signaleGesperrt) {
        Spurstand& s = spur(nummer);
        if (zeit - s.letztesSignal < m_stand.einstellungen.prellzeit - Rundungsspiel) {
            ausgang = Signalausgang::Geprellt;
        } else {
            s.letztesSignal = zeit;
            ausgang = !m_stand.rennenLaeuft ? Signalausgang::Fehlstart
                      // In single mode the signal is the other lane's, too.
                      : steht(s, zeit) && !m_stand.einzelmodus ? Signalausgang::StopAndGo
                                                               : Signalausgang::Angenommen;
        }
    }
    melden([&](Rennbeobachter& b) { b.signalGeprueft(*this, nummer, zeit); });
    geaendert();
    return ausgang;
}

void Rennen::rundensignal(int nummer, double zeit, Signalweg weg) {
    eingabeMelden(Eingabe::Rundensignal{nummer, zeit, weg});
    m_folge.ausfuehren([this, nummer, zeit] {
        rundenereignis(nummer, zeit, false);
        geaendert();
    });
    // Single mode: one sensor serves both lanes, its own first. The box has one per lane.
    if (m_stand.einzelmodus && weg != Signalweg::Box) {
        const int andere = andereSpur(nummer);
        m_folge.ausfuehren([this, andere, zeit] {
            rundenereignis(andere, zeit, false);
            geaendert();
        });
    }
}

void Rennen::handrunde(int nummer) {
    eingabeMelden(Eingabe::Handrunde{nummer});
    const double zeit = signalzeit(uhr().ticks());
    m_folge.ausfuehren([this, nummer, zeit] {
        if (!m_stand.signaleGesperrt && spurBelegt(nummer))
            rundenereignis(nummer, zeit, true);
        geaendert();
    });
}

void Rennen::rundenereignis(int nummer, double zeit, bool vonHand) {
    Rennstand& r = m_stand;
    Spurstand& s = spur(nummer);
    if (r.einstellungen.ohneCountdown && !r.rennuhrGestartet) {
        // Flying start: the race clock starts at this signal, which begins lap 1.
        rennuhrStarten(zeit);
        r.rennuhrGestartet = true;
        s.runde = 1;
        s.rundenbeginn = 0;
        s.bestzeit = KeineBestzeit;
        // A stop and go given before it begins here, as at any lane's first crossing.
        stopAndGoBeginnen(nummer, 0);
        return;
    }
    if (s.fertig)
        return;
    if (!r.rennenLaeuft) {
        if (r.einstellungen.fehlstartregel == Fehlstartregel::Abbruch)
            fehlstart(nummer);
        else
            fehlstartStrafen(nummer);
        return;
    }

    double t = 0;
    if (nachZeit()) {
        // The crossing may come before the alarm that ends the time; with the rule Sofort
        // its lap no longer counts.
        t = runden3(zeit - r.startzeit);
        if (t >= r.einstellungen.renndauer && !r.zeitUm)
            zeitIstUm();
        if (s.fertig)
            return;
    }
    if (stehtImStopAndGo(nummer, zeit))
        return;
    if (s.runde == 0) {
        // First crossing: lap 1 is timed from the start of the race clock.
        s.runde = 1;
        s.rundenbeginn = 0;
        s.bestzeit = KeineBestzeit;
    } else {
        t = runden3(zeit - r.startzeit);
        const double rundenzeit = runden3(t - s.rundenbeginn);
        // Two signals within one clock tick (or out of order) make no lap.
        if (!(rundenzeit > 0))
            return;
        rundeGezaehlt(nummer, t, rundenzeit, vonHand);
    }
    stopAndGoBeginnen(nummer, runden3(zeit - r.startzeit));

    if (nachZeit()) {
        zeitrundeAuswerten(nummer, t);
        return;
    }
    if (s.runde >= r.einstellungen.rundenzahl + 1)
        spurFertig(nummer, t);
    else if (r.einstellungen.nachSiegerBeenden && !r.zieleinlauf.empty())
        spurFertig(nummer, runden3(zeit - r.startzeit)); // the winner is home: this ends it
    if (alleImZiel())
        rennende();
}

void Rennen::fehlstart(int nummer) {
    Spurstand& s = spur(nummer);
    if (std::exchange(s.fehlstartGemeldet, true))
        return;
    s.ausgang = Spurausgang::Fehlstart;
    m_an.countdown.setEnabled(false);
    m_stand.gestartet = false;
    ampelSchalten(Ampel::Gelb);
    piepen();
    melden([&](Rennbeobachter& b) { b.fehlstart(*this, nummer); });
    m_an.dialoge.hinweis(QStringLiteral("Fehlstart von ") + s.fahrer, Anwendungstitel);
}

void Rennen::rundeGezaehlt(int nummer, double t, double rundenzeit, bool vonHand) {
    Rennstand& r = m_stand;
    Spurstand& s = spur(nummer);
    const int n = s.runde;
    if (r.einstellungen.rundenBeep)
        piepen();
    const double geschw = runden3(geschwindigkeit(r.einstellungen.kurslaenge, rundenzeit));
    s.runden.push_back({rundenzeit, geschw, t, vonHand});
    // By time: a row for each lap and one for the summary.
    if (nachZeit())
        tabelleWachsen(static_cast<std::int32_t>(s.runden.size()) + 2);
    s.rundenbeginn = t;
    s.letzteZeit = rundenzeit;
    const bool neueHoechstgeschwindigkeit = geschw > r.maxGeschw;
    if (neueHoechstgeschwindigkeit) {
        r.maxGeschw = geschw;
        r.maxGeschwFahrer = s.fahrer;
        if (r.einstellungen.schnellsterRundenBeep)
            piepen();
    }
    s.offeneRunden = r.einstellungen.rundenzahl - n;
    const bool neueBestzeit = rundenzeit < s.bestzeit;
    if (neueBestzeit) {
        s.bestzeit = rundenzeit;
        s.schnellsteRundenzeit = rundenzeit;
        s.bestrunde = n;
    }
    s.runde = n + 1;
    const Rundenmeldung runde{nummer, n,       rundenzeit,   geschw,
                              t,      vonHand, neueBestzeit, neueHoechstgeschwindigkeit};
    melden([&](Rennbeobachter& b) { b.rundeGezaehlt(*this, runde); });
}
