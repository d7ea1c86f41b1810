// The race night in the race database: its own row, written whole whenever the night
// changes, and read back with the races that drove its entries. Its standings are never
// stored; they are computed from those races.
#pragma once

#include "Rennabend.h"
#include "Verlaufsdatenbank.h"

#include <optional>
#include <vector>

// A night as read back, with the database's number of each of its races.
struct GespeicherterRennabend {
    Rennabend abend;
    std::vector<std::optional<qint64>> rennnummern; // one per abend.rennen; none: still waiting
};

// Writes the night's row in a transaction of its own. A night not over closes every other
// night: one night at a time is gone on with.
std::optional<Datenbankfehler> rennabendSpeichern(Verlaufsdatenbank& datenbank,
                                                  const Rennabend& abend);

// Every night, oldest first, each with its stored races and those of `wartende` (handed to
// the writer, not stored yet) that drove one of its entries. A database without nights (none
// yet, or of an older version) has none; the reason in `fehler` when it could not be read.
std::vector<GespeicherterRennabend> rennabendeLesen(Verlaufsdatenbank& datenbank,
                                                    const std::vector<Rennaufzeichnung>& wartende,
                                                    QString& fehler);
