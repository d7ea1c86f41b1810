// The mark that this program drives a race night on its data folder: a lock file beside the
// race database, one for each night, with the program's PID and host in it. Another program
// that finds the mark leaves that night alone; a mark whose program has died (killed,
// crashed) counts for nothing and is taken over. A file rather than a mark in the database:
// QLockFile tells a mark of a living program from one of a dead one by its PID (and the
// program's name, against a PID used again), on Linux and Windows alike, and it answers at
// once, also while another program's writer holds the database.
#pragma once

#include <QLockFile>
#include <QString>
#include <memory>
#include <optional>

class Rennabendsperre {
public:
    explicit Rennabendsperre(QString ordner);

    // The mark of the night with this key, the one held before given up; an empty key gives
    // it up. Who holds it when another running program does ("Prozess 4711", "Prozess 4711
    // auf kasse"); nothing when it is this program's now, or when the folder takes no lock
    // file (the night goes on unmarked, and the mark is tried again at its next change).
    std::optional<QString> halten(const QString& schluessel);

private:
    QString m_ordner;
    QString m_schluessel;
    std::unique_ptr<QLockFile> m_sperre;
};
