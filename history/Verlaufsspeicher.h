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

    // The reason when it could not be stored.
    std::optional<QString> speichern(const Rennaufzeichnung& rennen);
    std::optional<QString> loeschen(qint64 rennen);
    // Every race the driver drove in, with the other driver's part of it.
    std::optional<QString> fahrerLoeschen(const QString& fahrer);

private:
    // The steps give the error that stopped them, or an invalid one.
    std::optional<QString> inTransaktion(const std::function<QSqlError(QSqlQuery&)>& schritte);

    Verlaufsdatenbank& m_db;
};
