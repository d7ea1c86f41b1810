// A race's raw sensor signals as the history stores them: per heat the count, then each
// signal as the difference to the one before (zigzag, so a signal out of order costs no
// more) with its lane in the lowest bit, in variable-length bytes. A lap of 6 bouncing
// edges takes about 20 bytes.
#pragma once

#include "Rennaufzeichnung.h"

#include <QByteArray>
#include <optional>

QByteArray rohsignaleKodieren(const Rohsignale& signale);
// Nothing when the bytes are not such a record, or hold a signal no race gives
// (GroessteSignalzeit).
std::optional<Rohsignale> rohsignaleLesen(const QByteArray& bytes);
