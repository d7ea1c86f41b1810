// A lane's finish, the race's end and the evaluation of a lane-change race's two heats.
#include "Ergebnisfenster.h"
#include "Rennanzeige.h"
#include "Rennen.h"

using Zahlenformat::runden3;
using Zahlenformat::ZahlFormatieren;

void Rennen::spurFertig(int nummer, double t) {
    Rennstand& r = m_stand;
    Spurstand& s = spur(nummer);
    s.fertig = true;
    s.letzteZeit = t;
    s.zielzeit = t;
    const double runden = nachZeit() ? s.distanz : double(r.einstellungen.rundenzahl);
    s.schnitt = geschwindigkeit(runden * r.einstellungen.kurslaenge, t);
    if (r.einstellungen.spurwechsel)
        (r.zweiterLauf ? r.lauf2 : r.lauf1)[nummer] = {runden3(t), runden3(s.schnitt), s.distanz,
                                                       true};
    klangSpielen(Klang::Gewinner);
    // In race mode by laps the first lane home wins, the other loses at that moment; by
    // time the distances decide at the end.
    if (r.einstellungen.rennmodus && !nachZeit() && !r.rennsieger) {
        r.rennsieger = nummer;
        s.ausgang = Spurausgang::Sieg;
        spur(andereSpur(nummer)).ausgang = Spurausgang::Niederlage;
    }
    r.zieleinlauf.push_back(nummer);
    const int platz = static_cast<int>(r.zieleinlauf.size());
    melden([&](Rennbeobachter& b) { b.spurFertig(*this, nummer, t, platz); });
}

void Rennen::zieleinlaufSchliessen() {
    eingabeMelden(Eingabe::ZieleinlaufSchliessen{});
    m_folge.ausfuehren([this] {
        Rennstand& r = m_stand;
        if (r.gestartet && r.rennenLaeuft && !nachZeit()) {
            for (int nummer = 1; nummer <= 2; ++nummer)
                if (!spur(nummer).fertig)
                    (r.zweiterLauf ? r.lauf2 : r.lauf1)[nummer] = {};
            rennende();
        }
        geaendert();
    });
}

void Rennen::rennende() {
    Rennstand& r = m_stand;
    const Renneinstellungen& e = r.einstellungen;
    klangSpielen(Klang::Verlierer);
    m_an.rennzeit.abstellen();
    const int sieger = siegerSpur();
    if (!e.rennmodus) {
        // Training: only the outcomes are decided.
        for (int nummer = 1; nummer <= 2; ++nummer)
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
        if (!r.zweiterLauf) {
            r.zweiterLauf = true;
        } else {
            zweiLaufAuswertung();
            r.zweiterLauf = false;
        }
        // Each driver takes the other lane next; after the second heat the names are back
        // where they were before the first.
        std::swap(spur(1).fahrer, spur(2).fahrer);
    }
}

void Rennen::zweiLaufAuswertung() {
    Rennstand& r = m_stand;
    // Driver 1 of the second heat drove lane 2 in the first heat and lane 1 now.
    r.gesamt[1].zeit = r.lauf1[2].zeit + r.lauf2[1].zeit;
    r.gesamt[2].zeit = r.lauf1[1].zeit + r.lauf2[2].zeit;
    r.gesamt[1].distanz = r.lauf1[2].distanz + r.lauf2[1].distanz;
    r.gesamt[2].distanz = r.lauf1[1].distanz + r.lauf2[2].distanz;
    r.gesamt[1].imZiel = r.lauf1[2].imZiel && r.lauf2[1].imZiel;
    r.gesamt[2].imZiel = r.lauf1[1].imZiel && r.lauf2[2].imZiel;
    for (int fahrer = 1; fahrer <= 2; ++fahrer) {
        const double runden =
            nachZeit() ? r.gesamt[fahrer].distanz : 2.0 * r.einstellungen.rundenzahl;
        const double schnitt =
            geschwindigkeit(runden * r.einstellungen.kurslaenge, r.gesamt[fahrer].zeit);
        // As the result window shows it, so the speeds it lists add up as shown.
        r.gesamt[fahrer].geschwindigkeit =
            Zahlenformat::zahlLesen(ZahlFormatieren(schnitt)).value_or(0.0);
    }
    m_an.dialoge.f2SpurRennenZeigen(ergebnisfensterInhalt(r));
    r.zweiterLauf = false;
}
