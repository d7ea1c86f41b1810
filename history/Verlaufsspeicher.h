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

private:
    // The steps give the error that stopped them, or an invalid one.
    std::optional<Datenbankfehler>
    inTransaktion(const std::function<QSqlError(QSqlQuery&)>& schritte);

    Verlaufsdatenbank& m_db;
};
