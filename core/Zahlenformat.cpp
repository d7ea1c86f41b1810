#include "Zahlenformat.h"

#include <QLocale>
#include <cmath>
#include <limits>

namespace Zahlenformat {
namespace {

const QLocale& deutsch() {
    static const QLocale locale = [] {
        QLocale l(QLocale::German, QLocale::Germany);
        l.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
        return l;
    }();
    return locale;
}

// std::nearbyint rounds in the current rounding mode, which this program never changes
// from its default, round to nearest with ties to even.
double halbZuGerade(double wert) {
    return std::nearbyint(wert);
}

} // namespace

double runden3(double wert) {
    if (!std::isfinite(wert))
        return wert;
    return halbZuGerade(wert * 1000.0) / 1000.0;
}

double rundenGanz(double wert) {
    return std::isfinite(wert) ? halbZuGerade(wert) : wert;
}

QString ZahlFormatieren(double wert) {
    const QString text = deutsch().toString(wert, 'f', 3);
    // A value that rounds to zero is shown as zero, not as "-0,000".
    return text == QStringLiteral("-0,000") ? QStringLiteral("0,000") : text;
}

QString allgemein(double wert) {
    if (wert == 0.0)
        return QStringLiteral("0"); // also for -0.0
    return deutsch().toString(wert, 'g', 15);
}

std::optional<double> zahlLesen(const QString& text) {
    bool ok = false;
    const double wert = deutsch().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(wert))
        return std::nullopt;
    return wert;
}

std::optional<std::int32_t> ganzzahlLesen(const QString& text) {
    const std::optional<double> wert = zahlLesen(text);
    if (!wert)
        return std::nullopt;
    const double gerundet = rundenGanz(*wert);
    if (gerundet < std::numeric_limits<std::int32_t>::min() ||
        gerundet > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(gerundet);
}

} // namespace Zahlenformat
