// The history window's questions to the database. Each runs on the reader's thread and its
// answer comes back on the window's, unless the window has closed or, for a page asked for,
// the racer has gone to another page meanwhile; after each answer the logic is told, so the
// window shows it.
#pragma once

#include "Verlaufsleser.h"

#include <functional>
#include <memory>

class Verlaufsanfragen {
public:
    explicit Verlaufsanfragen(Verlaufsleser& leser) : m_leser(leser) {}

    void nachAntwort(std::function<void()> aufruf) { m_nachAntwort = std::move(aufruf); }

    // seite: the answer opens a page, which a later page asked for makes stale.
    template <typename T>
    void fragen(std::function<T(Verlaufsdatenbank&)> arbeit, std::function<void(T&)> antwort,
                bool seite = false) {
        auto ergebnis = std::make_shared<T>();
        const int wechsel = seite ? ++m_seitenwechsel : 0;
        m_leser.auftrag([arbeit = std::move(arbeit),
                         ergebnis](Verlaufsdatenbank& db) { *ergebnis = arbeit(db); },
                        [this, lebt = std::weak_ptr<bool>(m_lebt), ergebnis,
                         antwort = std::move(antwort), seite, wechsel] {
                            if (lebt.expired() || (seite && wechsel != m_seitenwechsel))
                                return;
                            antwort(*ergebnis);
                            if (m_nachAntwort)
                                m_nachAntwort();
                        });
    }

    // A page asked for and not yet shown is not shown any more.
    void seiteVerlassen() { ++m_seitenwechsel; }

private:
    Verlaufsleser& m_leser;
    std::function<void()> m_nachAntwort;
    int m_seitenwechsel = 0;
    std::shared_ptr<bool> m_lebt = std::make_shared<bool>(true);
};
