#include "Spurenliste.h"

#include "Reihe.h"

#include <QStringList>

std::optional<std::uint32_t> spurenlisteLesen(const QString& text) {
    std::uint32_t spuren = 0;
    if (text.trimmed().isEmpty())
        return spuren;
    for (const QString& teil : text.split(QLatin1Char(','))) {
        bool zahl = false;
        const int spur = teil.trimmed().toInt(&zahl);
        if (!zahl || spur < 1 || spur > GroessteSpurenzahl)
            return std::nullopt;
        spuren |= 1U << (spur - 1);
    }
    return spuren;
}

QString spurenlisteText(std::uint32_t spuren) {
    QStringList nummern;
    for (int spur = 1; spur <= GroessteSpurenzahl; ++spur)
        if ((spuren >> (spur - 1)) & 1U)
            nummern << QString::number(spur);
    return nummern.join(QLatin1Char(','));
}
