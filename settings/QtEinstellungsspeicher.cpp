#include "QtEinstellungsspeicher.h"

#include <QDir>

namespace {
const QString Abschnitt = QStringLiteral("einstellung");
}

QtEinstellungsspeicher::QtEinstellungsspeicher(Dialoge& dialoge)
    : QtEinstellungsspeicher(einstellungsortOeffnen(), dialoge) {}

QtEinstellungsspeicher::QtEinstellungsspeicher(std::unique_ptr<QSettings> einstellungen,
                                               Dialoge& dialoge)
    : m_einstellungen(std::move(einstellungen)), m_dialoge(dialoge) {
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
    // QSettings keeps what it could not write and reads it back, so the run goes on with
    // it; every later write fails alike, and once is enough to tell.
    if (m_einstellungen->status() == QSettings::NoError || m_schreibfehlerGemeldet)
        return;
    m_schreibfehlerGemeldet = true;
    m_dialoge.meldung(
        QStringLiteral("Die Einstellungen können nicht gespeichert werden: ") +
            QDir::toNativeSeparators(m_einstellungen->fileName()) +
            QStringLiteral(" lässt sich nicht schreiben (schreibgeschützt, kein Zugriff oder "
                           "Datenträger voll).\r\nRundomat arbeitet mit den geänderten Werten "
                           "weiter, bis es beendet wird."),
        Anwendungstitel);
}
