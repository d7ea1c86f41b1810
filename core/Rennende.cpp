// A lane's finish, the race's end and its result.
#include "Ergebnisfenster.h"
#include "Rennanzeige.h"
#include "Rennen.h"
#include "Rotationsergebnis.h"
#include "Strafwertung.h"

#include <algorithm>
#include <limits>

using Zahlenformat::runden3;

void Rennen::spurFertig(int nummer, double t) {
    Rennstand& r = m_stand;
    Spurstand& s = spur(nummer);
    s.fertig = true;
    s.letzteZeit = t;
    s.zielzeit = t;
    s.schnitt = geschwindigkeit(gefahreneRunden(r, nummer) * r.einstellungen.kurslaenge, t);
    klangSpielen(Klang::Gewinner);
    // In race mode by laps the first lane home wins, the others lose at that moment; by
    // time the distances decide at the end.
    // With a penalty in the heat the winner is known only after it, at the end.
    if (r.einstellungen.rennmodus && !nachZeit() && !r.rennsieger && r.strafen.empty())
        siegerFestlegen(nummer);
    // A lane ended short by the winner's finish comes behind every lane with more laps;
    // of equal laps the one home first is ahead.
    std::vector<int>& z = r.zieleinlauf;
    const bool kurz = r.einstellungen.nachSiegerBeenden && !nachZeit();
    const auto stelle = !kurz ? z.end() : std::find_if(z.begin(), z.end(), [&](int a) {
        return spur(a).runden.size() < s.runden.size();
    });
    const auto eingereiht = z.insert(stelle, nummer);
    const int platz = static_cast<int>(eingereiht - z.begin()) + 1;
    melden([&](Rennbeobachter& b) { b.spurFertig(*this, nummer, t, platz); });
}

void Rennen::zieleinlaufSchliessen() {
    eingabeMelden(Eingabe::ZieleinlaufSchliessen{});
    m_folge.ausfuehren([this] {
        Rennstand& r = m_stand;
        if (r.gestartet && r.rennenLaeuft && !nachZeit())
            rennende();
        geaendert();
    });
}

void Rennen::rennende() {
    Rennstand& r = m_stand;
    const Renneinstellungen& e = r.einstellungen;
    klangSpielen(Klang::Verlierer);
    m_an.rennzeit.abstellen();
    spurstromZurueckgeben(std::numeric_limits<double>::infinity());
    ergebnisFesthalten();
    const int sieger = r.ergebnis.letzterLauf().sieger;
    if (e.rennmodus && !r.strafen.empty())
        siegerNachStrafen(sieger);
    if (!e.rennmodus) {
        // Training: only the outcomes are decided.
        for (int nummer = 1; nummer <= spurenzahl(); ++nummer)
            if (spurBelegt(nummer))
                spur(nummer).ausgang = sieger == 0        ? Spurausgang::Unentschieden
                                       : sieger == nummer ? Spurausgang::Sieg
                                                          : Spurausgang::Niederlage;
    }
    melden([&](Rennbeobachter& b) { b.rennende(*this, sieger); });
    if (e.rennmodus) {
        m_an.rekorde.hofPruefen(*this);
        if (e.permanentesLogging)
            m_an.rekorde.ergebnisSpeichern(*this);
    }
    if (e.raceControl)
        m_an.box.InitBoxes();
    boxwachtBeenden();

    r.gestartet = false;
    r.optionenFrei = true;
    ampelSchalten(Ampel::Gelb);
    r.signaleGesperrt = true;

    if (e.spurwechsel) {
        // The result window comes last, after the Hall of Fame and the result file.
        if (r.ergebnis.komplett())
            ergebnisfensterZeigen();
        const Spurrotation& rotation = r.ergebnis.rotation;
        r.wechsellauf = (r.wechsellauf + 1) % rotation.laeufe();
        // Each driver moves on to the next lane; after the last heat the names are back
        // where they were before the first.
        auto fahrer = Spuren<QString>::fuer(spurenzahl());
        for (int nummer = 1; nummer <= spurenzahl(); ++nummer)
            fahrer[rotation.spurImLauf(nummer, 1)] = spur(nummer).fahrer;
        for (int nummer = 1; nummer <= spurenzahl(); ++nummer)
            spur(nummer).fahrer = fahrer[nummer];
    }
}

void Rennen::ergebnisfensterZeigen() {
    if (spurenzahl() == KleinsteSpurenzahl)
        m_an.dialoge.f2SpurRennenZeigen(ergebnisfensterInhalt(m_stand.ergebnis));
    else
        m_an.dialoge.rotationsergebnisZeigen(rotationsergebnisInhalt(m_stand.ergebnis, nachZeit()));
}

void Rennen::ergebnisFesthalten() {
    Rennstand& r = m_stand;
    Rennergebnis& ergebnis = r.ergebnis;
    const bool folgelauf = r.einstellungen.spurwechsel && r.wechsellauf > 0;
    if (!folgelauf) {
        ergebnis = {};
        if (r.einstellungen.spurwechsel)
            ergebnis.rotation = Spurrotation(r.einstellungen);
    }
    ergebnis.laeufe.push_back(laufergebnis());
    if (folgelauf)
        ergebnis.fahrer = gesamtwertung(ergebnis.laeufe, ergebnis.rotation, r.einstellungen);
}

Laufergebnis Rennen::laufergebnis() const {
    Laufergebnis lauf;
    for (int nummer = 1; nummer <= m_stand.spuren.anzahl(); ++nummer) {
        const Spurstand& s = m_stand.spuren[nummer];
        Spurergebnis e{s.fahrer, s.farbe, s.runden, s.bestzeit, {}, 0};
        if (s.fertig) {
            e.lauf = {runden3(s.zielzeit.value_or(0)), runden3(s.schnitt), s.distanz, true};
            const std::vector<int>& z = m_stand.zieleinlauf;
            e.platz = static_cast<int>(std::find(z.begin(), z.end(), nummer) - z.begin()) + 1;
        }
        lauf.spuren.push_back(std::move(e));
    }
    lauf.sieger = laufsieger();
    lauf.streckenrufe = m_stand.streckenrufe;
    strafenWerten(lauf, m_stand);
    return lauf;
}

int Rennen::laufsieger() const {
    if (!m_stand.einstellungen.rennmodus) {
        // Training: the lowest best lap of the lanes with a car wins; a tie for it is a draw.
        int beste = 0;
        bool geteilt = false;
        for (int nummer = 1; nummer <= spurenzahl(); ++nummer) {
            if (!spurBelegt(nummer))
                continue;
            const double zeit = m_stand.spuren[nummer].bestzeit;
            if (beste == 0 || zeit < m_stand.spuren[beste].bestzeit) {
                beste = nummer;
                geteilt = false;
            } else if (zeit == m_stand.spuren[beste].bestzeit) {
                geteilt = true;
            }
        }
        return geteilt ? 0 : beste;
    }
    return m_stand.rennsieger.value_or(0);
}
