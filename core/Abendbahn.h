// A race night is driven on the lanes its plan was made for: on a track of another count it
// neither goes on nor loads its drivers, and says why.
#pragma once

#include <QString>
#include <optional>

inline std::optional<QString> abendOhneBahn(int bahnspuren, int abendspuren) {
    if (bahnspuren == abendspuren)
        return std::nullopt;
    return QStringLiteral("Dieser Rennabend ist für %1 Spuren geplant. Auf dieser Bahn mit %2 "
                          "Spuren geht er nicht weiter; er wartet, bis die Bahn wieder %1 Spuren "
                          "hat (Umschalt+R).")
        .arg(abendspuren)
        .arg(bahnspuren);
}
