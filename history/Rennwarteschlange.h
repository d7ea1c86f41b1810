// Races that could not be stored in the database yet, each in a file of its own beside it
// (rennen-wartend-….json): written whole or not at all, read back in the order they were
// kept, removed once the race is stored. A file that holds no race of this version (a
// newer program's, a damaged one) is left as it is.
#pragma once

#include "Rennaufzeichnung.h"

#include <QString>
#include <vector>

class Rennwarteschlange {
public:
    static constexpr int Version = 1;

    // ordner: the folder of the database.
    explicit Rennwarteschlange(QString ordner) : m_ordner(std::move(ordner)) {}

    struct Eintrag {
        QString datei;
        Rennaufzeichnung rennen;
    };
    // The new file's path, or, with the path empty, why the race could not be kept.
    struct Ablage {
        QString datei;
        QString fehler;
    };

    Ablage ablegen(const Rennaufzeichnung& rennen) const;
    // Oldest first.
    std::vector<Eintrag> lesen() const;
    static void entfernen(const QString& datei);

    // What a race's file holds, and the race a file's bytes hold: none when they hold no
    // race of this version.
    static QByteArray dateiinhalt(const Rennaufzeichnung& rennen);
    static std::optional<Rennaufzeichnung> dateiLesen(const QByteArray& inhalt);

private:
    QString m_ordner;
};
