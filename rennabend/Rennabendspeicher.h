// The race night in the race database: its own row, written whole whenever the night
// changes, and read back with the races that drove its entries. Its standings are never
// stored; they are computed from those races.
#pragma once

#include "Rennabendzeile.h"
#include "Verlaufsdatenbank.h"

#include <optional>
#include <vector>

// Writes the night's row in a transaction of its own. A night not over closes every other
// night: one night at a time is gone on with.
std::optional<Datenbankfehler> rennabendSpeichern(Verlaufsdatenbank& datenbank,
                                                  const Rennabend& abend);
// Marks a damaged night over and leaves the rest of its row as it is.
std::optional<Datenbankfehler> rennabendBeenden(Verlaufsdatenbank& datenbank, qint64 zeile);

// Every night, oldest first, each with its stored races and those of `wartende` (handed to
// the writer, not stored yet) that drove one of its entries. A database without nights (none
// yet, or of an older version) has none; the reason in `fehler` when it could not be read.
std::vector<GespeicherterRennabend> rennabendeLesen(Verlaufsdatenbank& datenbank,
                                                    const std::vector<Rennaufzeichnung>& wartende,
                                                    QString& fehler);
