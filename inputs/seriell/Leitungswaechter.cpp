#include "Leitungswaechter.h"

#include <chrono>

using namespace std::chrono_literals;

Leitungswaechter::Leitungswaechter(Leitungsquelle& quelle, Uhr& uhr, Meldungen meldungen)
    : m_quelle(quelle), m_uhr(uhr), m_meldungen(std::move(meldungen)),
      m_thread([this] { laufen(); }) {}

Leitungswaechter::~Leitungswaechter() {
    beenden();
}

void Leitungswaechter::beenden() {
    if (!m_thread.joinable())
        return;
    m_stopp = true;
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
    Leitungsstand alt;
    bool abfragen = false;
    if (lesen(alt)) {
        while (!m_stopp && warten(abfragen) && nachlesen(alt))
            continue;
    }
    const std::lock_guard sperre(m_mutex);
    m_fertig = true;
    m_beendet.notify_all();
}

// Reads and reports until a reading shows nothing new. The wait only wakes for changes
// made after it began, so a change between the last reading and the next wait (the other
// lane a few microseconds later, in a photo finish) would otherwise sleep until the next
// car. False when the watcher must end.
bool Leitungswaechter::nachlesen(Leitungsstand& alt) {
    for (;;) {
        const std::int64_t zeit = m_uhr.ticks();
        Leitungsstand neu;
        if (!lesen(neu))
            return false;
        const std::vector<Flanke> flanken = flankenZwischen(alt, neu);
        for (const Flanke& f : flanken)
            m_meldungen.ereignis({f.leitung, f.pegel, zeit, f.letzte});
        alt = neu;
        // A line that chatters without end must not keep a closing port waiting.
        if (flanken.empty() || m_stopp)
            return true;
    }
}

// False when the watcher must end.
bool Leitungswaechter::warten(bool& abfragen) {
    if (abfragen) {
        std::this_thread::sleep_for(1ms);
        return true;
    }
    switch (m_quelle.warten()) {
    case Antwort::Ok: return true;
    // A cancel, or a stray signal: the loop looks at the stop flag and reads once more,
    // which costs nothing when nothing changed.
    case Antwort::Unterbrochen: return true;
    case Antwort::NichtUnterstuetzt:
        // Drivers that cannot wait for a line change are asked every millisecond.
        abfragen = true;
        return true;
    case Antwort::Getrennt: break;
    }
    m_meldungen.stoerung(Stoerung::Getrennt);
    return false;
}

// Counters where the driver has them, levels always. False (after reporting why) when
// the watcher must end.
bool Leitungswaechter::lesen(Leitungsstand& stand) {
    if (m_mitZaehlern) {
        Flankenzaehler zaehler;
        const Antwort antwort = m_quelle.zaehlerLesen(zaehler);
        if (antwort == Antwort::Ok) {
            stand.zaehler = zaehler;
        } else if (antwort == Antwort::NichtUnterstuetzt) {
            m_mitZaehlern = false;
        } else {
            m_meldungen.stoerung(Stoerung::Getrennt);
            return false;
        }
    }
    const Antwort antwort = m_quelle.pegelLesen(stand.pegel);
    if (antwort == Antwort::Ok)
        return true;
    m_meldungen.stoerung(antwort == Antwort::NichtUnterstuetzt ? Stoerung::KeineLeitungen
                                                               : Stoerung::Getrennt);
    return false;
}
