#include "RacecontrolModul.h"

std::optional<QString> RaceControlVersion(BoxBibliothek& box, Dialoge& dialoge) {
    if (const std::optional<QString> fehler = box.ladefehler()) {
        dialoge.meldung(*fehler, Anwendungstitel);
        return std::nullopt;
    }
    const std::int16_t version = box.InitBoxes();
    // Shifting a signed value rounds down, as the version's definition asks.
    const int major = version >> 8;
    return QString::number(major) + QLatin1Char('.') + QString::number(version & 0xFF);
}
