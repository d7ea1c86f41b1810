// The history window's work on the database, on a thread of its own with a connection of
// its own: the window opens at once and takes keys while the writer, or another program,
// holds the database, and deleting or exporting never stops the program.
#pragma once

#include "Arbeitsfaden.h"
#include "Verlaufsdatenbank.h"

#include <functional>
#include <memory>

class Verlaufsleser {
public:
    explicit Verlaufsleser(QString pfad) : m_pfad(std::move(pfad)) {}
    // Waits for the work under way and closes the connection on its thread.
    ~Verlaufsleser() {
        m_faden.dortAbwarten([this] { m_db.reset(); });
    }
    Verlaufsleser(const Verlaufsleser&) = delete;
    Verlaufsleser& operator=(const Verlaufsleser&) = delete;

    QString pfad() const { return m_pfad; }

    // The work runs on the thread with the connection (not yet connected before the first
    // work connects it), after all work handed over before; `danach` then runs on this
    // thread.
    void auftrag(std::function<void(Verlaufsdatenbank&)> arbeit, std::function<void()> danach) {
        m_faden.dort([this, arbeit = std::move(arbeit), danach = std::move(danach)] {
            if (!m_db)
                m_db = std::make_unique<Verlaufsdatenbank>(m_pfad);
            arbeit(*m_db);
            m_faden.hier(danach);
        });
    }
    // Returns when the work handed over so far is done; its answers are on their way.
    void abwarten() {
        m_faden.dortAbwarten([] {});
    }

private:
    QString m_pfad;
    Arbeitsfaden m_faden{QStringLiteral("Rennverlauf lesen")};
    std::unique_ptr<Verlaufsdatenbank> m_db; // made, used and closed on m_faden only
};
