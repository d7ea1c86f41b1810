// A race driven on the test track, with the history listening through the real writer and
// the racer told what the real program tells; and another program's write lock.
#pragma once

#include "Rennbahn.h"
#include "Rennmitschrift.h"
#include "Verlaufsmeldungen.h"
#include "Verlaufsschreiber.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QSqlQuery>
#include <QThread>
#include <future>
#include <thread>

struct Verlaufsbahn : Rennbahn {
    explicit Verlaufsbahn(const QString& pfad) : schreiber(pfad) {
        rennen.beobachterAnmelden(mitschrift);
        rennen.Rundenzahl = 1;
        rennen.PermanentesLogging = true;
        schreiber.beiSchreibfehler([this](const Schreibfehler& f) { meldungen.schreibfehler(f); });
        schreiber.beiBefund([this](const Verlaufsbefund& b) { meldungen.befund(b); });
        schreiber.starten();
    }
    // The race ends and is handed to the writer, which may still be trying.
    void rennenBeenden() {
        starten();
        fahren(1, 0.1, {3});
        fahren(2, 0.1, {4});
    }
    // ... and the writer is done with it.
    void rennenFahren() {
        rennenBeenden();
        antworten();
    }
    void antworten() {
        schreiber.abwarten();
        QCoreApplication::processEvents(); // the writer's answers
    }
    // True when every race handed over is stored before the time is up.
    bool allesGespeichert(int millisekunden) {
        const QDeadlineTimer frist(millisekunden);
        while (!schreiber.wartende().empty() && !frist.hasExpired())
            QThread::msleep(50);
        antworten();
        return schreiber.wartende().empty();
    }

    Verlaufsschreiber schreiber;
    Verlaufsmeldungen meldungen{dialoge, QStringLiteral("/daten/rennen.sqlite")};
    // A second apart, as races are.
    int gestartet = 0;
    Rennmitschrift mitschrift{schreiber, [] { return Signalquelle::Sensoren; },
                              [this] { return QDateTime::currentDateTime().addSecs(++gestartet); }};
};

// Another program's write lock on the database, from its own connection, held until this
// object goes.
class Schreibsperre {
public:
    explicit Schreibsperre(const QString& pfad)
        : m_faden([this, pfad] {
              Verlaufsdatenbank db(pfad);
              db.vorbereiten();
              QSqlQuery(db.db()).exec(QStringLiteral("BEGIN IMMEDIATE"));
              m_gesperrt.set_value();
              m_freigabe.get_future().wait();
              db.db().rollback();
          }) {
        m_gesperrt.get_future().wait();
    }
    ~Schreibsperre() {
        m_freigabe.set_value();
        m_faden.join();
    }
    Schreibsperre(const Schreibsperre&) = delete;
    Schreibsperre& operator=(const Schreibsperre&) = delete;

private:
    std::promise<void> m_gesperrt, m_freigabe;
    std::thread m_faden;
};
