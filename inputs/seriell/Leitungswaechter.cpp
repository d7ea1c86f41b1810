#include "Leitungswaechter.h"

#include <algorithm>

using namespace std::chrono_literals;

Leitungswaechter::Leitungswaechter(Leitungsquelle& quelle, Uhr& uhr, Meldungen meldungen)
    : m_quelle(quelle), m_uhr(uhr), m_meldungen(std::move(meldungen)),
      m_thread([this] { laufen(); }) {
    if (m_quelle.blindVorDemWarten())
        m_nachschau = std::thread([this] { nachschauen(); });
}

Leitungswaechter::~Leitungswaechter() {
    beenden();
}

void Leitungswaechter::beenden() {
    if (!m_thread.joinable())
        return;
    {
        const std::lock_guard sperre(m_lesen);
        m_stopp = true;
    }
    m_halt.notify_all();
    if (m_nachschau.joinable())
        m_nachschau.join();
    // A cancel that lands just before the thread enters its wait is lost; repeating it
    // until the thread is gone closes that gap.
    std::unique_lock sperre(m_mutex);
    while (!m_fertig) {
        m_quelle.abbrechen();
        m_beendet.wait_for(sperre, 2ms);
    }
    sperre.unlock();
    m_thread.join();
}

void Leitungswaechter::laufen() {
    m_quelle.fadenBeginnt();
    bool weiter = false;
    {
        const std::lock_guard sperre(m_lesen);
        m_gelesen = m_uhr.ticks();
        const Antwort antwort = lesen(m_alt);
        weiter = antwort == Antwort::Ok;
        if (!weiter)
            stoerung(antwort);
    }
    while (weiter && !m_stopp) {
        const Antwort antwort = warten();
        const std::int64_t zeit = m_uhr.ticks();
        const std::lock_guard sperre(m_lesen);
        m_wartet = false;
        switch (antwort) {
        case Antwort::Ok: weiter = nachlesen(zeit, Zeitgenauigkeit::Geweckt); break;
        // A cancel, or a stray signal: the loop looks at the stop flag and reads once more,
        // which costs nothing when nothing changed. What it finds woke no wait.
        case Antwort::Unterbrochen: weiter = nachlesen(zeit, Zeitgenauigkeit::Nachgelesen); break;
        case Antwort::NichtUnterstuetzt:
            // Drivers that cannot wait for a line change are asked every millisecond.
            m_abfragen = true;
            weiter = nachlesen(zeit, Zeitgenauigkeit::Geweckt);
            break;
        case Antwort::Getrennt:
            stoerung(antwort);
            weiter = false;
            break;
        }
    }
    {
        // The second thread has nothing left to watch.
        const std::lock_guard sperre(m_lesen);
        m_stopp = true;
    }
    m_halt.notify_all();
    const std::lock_guard sperre(m_mutex);
    m_fertig = true;
    m_beendet.notify_all();
}

// Returns when a line may have changed.
Antwort Leitungswaechter::warten() {
    {
        const std::lock_guard sperre(m_lesen);
        m_wartet = !m_abfragen;
        m_nachgesehen = false;
        m_nachschauabstand = ErsterNachschauabstand;
    }
    m_halt.notify_all();
    if (m_abfragen) {
        std::this_thread::sleep_for(1ms);
        return Antwort::Ok;
    }
    return m_quelle.warten();
}

// Reads and reports until a reading shows nothing new. The wait only wakes for changes
// made after it began, so a change just after the one that woke the watcher (the other
// lane a few microseconds later, in a photo finish) is read now rather than left to the
// second thread. Only the first reading has the wake-up's moment. False when the watcher
// must end.
bool Leitungswaechter::nachlesen(std::int64_t zeit, Zeitgenauigkeit genauigkeit) {
    for (;;) {
        Leitungsstand neu;
        const Antwort antwort = lesen(neu);
        if (antwort != Antwort::Ok) {
            stoerung(antwort);
            return false;
        }
        // A line that chatters without end must not keep a closing port waiting.
        if (!melden(neu, zeit, genauigkeit) || m_stopp)
            return true;
        zeit = m_uhr.ticks();
        genauigkeit = Zeitgenauigkeit::Nachgelesen;
    }
}

// Reports the edges between the last reading and this one, taken at `zeit`; true when
// there were any.
bool Leitungswaechter::melden(const Leitungsstand& neu, std::int64_t zeit,
                              Zeitgenauigkeit genauigkeit) {
    const std::vector<Flanke> flanken = flankenZwischen(m_alt, neu);
    for (const Flanke& f : flanken) {
        Leitungsereignis ereignis{f.leitung, f.pegel, zeit};
        if (!f.letzte) {
            ereignis.genauigkeit = Zeitgenauigkeit::Zusammengefasst;
        } else if (genauigkeit == Zeitgenauigkeit::Nachgelesen) {
            ereignis.genauigkeit = genauigkeit;
            ereignis.spielraum = zeit - m_gelesen;
        }
        m_meldungen.ereignis(ereignis);
    }
    m_alt = neu;
    m_gelesen = zeit;
    return !flanken.empty();
}

// The second thread: a change between the watcher's last reading and the start of its
// wait wakes no wait, and the machine may keep the watcher from running in between for
// long. So the lines are read here, soon and then every few milliseconds, until the wait
// has surely begun, and once after that.
void Leitungswaechter::nachschauen() {
    m_quelle.fadenBeginnt();
    std::unique_lock sperre(m_lesen);
    while (!m_stopp && !m_abfragen) {
        if (!m_wartet || m_nachgesehen) {
            m_halt.wait(sperre);
            continue;
        }
        m_halt.wait_for(sperre, m_nachschauabstand);
        m_nachschauabstand =
            std::min<std::chrono::microseconds>(2 * m_nachschauabstand, Nachschauabstand);
        if (!m_wartet || m_stopp)
            continue;
        // Asked before the look: a wait that had begun then wakes for whatever comes after.
        const bool begonnen = m_quelle.wartetSchon();
        nachsehen();
        m_nachgesehen = begonnen;
    }
}

// One look, with the lock held. The counters alone tell in one call whether anything
// changed, where the driver keeps them. A failing port is the watcher's to report: its
// wait fails too.
void Leitungswaechter::nachsehen() {
    const std::int64_t zeit = m_uhr.ticks();
    Flankenzaehler zaehler;
    if (m_alt.zaehler && m_quelle.zaehlerLesen(zaehler) == Antwort::Ok &&
        zaehler == *m_alt.zaehler) {
        m_gelesen = zeit;
        return;
    }
    Leitungsstand neu;
    if (lesen(neu) == Antwort::Ok)
        melden(neu, zeit, Zeitgenauigkeit::Nachgelesen);
}

// Counters where the driver has them, levels always.
Antwort Leitungswaechter::lesen(Leitungsstand& stand) {
    if (m_mitZaehlern) {
        Flankenzaehler zaehler;
        const Antwort antwort = m_quelle.zaehlerLesen(zaehler);
        if (antwort == Antwort::Ok)
            stand.zaehler = zaehler;
        else if (antwort == Antwort::NichtUnterstuetzt)
            m_mitZaehlern = false;
        else
            return antwort;
    }
    return m_quelle.pegelLesen(stand.pegel);
}

void Leitungswaechter::stoerung(Antwort antwort) {
    m_meldungen.stoerung(antwort == Antwort::NichtUnterstuetzt ? Stoerung::KeineLeitungen
                                                               : Stoerung::Getrennt);
}
