// A race night's row in the race database, column by column: how a night is written, and
// how a row is read back and checked as a whole. A row that does not hold together (edited
// by hand, damaged) is read as far as it goes and marked damaged: the night code after it
// relies on every column.
#pragma once

#include "Rennabend.h"

#include <QVariant>
#include <array>
#include <optional>
#include <vector>

// A night as read back, with the database's number of each of its races.
struct GespeicherterRennabend {
    Rennabend abend;
    std::vector<std::optional<qint64>> rennnummern; // one per abend.rennen; none: still waiting
    // Why the night does not hold together, as a German sentence; then `abend` holds what
    // could be read of it.
    std::optional<QString> beschaedigt;
    qint64 zeile = 0; // the row's rowid: a damaged row's key may be no key
};

// A night's row as the table holds it, column by column.
struct Rennabendzeile {
    QVariant schluessel, beginn, saison, format, finale, punkte, teilnehmer, ausgeschieden, plan,
        uebersprungen, wiederholung, beendet, rennformat, klassen;
};
// The columns in the table's order.
inline constexpr std::array<QVariant Rennabendzeile::*, 14> Rennabendspalten{
    &Rennabendzeile::schluessel,    &Rennabendzeile::beginn,        &Rennabendzeile::saison,
    &Rennabendzeile::format,        &Rennabendzeile::finale,        &Rennabendzeile::punkte,
    &Rennabendzeile::teilnehmer,    &Rennabendzeile::ausgeschieden, &Rennabendzeile::plan,
    &Rennabendzeile::uebersprungen, &Rennabendzeile::wiederholung,  &Rennabendzeile::beendet,
    &Rennabendzeile::rennformat,    &Rennabendzeile::klassen};

Rennabendzeile rennabendzeile(const Rennabend& abend);
// The night of a row, its races not yet.
GespeicherterRennabend abendAusZeile(const Rennabendzeile& zeile);
// Once its races are in: marks the final's, and the night damaged when one of them drove an
// entry its plan does not have. A night kept without a race format takes its first race's.
void rennenEinordnen(GespeicherterRennabend& gelesen);
