// A lap taken back during the race (Ctrl+1, Ctrl+2): a doubled hand lap or a bounce that
// outlasted the debounce time leaves the lane's laps as if that crossing never came.
#include "Rennen.h"

#include <algorithm>

void Rennen::rundeStreichen(int nummer) {
    eingabeMelden(Eingabe::RundeStreichen{nummer});
    spur(nummer); // a lane that does not exist fails here, not in the queue
    const std::int64_t tick = uhr().ticks();
    const double zeit = signalzeit(tick);
    m_folge.ausfuehren([this, nummer, zeit, tick] {
        rundeStreichenJetzt(nummer, zeit, tick);
        geaendert();
    });
}

void Rennen::rundeStreichenJetzt(int nummer, double zeit, std::int64_t tick) {
    Rennstand& r = m_stand;
    Spurstand& s = spur(nummer);
    Streichmeldung meldung{nummer, 0, 0, zeit, tick, uhr().ticksProSekunde()};
    // A lane home (or a heat over) keeps its laps: taking one back there would make the
    // lane unfinished behind the race's back.
    if (!r.rennenLaeuft || s.fertig || s.runden.empty()) {
        piepen();
        melden([&](Rennbeobachter& b) { b.rundeGestrichen(*this, meldung); });
        return;
    }
    const Rundenwert weg = s.runden.back();
    s.runden.pop_back();
    meldung.runde = s.runde - 1;
    meldung.rundenzeit = weg.zeit;
    s.runde -= 1;
    s.offeneRunden += 1;
    s.rundenbeginn = s.runden.empty() ? 0 : s.runden.back().rennzeit;
    s.letzteZeit = s.runden.empty() ? std::nullopt : std::optional(s.runden.back().zeit);
    s.bestzeit = KeineBestzeit;
    s.bestrunde = 0;
    s.schnellsteRundenzeit.reset();
    for (std::size_t i = 0; i < s.runden.size(); ++i) {
        if (s.runden[i].zeit < s.bestzeit) {
            s.bestzeit = s.runden[i].zeit;
            s.bestrunde = static_cast<int>(i) + 1;
            s.schnellsteRundenzeit = s.bestzeit;
        }
    }
    // The top speed as the laps still standing make it, in the order they were driven:
    // on a tie the earlier lap keeps it, as when it was counted.
    const Hoechstbasis& basis = r.hoechstbasis;
    r.maxGeschw = basis.geschw;
    r.maxGeschwFahrer = basis.fahrer;
    double schnellsteZeit = 0;
    for (int n = 1; n <= spurenzahl(); ++n) {
        const std::vector<Rundenwert>& runden = spur(n).runden;
        for (std::size_t i = std::min(basis.abRunde[n], runden.size()); i < runden.size(); ++i) {
            const Rundenwert& w = runden[i];
            const bool frueher = w.geschwindigkeit == r.maxGeschw && w.rennzeit < schnellsteZeit;
            if (w.geschwindigkeit > r.maxGeschw || (frueher && r.maxGeschw > basis.geschw)) {
                r.maxGeschw = w.geschwindigkeit;
                r.maxGeschwFahrer = spur(n).fahrer;
                schnellsteZeit = w.rennzeit;
            }
        }
    }
    melden([&](Rennbeobachter& b) { b.rundeGestrichen(*this, meldung); });
}

void Rennen::hoechstbasisMerken() {
    Hoechstbasis& basis = m_stand.hoechstbasis;
    basis.geschw = m_stand.maxGeschw;
    basis.fahrer = m_stand.maxGeschwFahrer;
    for (int n = 1; n <= spurenzahl(); ++n)
        basis.abRunde[n] = spur(n).runden.size();
}
