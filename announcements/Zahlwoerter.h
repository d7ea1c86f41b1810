// Numbers as a German racer says them: whole numbers in words ("einundzwanzig") and times
// to the hundredth with their digits after the comma one by one ("vier Komma zwei eins").
#pragma once

#include <QString>
#include <cstdint>

namespace Zahlwoerter {

// The number in words, as said on its own: 1 is "eins", 101 "hunderteins", 1000000 "eine
// Million", 101000000 "hunderteine Millionen". Negative numbers begin with "minus".
QString zahlwort(std::int64_t zahl);

// Seconds rounded to the hundredth (halves to the even neighbour, as every number of the
// program): 4,213 gives "vier Komma zwei eins", 12,5 "zwölf Komma fünf null". Values that
// are no number, or beyond any lap, give the empty text.
QString sekunden(double wert);

} // namespace Zahlwoerter
