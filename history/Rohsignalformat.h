// A race's raw sensor signals as the history stores them: per heat the count, then each
// signal as the difference to the one before (zigzag, so a signal out of order costs no
// more) with its lane in the lowest bit, in variable-length bytes. A lap of 6 bouncing
// edges takes about 20 bytes.
// Signals of lanes past the second, or more than two heats, need more: such a record begins
// with a zero (a count of no heats, which no stored record has: a race without signals keeps
// none), then the heat count, and each signal carries its lane less one in the lowest three
// bits. A race of two lanes keeps the short form.
#pragma once

#include "Rennaufzeichnung.h"

#include <QByteArray>
#include <optional>

QByteArray rohsignaleKodieren(const Rohsignale& signale);
// Nothing when the bytes are not such a record, or hold a signal no race gives
// (GroessteSignalzeit).
std::optional<Rohsignale> rohsignaleLesen(const QByteArray& bytes);
