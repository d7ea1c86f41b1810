// What a season keeps of its own in the race database: how many of its worst nights each
// driver has dropped ("Streichresultate"). A season without a row drops none, so a season of
// before reads as it did; the nights themselves carry the season's name.
#pragma once

#include "Verlaufsdatenbank.h"

#include <map>
#include <optional>

constexpr int MeisteStreichresultate = 50;

// The number the racer typed; none, with the German reason in `fehler`, for anything but a
// whole number from 0 to 50.
std::optional<int> streichresultateAusText(const QString& text, QString& fehler);

// Season → its drop rounds, for the seasons that have any. A database without seasons of
// their own (of an older version) has none; the reason in `fehler` when it cannot be read. A
// number out of range (edited by hand) drops none.
std::map<QString, int> streichresultateLesen(Verlaufsdatenbank& datenbank, QString& fehler);
std::optional<Datenbankfehler> streichresultateSpeichern(Verlaufsdatenbank& datenbank,
                                                         const QString& saison, int anzahl);
