#include "Rennmitschrift.h"

#include "Rennen.h"

#include <algorithm>
#include <cmath>

namespace {
Rennart rennart(const Renneinstellungen& e) {
    if (e.spurwechsel)
        return Rennart::Spurwechsel;
    return e.rennmodus ? Rennart::Rennen : Rennart::Training;
}

// A heat's signals go with it; a race without any (by hand, by the box) keeps none.
Rennaufzeichnung mitRohsignalen(Rennaufzeichnung r) {
    r.rohsignale.resize(r.laeufe.size());
    if (std::all_of(r.rohsignale.begin(), r.rohsignale.end(),
                    [](const std::vector<Rohsignal>& lauf) { return lauf.empty(); }))
        r.rohsignale.clear();
    return r;
}

// A heat's penalties and track calls go with it: dropped or driven again, it takes them along.
void spaetereLaeufeVergessen(Rennaufzeichnung& r, std::size_t abLauf) {
    const auto spaeter = [abLauf](const auto& eintrag) {
        return eintrag.lauf >= static_cast<int>(abLauf);
    };
    std::erase_if(r.strafen, spaeter);
    std::erase_if(r.streckenrufe, spaeter);
}
} // namespace

Rennmitschrift::Rennmitschrift(Verlaufsablage& ablage, Quelle quelle, Jetzt jetzt)
    : m_ablage(ablage), m_quelle(std::move(quelle)), m_jetzt(std::move(jetzt)) {}

void Rennmitschrift::rennenGestartet(const Rennen& rennen) {
    const Rennstand& r = rennen.stand();
    const Renneinstellungen& e = r.einstellungen;
    const bool folgelauf = e.spurwechsel && r.wechsellauf > 0 && m_rennen;
    if (!folgelauf) {
        // A lane-change race left after its first heat (the mode was changed) ends here.
        abschliessen(rennen);
        Rennaufzeichnung neu;
        neu.beginn = m_jetzt();
        neu.art = rennart(e);
        neu.rundenzahl = e.rundenzahl;
        neu.rennart = e.rennart;
        if (e.rennart == Rennlaenge::Zeit) {
            neu.renndauer = e.renndauer;
            neu.zielregel = e.zielregel;
        } else {
            neu.nachSiegerBeenden = e.nachSiegerBeenden;
        }
        // Of the track's lanes: a free lane past them is none.
        neu.freieSpuren = e.freieSpuren & ((1U << r.spuren.anzahl()) - 1);
        neu.kurslaenge = e.kurslaenge;
        neu.prellzeit = e.prellzeit;
        neu.quelle = m_quelle();
        if (const std::optional<Abendeintrag>& eintrag = r.abendeintrag)
            neu.abend = Abendzuordnung{eintrag->abend, eintrag->nummer};
        m_rennen = std::move(neu);
    } else if (m_rennen->laeufe.size() > static_cast<std::size_t>(r.wechsellauf)) {
        // A later heat is driven again after it was stopped.
        m_rennen->laeufe.resize(static_cast<std::size_t>(r.wechsellauf));
        m_rennen->rohsignale.resize(m_rennen->laeufe.size());
        spaetereLaeufeVergessen(*m_rennen, m_rennen->laeufe.size());
    }
    m_rennen->rohsignale.resize(m_rennen->laeufe.size() + 1);
    auto fahrten = Spuren<Spurfahrt>::fuer(r.spuren.anzahl());
    for (int spur = 1; spur <= fahrten.anzahl(); ++spur) {
        fahrten[spur].fahrer = r.spuren[spur].fahrer;
        // A colour is the driver's: in a later heat that of the lane of their first.
        fahrten[spur].farbe =
            r.spuren[folgelauf ? r.ergebnis.rotation.ersteSpur(spur, r.wechsellauf) : spur].farbe;
    }
    m_rennen->laeufe.push_back(std::move(fahrten));
    m_laeuft = true;
}

// Only the signals of the race under way: before the green light they can make no lap.
void Rennmitschrift::signalGeprueft(const Rennen& rennen, int spur, double zeit) {
    const Rennstand& r = rennen.stand();
    // A signal of a lane the track does not have never counts, and is not the race's.
    if (!m_laeuft || !r.rennenLaeuft || spur < 1 || spur > lauf().anzahl())
        return;
    // At a flying start the first signal starts the race clock.
    const double abGruen =
        r.einstellungen.ohneCountdown && !r.rennuhrGestartet ? 0 : zeit - r.startzeit;
    m_rennen->rohsignale.back().push_back({spur, std::llround(abGruen * 1e6)});
}

void Rennmitschrift::fehlstart(const Rennen&, int) {
    if (m_laeuft)
        laufVerwerfen();
}

// The heat as the race holds it at its end or Stop: each lane's laps, and the finish of
// the lanes home.
void Rennmitschrift::laufUebernehmen(const Rennen& rennen) {
    const Rennstand& r = rennen.stand();
    for (int spur = 1; spur <= lauf().anzahl(); ++spur) {
        const Spurstand& s = r.spuren[spur];
        Spurfahrt& f = lauf()[spur];
        f.runden.clear();
        for (const Rundenwert& w : s.runden)
            f.runden.push_back({w.zeit, w.geschwindigkeit, w.vonHand});
        if (!s.fertig)
            continue;
        f.gesamtzeit = s.zielzeit;
        f.schnitt = s.schnitt;
        if (m_rennen->rennart == Rennlaenge::Zeit)
            f.distanz = s.distanz;
    }
    // The race holds the heat's penalties and calls until the next Start, under the heat's
    // own number.
    const std::size_t nummer = m_rennen->laeufe.size() - 1;
    spaetereLaeufeVergessen(*m_rennen, nummer);
    for (Strafe strafe : r.strafen) {
        strafe.lauf = static_cast<int>(nummer);
        m_rennen->strafen.push_back(strafe);
    }
    for (Streckenruf ruf : r.streckenrufe) {
        ruf.lauf = static_cast<int>(nummer);
        m_rennen->streckenrufe.push_back(ruf);
    }
}

void Rennmitschrift::rennende(const Rennen& rennen, int) {
    if (!m_laeuft)
        return;
    laufUebernehmen(rennen);
    m_laeuft = false;
    if (m_rennen->art == Rennart::Spurwechsel && !rennen.ergebnis().komplett())
        return; // the next heat follows
    // By the lane of the last heat, after a lane-change race's last the winner on all.
    if (const int sieger = rennen.ergebnis().sieger(); sieger != 0)
        m_rennen->sieger = lauf()[sieger].fahrer;
    m_ablage.ablegen(mitRohsignalen(std::exchange(m_rennen, std::nullopt).value()));
    m_schonAbgelegt = false;
}

void Rennmitschrift::rennenGestoppt(const Rennen& rennen) {
    if (!m_laeuft)
        return;
    laufUebernehmen(rennen);
    if (laufOhneRunden()) {
        laufVerwerfen();
        return;
    }
    m_laeuft = false;
    if (m_rennen->art == Rennart::Spurwechsel && m_rennen->laeufe.size() > 1) {
        // The engine stays at this heat: the ones before are kept for the next attempt.
        abgebrochenAblegen();
        m_rennen->laeufe.pop_back();
        spaetereLaeufeVergessen(*m_rennen, m_rennen->laeufe.size());
        m_schonAbgelegt = true;
        return;
    }
    abgebrochenAblegen();
    m_rennen.reset();
}

void Rennmitschrift::abschliessen(const Rennen& rennen) {
    if (m_laeuft)
        laufUebernehmen(rennen);
    if (m_laeuft && laufOhneRunden())
        laufVerwerfen();
    if (m_rennen && !(m_schonAbgelegt && !m_laeuft))
        abgebrochenAblegen();
    m_rennen.reset();
    m_laeuft = false;
    m_schonAbgelegt = false;
}

bool Rennmitschrift::laufOhneRunden() const {
    const Spuren<Spurfahrt>& l = m_rennen->laeufe.back();
    return std::all_of(l.begin(), l.end(), [](const Spurfahrt& f) { return f.runden.empty(); });
}

void Rennmitschrift::laufVerwerfen() {
    m_laeuft = false;
    m_rennen->laeufe.pop_back();
    m_rennen->rohsignale.pop_back();
    spaetereLaeufeVergessen(*m_rennen, m_rennen->laeufe.size());
    if (m_rennen->laeufe.empty())
        m_rennen.reset();
}

void Rennmitschrift::abgebrochenAblegen() {
    Rennaufzeichnung kopie = mitRohsignalen(*m_rennen);
    kopie.abgebrochen = true;
    m_ablage.ablegen(std::move(kopie));
}
