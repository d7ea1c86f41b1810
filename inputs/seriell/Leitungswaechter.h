// Watches a port's modem lines on a thread of its own: it waits for a change, takes the
// time, reads what changed and reports every edge. Where the port's wait only wakes for
// changes after it began, a second thread reads the lines, soon and then every few
// milliseconds, from the watcher's last reading until its wait has surely begun, so a
// change in between is reported late by that much at most, and marked so. Neither
// touches race state; whoever receives the reports passes them to the GUI thread.
#pragma once

#include "Flanken.h"
#include "Leitungsquelle.h"
#include "Uhr.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

class Leitungswaechter {
public:
    // Both are called on one of the watcher's threads, one call at a time. After a
    // Stoerung the watcher has ended.
    struct Meldungen {
        std::function<void(const Leitungsereignis&)> ereignis;
        std::function<void(Stoerung)> stoerung;
    };

    // How often the lines are read before the wait has begun: the longest a change the
    // wait misses stays unreported, unless the machine keeps the thread from running.
    static constexpr std::chrono::milliseconds Nachschauabstand{2};
    // The first look after a wait's start comes this soon, and the span doubles up to the
    // one above. A wait has mostly begun by then, so the first look is mostly the last:
    // a change just before the wait (the second edge of a car's bounce) is stamped late by
    // this much rather than by up to two milliseconds, at the cost of the same one look.
    static constexpr std::chrono::microseconds ErsterNachschauabstand{100};

    // Starts watching at once. The clock must be safe to read from other threads.
    Leitungswaechter(Leitungsquelle& quelle, Uhr& uhr, Meldungen meldungen);
    ~Leitungswaechter();
    Leitungswaechter(const Leitungswaechter&) = delete;
    Leitungswaechter& operator=(const Leitungswaechter&) = delete;

    // Returns once the threads have ended; the source may be closed afterwards.
    void beenden();

private:
    void laufen();
    void nachschauen();
    Antwort warten();
    bool nachlesen(std::int64_t zeit, Zeitgenauigkeit genauigkeit);
    bool melden(const Leitungsstand& neu, std::int64_t zeit, Zeitgenauigkeit genauigkeit);
    void nachsehen();
    Antwort lesen(Leitungsstand& stand);
    void stoerung(Antwort antwort);

    Leitungsquelle& m_quelle;
    Uhr& m_uhr;
    Meldungen m_meldungen;
    std::atomic<bool> m_stopp{false};

    // One reading at a time, so every change is reported once and in order.
    std::mutex m_lesen;
    std::condition_variable m_halt; // wakes the second thread: a new wait, or the end
    Leitungsstand m_alt;            // the last reading
    std::int64_t m_gelesen = 0;     // the clock just before it
    bool m_mitZaehlern = true;
    bool m_abfragen = false;    // the driver cannot wait: the watcher reads every millisecond
    bool m_wartet = false;      // the watcher has reported all it read and is about to wait
    bool m_nachgesehen = false; // the lines were read after that wait had surely begun
    std::chrono::microseconds m_nachschauabstand = ErsterNachschauabstand; // until the next look

    std::mutex m_mutex;
    std::condition_variable m_beendet;
    bool m_fertig = false;
    // Last: they start once everything above is ready.
    std::thread m_thread;
    std::thread m_nachschau;
};
