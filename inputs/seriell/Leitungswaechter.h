// Watches a port's modem lines on a thread of its own: it waits for a change, takes the
// time, reads what changed and reports every edge. It touches no race state; whoever
// receives its reports passes them to the GUI thread.
#pragma once

#include "Flanken.h"
#include "Leitungsquelle.h"
#include "Uhr.h"

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

class Leitungswaechter {
public:
    // Both are called on the watcher's thread. After a Stoerung the watcher has ended.
    struct Meldungen {
        std::function<void(const Leitungsereignis&)> ereignis;
        std::function<void(Stoerung)> stoerung;
    };

    // Starts watching at once. The clock must be safe to read from another thread.
    Leitungswaechter(Leitungsquelle& quelle, Uhr& uhr, Meldungen meldungen);
    ~Leitungswaechter();
    Leitungswaechter(const Leitungswaechter&) = delete;
    Leitungswaechter& operator=(const Leitungswaechter&) = delete;

    // Returns once the thread has ended; the source may be closed afterwards.
    void beenden();

private:
    void laufen();
    bool warten(bool& abfragen);
    bool nachlesen(Leitungsstand& alt);
    bool lesen(Leitungsstand& stand);

    Leitungsquelle& m_quelle;
    Uhr& m_uhr;
    Meldungen m_meldungen;
    bool m_mitZaehlern = true;
    std::atomic<bool> m_stopp{false};
    std::mutex m_mutex;
    std::condition_variable m_beendet;
    bool m_fertig = false;
    std::thread m_thread; // last: it starts once everything above is ready
};
