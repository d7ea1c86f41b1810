// The timing box counts two lanes: a wider track is timed by its sensors.
#pragma once

#include <QString>

inline QString boxOhneVieleSpuren(int spuranzahl) {
    return QStringLiteral("Die Zeitnahmebox zählt nur zwei Spuren. Auf dieser Bahn mit %1 "
                          "Spuren zählen die Sensoren; auf zwei Spuren zählt die Box wieder.")
        .arg(spuranzahl);
}
