#include "Csvtext.h"

namespace {
// A spreadsheet would run a name such as "=1+2" or "=HYPERLINK(…)"; a leading ' makes it
// text. A negative number stays a number.
bool wieFormel(const QString& text) {
    if (text.isEmpty())
        return false;
    const QChar erstes = text.front();
    if (erstes == QLatin1Char('-'))
        return text.size() == 1 || !text.at(1).isDigit();
    return erstes == QLatin1Char('=') || erstes == QLatin1Char('+') || erstes == QLatin1Char('@') ||
           erstes == QLatin1Char('\t') || erstes == QLatin1Char('\r');
}

QString csvFeld(const QString& text) {
    QString feld = wieFormel(text) ? QLatin1Char('\'') + text : text;
    if (!feld.contains(QLatin1Char(';')) && !feld.contains(QLatin1Char('"')) &&
        !feld.contains(QLatin1Char('\n')) && !feld.contains(QLatin1Char('\r')))
        return feld;
    feld.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + feld + QLatin1Char('"');
}
} // namespace

QByteArray csvKopf(const QStringList& kopf) {
    return QByteArrayLiteral("\xEF\xBB\xBF") + csvZeile(kopf);
}

QByteArray csvZeile(const QStringList& felder) {
    QStringList geschuetzt;
    geschuetzt.reserve(felder.size());
    for (const QString& f : felder)
        geschuetzt << csvFeld(f);
    return (geschuetzt.join(QLatin1Char(';')) + QStringLiteral("\r\n")).toUtf8();
}
