#include "Zahlwoerter.h"

#include <QStringList>
#include <cmath>

namespace {
const QStringList Einer{
    QStringLiteral("null"),     QStringLiteral("ein"),      QStringLiteral("zwei"),
    QStringLiteral("drei"),     QStringLiteral("vier"),     QStringLiteral("fünf"),
    QStringLiteral("sechs"),    QStringLiteral("sieben"),   QStringLiteral("acht"),
    QStringLiteral("neun"),     QStringLiteral("zehn"),     QStringLiteral("elf"),
    QStringLiteral("zwölf"),    QStringLiteral("dreizehn"), QStringLiteral("vierzehn"),
    QStringLiteral("fünfzehn"), QStringLiteral("sechzehn"), QStringLiteral("siebzehn"),
    QStringLiteral("achtzehn"), QStringLiteral("neunzehn")};
const QStringList Zehner{{},
                         {},
                         QStringLiteral("zwanzig"),
                         QStringLiteral("dreißig"),
                         QStringLiteral("vierzig"),
                         QStringLiteral("fünfzig"),
                         QStringLiteral("sechzig"),
                         QStringLiteral("siebzig"),
                         QStringLiteral("achtzig"),
                         QStringLiteral("neunzig")};

// 1 to 999 as the first part of a compound: 1 stays "ein" ("einhundert" is said
// "hundert", but "einundzwanzig" and "tausendein..." need the short form).
QString unterTausend(int zahl) {
    QString wort;
    if (zahl >= 100) {
        if (zahl / 100 > 1)
            wort += Einer[zahl / 100];
        wort += QStringLiteral("hundert");
        zahl %= 100;
    }
    if (zahl >= 20) {
        if (zahl % 10)
            wort += Einer[zahl % 10] + QStringLiteral("und");
        wort += Zehner[zahl / 10];
    } else if (zahl > 0) {
        wort += Einer[zahl];
    }
    return wort;
}

// A group before "Million" or "Milliarde", feminine nouns: a final one agrees with them
// ("eine Million", "hunderteine Millionen"), one inside a compound does not
// ("einundzwanzig Millionen").
QString grosseGruppe(std::int64_t zahl, const QString& einzahl, const QString& mehrzahl) {
    QString wort = unterTausend(static_cast<int>(zahl));
    if (zahl % 100 == 1)
        wort += QLatin1Char('e');
    return wort + QLatin1Char(' ') + (zahl == 1 ? einzahl : mehrzahl);
}
} // namespace

namespace Zahlwoerter {

QString zahlwort(std::int64_t zahl) {
    if (zahl == 0)
        return QStringLiteral("null");
    if (zahl < 0) {
        // The most negative value has no positive counterpart; no lap comes near it.
        if (zahl == INT64_MIN)
            return {};
        return QStringLiteral("minus ") + zahlwort(-zahl);
    }
    QStringList teile;
    constexpr std::int64_t Milliarde = 1'000'000'000;
    if (zahl >= Milliarde * 1000) {
        // Beyond the words anyone says: the digits one by one.
        for (const QChar ziffer : QString::number(zahl))
            teile << zahlwort(ziffer.digitValue());
        return teile.join(QLatin1Char(' '));
    }
    if (zahl >= Milliarde) {
        teile << grosseGruppe(zahl / Milliarde, QStringLiteral("Milliarde"),
                              QStringLiteral("Milliarden"));
        zahl %= Milliarde;
    }
    if (zahl >= 1'000'000) {
        teile << grosseGruppe(zahl / 1'000'000, QStringLiteral("Million"),
                              QStringLiteral("Millionen"));
        zahl %= 1'000'000;
    }
    QString rest;
    if (zahl >= 1000) {
        if (zahl / 1000 > 1)
            rest += unterTausend(static_cast<int>(zahl / 1000));
        rest += QStringLiteral("tausend");
        zahl %= 1000;
    }
    rest += unterTausend(static_cast<int>(zahl));
    // Said on its own, a final one is "eins": "hunderteins", but "einundzwanzig".
    if (zahl % 100 == 1)
        rest += QLatin1Char('s');
    if (!rest.isEmpty())
        teile << rest;
    return teile.join(QLatin1Char(' '));
}

QString sekunden(double wert) {
    // Far beyond any lap, and far inside what a 64-bit count of hundredths holds.
    if (!std::isfinite(wert) || std::fabs(wert) >= 1e12)
        return {};
    // Through the thousandths the lap time was rounded to, so 4,215 is not taken for the
    // double just below it.
    const std::int64_t tausendstel = std::llround(std::fabs(wert) * 1000);
    std::int64_t hundertstel = tausendstel / 10;
    const std::int64_t rest = tausendstel % 10;
    if (rest > 5 || (rest == 5 && hundertstel % 2 != 0))
        ++hundertstel;
    const QString text = zahlwort(hundertstel / 100) + QStringLiteral(" Komma ") +
                         zahlwort(hundertstel % 100 / 10) + QLatin1Char(' ') +
                         zahlwort(hundertstel % 10);
    return wert < 0 && hundertstel > 0 ? QStringLiteral("minus ") + text : text;
}

} // namespace Zahlwoerter
