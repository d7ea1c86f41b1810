// A race by time: its clock and the time left, the end by the finish rule, and the
// distances that decide it.
#include "Distanz.h"
#include "Rennen.h"
#include "Zahlenformat.h"

#include <cmath>

using Zahlenformat::runden3;

void Rennen::rennzeitTick() {
    eingabeMelden(Eingabe::RennzeitTick{});
    m_folge.ausfuehren([this] {
        rennzeitSchritt();
        geaendert();
    });
}

bool Rennen::rennuhrLaeuft() const {
    const Rennstand& s = m_stand;
    return nachZeit() && s.gestartet && s.restzeit && !s.zeitUm;
}

// On the race clock: the active clock, less the crash pauses; standing still during one.
double Rennen::rennzeitJetzt() const {
    const Rennstand& s = m_stand;
    return signalzeit(s.crashPause ? s.pausenBeginn : uhr().ticks()) - s.startzeit;
}

double Rennen::rennzeitBisher() const {
    return rennuhrAn(m_stand) ? runden3(rennzeitJetzt()) : 0;
}

void Rennen::rennzeitSchritt() {
    // An alarm that waited behind a modal dialog may find the race over or paused.
    Rennstand& s = m_stand;
    if (!s.gestartet || s.crashPause)
        return;
    const double t = rennzeitJetzt();
    spurstromZurueckgeben(t);
    if (!rennuhrLaeuft()) {
        weckerStellen(t);
        return;
    }
    const double rest = s.einstellungen.renndauer - t;
    if (rest <= 0) {
        zeitIstUm();
        return;
    }
    const auto sekunden = static_cast<std::int32_t>(std::ceil(rest));
    if (sekunden != *s.restzeit) {
        s.restzeit = sekunden;
        melden([&](Rennbeobachter& b) { b.restzeit(*this, sekunden); });
    }
    weckerStellen(t);
}

// By time to the moment the time left shows a second less; the last of them is the race's
// end.
void Rennen::weckerStellen(double rennzeit) {
    std::optional<double> bisDahin;
    if (rennuhrLaeuft()) {
        const double rest = m_stand.einstellungen.renndauer - rennzeit;
        bisDahin = rest - (std::ceil(rest) - 1);
    }
    for (int nummer = 1; nummer <= spurenzahl(); ++nummer)
        if (const std::optional<double>& bis = spur(nummer).ohneStromBis)
            bisDahin = std::min(bisDahin.value_or(*bis - rennzeit), *bis - rennzeit);
    if (!bisDahin) {
        m_an.rennzeit.abstellen();
        return;
    }
    // The alarm comes at that millisecond or after it, never a rounding error before.
    const auto ms = static_cast<std::int64_t>(std::ceil(*bisDahin * 1000 - 1e-6));
    m_an.rennzeit.stellen(std::max<std::int64_t>(ms, 1));
}

void Rennen::zeitIstUm() {
    Rennstand& s = m_stand;
    s.zeitUm = true;
    s.restzeit = 0;
    // A lane without power still gets it back when its stop is served.
    weckerStellen(rennzeitJetzt());
    melden([&](Rennbeobachter& b) { b.restzeit(*this, 0); });
    if (s.einstellungen.zielregel != Zielregel::Sofort)
        return;
    // The race is over where it stands: every lap in progress counts by its fraction.
    const double ende = s.einstellungen.renndauer;
    auto distanzen = Spuren<double>::fuer(spurenzahl());
    for (int nummer = 1; nummer <= spurenzahl(); ++nummer)
        distanzen[nummer] = distanz(spur(nummer), ende);
    for (int nummer : reihenfolge(s.spuren, distanzen)) {
        if (spur(nummer).fertig || !spurBelegt(nummer))
            continue;
        spur(nummer).distanz = distanzen[nummer];
        spurFertig(nummer, ende);
    }
    zeitrennenWerten();
    rennende();
}

// A crossing at or after zero, its lap counted: whether it was the lane's last.
void Rennen::zeitrundeAuswerten(int nummer, double t) {
    Rennstand& r = m_stand;
    Spurstand& s = spur(nummer);
    if (t < r.einstellungen.renndauer || s.fertig)
        return;
    if (r.einstellungen.zielregel == Zielregel::FuehrenderBeendet && !r.fuehrenderImZiel) {
        // Until the leader is home a crossing behind it is a lap like any other.
        for (int andere = 1; andere <= spurenzahl(); ++andere)
            if (distanz(s, t) < distanz(spur(andere), t))
                return;
        r.fuehrenderImZiel = true;
    }
    s.distanz = static_cast<double>(s.runden.size());
    spurFertig(nummer, t);
    if (alleImZiel()) {
        zeitrennenWerten();
        rennende();
    }
}

// Stop once the time is up ends the race with what each lane has driven: a car that
// never comes round again does not hold the race up.
void Rennen::zeitrennenAbbrechen() {
    const double t = runden3(rennzeitJetzt());
    for (int nummer = 1; nummer <= spurenzahl(); ++nummer) {
        if (spur(nummer).fertig || !spurBelegt(nummer))
            continue;
        spur(nummer).distanz = static_cast<double>(spur(nummer).runden.size());
        spurFertig(nummer, std::max(t, static_cast<double>(m_stand.einstellungen.renndauer)));
    }
    zeitrennenWerten();
    rennende();
}

// In race mode the greater distance wins, then the lane that got there first; training
// goes by the best lap, as by laps.
void Rennen::zeitrennenWerten() {
    Rennstand& r = m_stand;
    if (!r.einstellungen.rennmodus)
        return;
    auto distanzen = Spuren<double>::fuer(spurenzahl());
    // A free lane drove nothing and must not tie a race nobody finished a lap in.
    for (int nummer = 1; nummer <= spurenzahl(); ++nummer)
        distanzen[nummer] = spurBelegt(nummer) ? spur(nummer).distanz : -1;
    const int sieger = vorneLiegend(r.spuren, distanzen);
    if (sieger == 0) {
        for (int nummer = 1; nummer <= spurenzahl(); ++nummer)
            if (spurBelegt(nummer))
                spur(nummer).ausgang = Spurausgang::Unentschieden;
        return;
    }
    siegerFestlegen(sieger);
}
