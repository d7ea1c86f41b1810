// Stores finished races on a thread of its own with a connection of its own. The GUI
// thread, which reads the clock for hand laps and runs the race, never waits for the disk
// or for another program's lock; it only hands the record over.
#pragma once

#include "Verlaufsablage.h"
#include "Verlaufsdatenbank.h"

#include <QObject>
#include <QThread>
#include <functional>
#include <memory>

class Verlaufsschreiber final : public Verlaufsablage {
public:
    explicit Verlaufsschreiber(QString pfad);
    // Stores what was handed over, then ends the thread.
    ~Verlaufsschreiber() override;
    Verlaufsschreiber(const Verlaufsschreiber&) = delete;
    Verlaufsschreiber& operator=(const Verlaufsschreiber&) = delete;

    // Prepares the database on the thread; what was found comes back on this thread.
    void beiBefund(std::function<void(const Verlaufsbefund&)> meldung) {
        m_beiBefund = std::move(meldung);
    }
    // Asked on this thread before a record is handed over; false drops it (its folder
    // cannot be made, which the racer has been told).
    void vorDemAblegen(std::function<bool()> bereit) { m_bereit = std::move(bereit); }
    void starten();
    void ablegen(Rennaufzeichnung aufzeichnung) override;
    // Returns when everything handed over so far is stored, or has failed.
    void abwarten();

private:
    // Run on the writer's thread, in the order they were handed over.
    void vorbereiten();
    void speichern(const Rennaufzeichnung& aufzeichnung);
    void zurueckmelden(std::function<void()> meldung);

    QString m_pfad;
    std::function<void(const Verlaufsbefund&)> m_beiBefund;
    std::function<bool()> m_bereit;
    QObject m_hier; // receives the answers on the thread that made this object
    QThread m_faden;
    QObject m_dort;                          // lives on m_faden
    std::unique_ptr<Verlaufsdatenbank> m_db; // made, used and closed on m_faden only
    bool m_neuereVersion = false;
};
