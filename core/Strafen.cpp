// Penalties during a race: given and taken back by the race director, a false start's
// under a penalty rule, and the winner they decide at the race's end.
#include "Rennen.h"
#include "Zahlenformat.h"

#include <algorithm>

bool Rennen::strafeGeben(int nummer, Strafart art, double wert, const QString& grund) {
    eingabeMelden(Eingabe::StrafeGeben{nummer, art, wert, grund});
    const Rennstand& r = m_stand;
    if (!r.gestartet || beschaeftigt())
        return false;
    // A lane home has no stop left to make; its time and laps still count.
    if (!spurBelegt(nummer) || !strafwertZulaessig(art, wert) ||
        (art == Strafart::StopAndGo && spur(nummer).fertig)) {
        piepen();
        return false;
    }
    m_folge.ausfuehren([this, nummer, art, wert, grund] {
        strafeFesthalten({m_stand.wechsellauf, nummer, art, wert, rennzeitBisher(), grund});
        geaendert();
    });
    return true;
}

bool Rennen::strafeZuruecknehmen() {
    eingabeMelden(Eingabe::StrafeZuruecknehmen{});
    const Rennstand& r = m_stand;
    if (!r.gestartet || beschaeftigt())
        return false;
    if (r.strafen.empty()) {
        piepen();
        return false;
    }
    m_folge.ausfuehren([this] {
        Rennstand& r = m_stand;
        const Strafe strafe = r.strafen.back();
        r.strafen.pop_back();
        // A stop and go under way is served to its end.
        if (strafe.art == Strafart::StopAndGo) {
            double& offen = spur(strafe.spur).stopAndGoOffen;
            offen = std::max(offen - strafe.wert, 0.0);
        }
        // Without penalties the first home has won again, as at its finish.
        if (r.strafen.empty() && r.einstellungen.rennmodus && !nachZeit() &&
            !r.zieleinlauf.empty() && !r.rennsieger)
            siegerFestlegen(r.zieleinlauf.front());
        melden([&](Rennbeobachter& b) { b.strafeZurueckgenommen(*this, strafe); });
        geaendert();
    });
    return true;
}

void Rennen::strafeFesthalten(const Strafe& strafe) {
    Rennstand& r = m_stand;
    r.strafen.push_back(strafe);
    if (strafe.art == Strafart::StopAndGo) {
        spur(strafe.spur).stopAndGoOffen += strafe.wert;
        // Power is cut at once; before the race clock runs at the lane's first crossing.
        if (spurstromSchaltbar() && rennuhrAn(r))
            stopAndGoBeginnen(strafe.spur, rennzeitBisher());
    }
    // The first home may not be the winner after the penalty: that is decided at the end.
    if (r.rennsieger && !nachZeit()) {
        r.rennsieger.reset();
        for (int nummer = 1; nummer <= spurenzahl(); ++nummer)
            if (spurBelegt(nummer))
                spur(nummer).ausgang = Spurausgang::Offen;
    }
    melden([&](Rennbeobachter& b) { b.strafe(*this, strafe); });
}

// The signal is no crossing: the lane's first one after green starts its race. One penalty
// a lane and start; the countdown runs on.
void Rennen::fehlstartStrafen(int nummer) {
    if (std::exchange(spur(nummer).fehlstartGemeldet, true))
        return;
    const Renneinstellungen& e = m_stand.einstellungen;
    const bool stopAndGo = e.fehlstartregel == Fehlstartregel::StopAndGo;
    piepen();
    strafeFesthalten({m_stand.wechsellauf, nummer, stopAndGo ? Strafart::StopAndGo : Strafart::Zeit,
                      double(stopAndGo ? e.stopAndGoZeit : e.fehlstartstrafe), 0,
                      QStringLiteral("Fehlstart")});
}

void Rennen::siegerNachStrafen(int sieger) {
    if (sieger != 0) {
        siegerFestlegen(sieger);
        return;
    }
    m_stand.rennsieger.reset();
    for (int nummer = 1; nummer <= spurenzahl(); ++nummer)
        if (spurBelegt(nummer))
            spur(nummer).ausgang = nachZeit() ? Spurausgang::Unentschieden : Spurausgang::Offen;
}

// Without power to cut, the lane's stop is timed from a crossing to the first one after; with
// it, from the cut. Either way crossings before its end are not counted.
bool Rennen::stehtImStopAndGo(int nummer, double zeit) {
    Spurstand& s = spur(nummer);
    if (!s.stopAndGoBis)
        return false;
    if (steht(s, zeit))
        return true;
    s.stopAndGoBis.reset();
    return false;
}

void Rennen::stopAndGoBeginnen(int nummer, double rennzeit) {
    Spurstand& s = spur(nummer);
    if (!(s.stopAndGoOffen > 0) || s.fertig)
        return;
    // A stop without power under way: the next one follows it.
    const bool ohneStrom = s.ohneStromBis.has_value();
    s.stopAndGoBis = Zahlenformat::runden3(s.ohneStromBis.value_or(rennzeit) + s.stopAndGoOffen);
    s.stopAndGoOffen = 0;
    if (!spurstromSchaltbar())
        return;
    s.ohneStromBis = s.stopAndGoBis;
    if (!ohneStrom)
        melden([&](Rennbeobachter& b) { b.spurstrom(*this, nummer, false); });
    weckerStellen(rennzeitJetzt());
}

bool Rennen::spurstromSchaltbar() const {
    const Anschlussstand& a = m_stand.anschluss;
    return a.art == Anschlussart::Platine && a.spurstrom;
}

void Rennen::spurstromZurueckgeben(double rennzeit) {
    for (int nummer = 1; nummer <= spurenzahl(); ++nummer) {
        std::optional<double>& bis = spur(nummer).ohneStromBis;
        if (!bis || *bis > Zahlenformat::runden3(rennzeit))
            continue;
        bis.reset();
        melden([&](Rennbeobachter& b) { b.spurstrom(*this, nummer, true); });
    }
}
