#include "QtEinstellungsspeicher.h"

namespace {
const QString Abschnitt = QStringLiteral("einstellung");
}

QtEinstellungsspeicher::QtEinstellungsspeicher()
    : QtEinstellungsspeicher(einstellungsortOeffnen()) {}

QtEinstellungsspeicher::QtEinstellungsspeicher(std::unique_ptr<QSettings> einstellungen)
    : m_einstellungen(std::move(einstellungen)) {
    m_einstellungen->beginGroup(Abschnitt);
}

QString QtEinstellungsspeicher::lesen(const QString& schluessel, const QString& vorgabe) {
    const QVariant wert = m_einstellungen->value(schluessel);
    if (!wert.isValid())
        return vorgabe;
    // A value edited by hand as laenge=5,5 (without quotes) reads back as a list; it was
    // meant as the one text "5,5".
    if (wert.userType() == QMetaType::QStringList)
        return wert.toStringList().join(QLatin1Char(','));
    return wert.toString();
}

void QtEinstellungsspeicher::speichern(const QString& schluessel, const QString& wert) {
    m_einstellungen->setValue(schluessel, wert);
    m_einstellungen->sync();
}
