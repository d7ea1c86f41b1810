// A race night drives its pairs on two lanes: on a wider track it neither begins nor goes
// on, and says why.
#pragma once

#include "Reihe.h"

#include <QString>
#include <optional>

inline std::optional<QString> abendOhneBahn(int spurenzahl) {
    if (spurenzahl == KleinsteSpurenzahl)
        return std::nullopt;
    return QStringLiteral("Ein Rennabend fährt seine Begegnungen auf zwei Spuren. Auf dieser "
                          "Bahn mit %1 Spuren gibt es keinen; ein offener Abend wartet, bis die "
                          "Bahn wieder zwei Spuren hat (Umschalt+R).")
        .arg(spurenzahl);
}
