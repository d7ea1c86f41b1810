// The program's number rules in one place. Every number text is German (decimal comma,
// no digit grouping) whatever the system's locale, so hof.ini, settings and result files
// read the same on every machine and the fallback texts such as "5,5" always parse.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace Zahlenformat {

// Rounds to 3 decimal places, an exact half of the double going to the even neighbour.
double runden3(double wert);

// Rounds to a whole number, halves to the even neighbour.
double rundenGanz(double wert);

// The "0.000" pattern: at least one integer digit, exactly three decimals ("2,500").
QString ZahlFormatieren(double wert);

// The general number form: no grouping, at most 15 significant digits, no trailing
// zeros ("5,5", "2", "12,345").
QString allgemein(double wert);

// Reads a number as the display format writes it: sign, decimal comma, exponent, blanks
// around it. Digit grouping, a decimal point and non-finite values are refused.
std::optional<double> zahlLesen(const QString& text);

// Reads a number and rounds it to a whole 32-bit number (halves to even); nothing when
// the text is no number or the value does not fit.
std::optional<std::int32_t> ganzzahlLesen(const QString& text);

} // namespace Zahlenformat
