// After the database refused a race: which file is at fault (the database, its -wal or
// -shm file beside it, or the folder they lie in) and why, in the racer's words.
#pragma once

#include "Verlaufsdatenbank.h"

struct Schreibursache {
    QString pfad; // the file or the folder at fault
    bool ordner = false;
    QString ursache; // one sentence

    bool operator==(const Schreibursache&) const = default;
};

Schreibursache schreibursacheFinden(const QString& datenbank, const Datenbankfehler& fehler);
