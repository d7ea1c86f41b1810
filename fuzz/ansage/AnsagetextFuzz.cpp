// libFuzzer entry for what turns a driver's name and a time into an announcement: any bytes
// give a short, plain text without control characters or markup, never a crash or a hang.
// The first eight bytes are also read as the lap time and as a whole number.
#include "Ansagetext.h"
#include "Zahlwoerter.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {
void pruefen(bool bedingung) {
    if (!bedingung)
        std::abort();
}

bool sprechbar(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar z = text.at(i);
        if (z.isSurrogate()) {
            const bool paar =
                z.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
            if (!paar)
                return false;
            ++i;
            continue;
        }
        if (z.category() == QChar::Other_Control || z.category() == QChar::Other_Format ||
            QStringLiteral("<>&[]{}\\\"").contains(z))
            return false;
    }
    return !text.startsWith(QLatin1Char(' ')) && !text.endsWith(QLatin1Char(' ')) &&
           !text.contains(QStringLiteral("  "));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const QString name =
        QString::fromUtf8(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse));
    const QString sprechbarerName = Ansagetext::sprechbarerName(name);
    pruefen(sprechbarerName.size() <= Ansagetext::LaengsterName);
    pruefen(sprechbar(sprechbarerName));
    pruefen(Ansagetext::sprechbarerName(sprechbarerName) == sprechbarerName);

    double zeit = 4.213;
    std::int64_t zahl = 0;
    if (groesse >= sizeof zeit) {
        std::memcpy(&zeit, daten, sizeof zeit);
        std::memcpy(&zahl, daten, sizeof zahl);
    }
    const QString fahrer = Ansagetext::fahrer(name, 1 + static_cast<int>(groesse % 2));
    pruefen(!fahrer.isEmpty());
    const QString text =
        Ansagetext::runde({fahrer, zeit, groesse % 3 == 0, static_cast<int>(groesse % 12)});
    pruefen(sprechbar(text));
    pruefen(text.size() < 400);
    pruefen(sprechbar(Ansagetext::hallOfFame(sprechbarerName, static_cast<int>(groesse % 6))));
    pruefen(Zahlwoerter::zahlwort(zahl).size() < 400);
    return 0;
}
