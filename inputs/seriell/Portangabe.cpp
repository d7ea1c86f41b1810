#include "Portangabe.h"

#include <cstdint>
#include <limits>

std::optional<QString> portGeraet(const QString& porttext) {
    const QString text = porttext.trimmed();
    if (geraetepfad(text))
        return text;
    // Digits only: no sign, no fraction, no grouping; the port numbers of the control
    // are 16-bit.
    bool zahl = !text.isEmpty();
    for (const QChar zeichen : text)
        zahl = zahl && zeichen >= QLatin1Char('0') && zeichen <= QLatin1Char('9');
    const int nummer = zahl ? text.toInt(&zahl) : 0;
    if (!zahl || nummer < 1 || nummer > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return nummerngeraet(nummer);
}
