// Stores finished races on a thread of its own with a connection of its own. The GUI
// thread, which reads the clock for hand laps and runs the race, never waits for the disk
// or for another program's lock; it only hands the record over. A race the database does
// not take waits in a file beside it and in memory, and is tried again every few seconds
// and at the next start until it is stored.
#pragma once

#include "Arbeitsfaden.h"
#include "Rennwarteschlange.h"
#include "Schreibursache.h"
#include "Verlaufsablage.h"
#include "Verlaufsdatenbank.h"

#include <QMutex>
#include <QTimer>
#include <functional>
#include <memory>

// Why races wait, and where.
struct Schreibfehler {
    Schreibursache ursache;
    QString wartedatei;  // the newest race's file beside the database
    QString wartefehler; // why a race could not be kept in a file; it waits in memory only
};

class Verlaufsschreiber final : public Verlaufsablage {
public:
    static constexpr int Wiederholungsabstand = 5000; // ms

    explicit Verlaufsschreiber(QString pfad);
    // Stores what was handed over, then ends the thread; what cannot be stored stays in its
    // file for the next start.
    ~Verlaufsschreiber() override;
    Verlaufsschreiber(const Verlaufsschreiber&) = delete;
    Verlaufsschreiber& operator=(const Verlaufsschreiber&) = delete;

    // Prepares the database on the thread; what was found comes back on this thread.
    void beiBefund(std::function<void(const Verlaufsbefund&)> meldung) {
        m_beiBefund = std::move(meldung);
    }
    // Told on this thread when races cannot be stored: once for each new cause, and again
    // after a race could be stored.
    void beiSchreibfehler(std::function<void(const Schreibfehler&)> meldung) {
        m_beiSchreibfehler = std::move(meldung);
    }
    // Asked on this thread before a record is handed over; false drops it (its folder
    // cannot be made, which the racer has been told).
    void vorDemAblegen(std::function<bool()> bereit) { m_bereit = std::move(bereit); }
    // Prepares the database and takes up the races that waited when the program last ended.
    void starten();
    void ablegen(Rennaufzeichnung aufzeichnung) override;
    // Something kept beside the races of which only the newest state matters (a race
    // night's row): written on the writer's thread after the races handed over before it.
    // One that waits for the database is replaced by a newer one with the same key and
    // tried again with the races, in memory only.
    using Zustandsschreiben = std::function<std::optional<Datenbankfehler>(Verlaufsdatenbank&)>;
    void zustandAblegen(const QString& schluessel, Zustandsschreiben schreiben);
    // Returns when everything handed over so far has been tried.
    void abwarten();
    // The races handed over and not in the database yet, oldest first; a race is in it from
    // the moment it is handed over. From any thread.
    std::vector<Rennaufzeichnung> wartende() const;

private:
    struct Wartend {
        Rennaufzeichnung rennen;
        QString datei;                  // empty: in memory only
        bool vielleichtSchonDa = false; // taken up from a file at the start
    };

    // Run on the writer's thread.
    void vorbereiten();
    void nachholen();
    // The oldest race waiting, else the oldest state; the reason when it failed.
    std::optional<Datenbankfehler> naechstesSchreiben();
    void scheitern(const Datenbankfehler& fehler);

    QString m_pfad;
    Rennwarteschlange m_warteschlange;
    std::function<void(const Verlaufsbefund&)> m_beiBefund;
    std::function<void(const Schreibfehler&)> m_beiSchreibfehler;
    std::function<bool()> m_bereit;
    Arbeitsfaden m_faden{QStringLiteral("Rennverlauf")};
    // Made, used and ended on m_faden only:
    std::unique_ptr<Verlaufsdatenbank> m_db;
    std::unique_ptr<QTimer> m_wiederholung;
    std::vector<Wartend> m_wartend;
    std::vector<std::pair<QString, Zustandsschreiben>> m_zustaende; // oldest first
    std::optional<Schreibfehler> m_gemeldet;
    bool m_neuereVersion = false;
    // What wartende() hands out: m_wartend, then the races handed over and not yet taken up
    // by the thread.
    mutable QMutex m_kopieSperre;
    std::vector<Rennaufzeichnung> m_kopie;
};
