// What the racer is told about the race history: that a damaged file was set aside, that
// the database is from a newer program, and why races could not be stored and where they
// wait. The race itself never waits for these.
#pragma once

#include "Dialoge.h"
#include "Verlaufsschreiber.h"

class Verlaufsmeldungen {
public:
    // anzeigepfad: the database file as the user's system writes paths.
    Verlaufsmeldungen(Dialoge& dialoge, QString anzeigepfad)
        : m_dialoge(dialoge), m_anzeigepfad(std::move(anzeigepfad)) {}

    void befund(const Verlaufsbefund& befund);
    void schreibfehler(const Schreibfehler& fehler);

private:
    Dialoge& m_dialoge;
    QString m_anzeigepfad;
};

inline const QString Verlaufstitel = QStringLiteral("Rennverlauf");
