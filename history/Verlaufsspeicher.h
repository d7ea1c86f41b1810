// Changes to the race database: a race stored in one transaction, so that a killed program
// leaves it whole or not at all; races deleted one by one or all of a driver's.
#pragma once

#include "Rennaufzeichnung.h"
#include "Verlaufsdatenbank.h"

#include <QSqlError>
#include <QSqlQuery>
#include <functional>
#include <optional>

class Verlaufsspeicher {
public:
    explicit Verlaufsspeicher(Verlaufsdatenbank& datenbank) : m_db(datenbank) {}

    // The reason when it could not be stored. vielleichtSchonDa: a race kept beside the
    // database, which a program that ended before it could remove the file may have stored
    // already; it is stored only when no race with its start, laps and driver is there.
    std::optional<Datenbankfehler> speichern(const Rennaufzeichnung& rennen,
                                             bool vielleichtSchonDa = false);
    std::optional<Datenbankfehler> loeschen(qint64 rennen);
    // Every race the driver drove in, with the other driver's part of it.
    std::optional<Datenbankfehler> fahrerLoeschen(const QString& fahrer);
    // The race's laps and result replaced by a corrected race's, in one transaction. The
    // race as first stored is kept beside it at the first correction and never overwritten
    // by a later one.
    std::optional<Datenbankfehler> korrigieren(qint64 rennen, const Rennaufzeichnung& bisher,
                                               const Rennaufzeichnung& korrigiert);
    // The race as first stored comes back; nothing happens to a race never corrected.
    std::optional<Datenbankfehler> wiederherstellen(qint64 rennen);
    // Steps of one change taken whole or not at all; they give the error that stopped them,
    // or an invalid one.
    std::optional<Datenbankfehler>
    inTransaktion(const std::function<QSqlError(QSqlQuery&)>& schritte);

private:
    // The race's heats and result replaced by those of r.
    QSqlError ergebnisErsetzen(QSqlQuery& q, qint64 rennen, const Rennaufzeichnung& r);

    Verlaufsdatenbank& m_db;
};

// A prepared statement run as a step of a change: the error that stopped it, or an invalid
// one.
QSqlError ausfuehren(QSqlQuery& q);
