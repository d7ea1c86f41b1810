// Shared by the tests of stored race nights: races go into the database as the writer's
// thread puts them there, and Begegnungen driven as the night's due entry.
#pragma once

#include "Rennabendleiter.h"
#include "Verlaufsspeicher.h"
#include "Verlaufstest.h"

#include <gtest/gtest.h>

// What the writer's thread does in the program, at once: the race into the database.
class Datenbankablage : public Verlaufsablage {
public:
    explicit Datenbankablage(Verlaufsdatenbank& db) : m_db(db) {}
    void ablegen(Rennaufzeichnung a) override {
        EXPECT_EQ(Verlaufsspeicher(m_db).speichern(a), std::nullopt);
    }

private:
    Verlaufsdatenbank& m_db;
};

// A Begegnung of the plan's entry, the faster driver winning both Läufe.
inline Rennaufzeichnung begegnung(const Paarung& p, const QString& sieger, int minute) {
    const QString beginn =
        QStringLiteral("2026-12-09T20:%1:00+01:00").arg(minute, 2, 10, QLatin1Char('0'));
    // The lists live as long as these two names: a list made inside the lambda would not.
    const std::initializer_list<double> schnell{2, 2}, langsam{3, 3};
    const auto zeiten = [&](const QString& f) { return f == sieger ? schnell : langsam; };
    Rennaufzeichnung r = rennen(p.spur1, zeiten(p.spur1), p.spur2, zeiten(p.spur2), beginn);
    r.art = Rennart::Spurwechsel;
    r.laeufe.push_back({fahrt(p.spur2, zeiten(p.spur2)), fahrt(p.spur1, zeiten(p.spur1))});
    r.sieger = sieger;
    return r;
}

// The race as the night's due entry drove it: it carries the entry the night gave the race.
inline Rennaufzeichnung fuerDenAbend(const Rennabendleiter& leiter, Rennaufzeichnung r) {
    r.abend = Abendzuordnung{leiter.abend().schluessel, *leiter.naechste()};
    return r;
}
