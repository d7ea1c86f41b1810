// What the racer is told about the race history: that a damaged file was set aside, that
// the database is from a newer program, and, once in a run, that a race could not be
// stored. The race itself never waits for these.
#pragma once

#include "Dialoge.h"
#include "Verlaufsdatenbank.h"

class Verlaufsmeldungen {
public:
    // anzeigepfad: the database file as the user's system writes paths.
    Verlaufsmeldungen(Dialoge& dialoge, QString anzeigepfad)
        : m_dialoge(dialoge), m_anzeigepfad(std::move(anzeigepfad)) {}

    void befund(const Verlaufsbefund& befund);
    void schreibfehler(const QString& grund);

private:
    Dialoge& m_dialoge;
    QString m_anzeigepfad;
    bool m_schreibfehlerGemeldet = false;
};

inline const QString Verlaufstitel = QStringLiteral("Rennverlauf");
