#include "Signalprotokoll.h"

#include <QDateTime>

namespace {
QString zeile(const Signaleintrag& e) {
    const double uhrzeit = static_cast<double>(e.tick) / e.ticksProSekunde;
    // A board's microseconds in full; the line and box clocks have no finer digits.
    const int stellen = e.ticksProSekunde >= 1'000'000 ? 6 : 4;
    QString text =
        QString::number(uhrzeit, 'f', stellen) + QLatin1Char('\t') + e.ereignis +
        QLatin1Char('\t') +
        (e.spur ? QStringLiteral("Spur ") + QString::number(e.spur) : QStringLiteral("-")) +
        QLatin1Char('\t') + QString::number(e.zeit, 'f', 4) + QLatin1Char('\t') +
        ausgangText(e.ausgang);
    if (!e.anmerkung.isEmpty())
        text += QLatin1Char('\t') + e.anmerkung;
    return text;
}
} // namespace

bool Signalprotokoll::oeffnen(const QString& datei) {
    if (const std::optional<QString> fehler = zielOeffnen(datei)) {
        m_fehlertext = *fehler;
        return false;
    }
    m_datei.write(QStringLiteral("# Signalprotokoll ab %1: Uhrzeit [s], Ereignis, Spur, "
                                 "Signalzeit [s], Ausgang, Anmerkung\n")
                      .arg(QDateTime::currentDateTime().toString(Qt::ISODate))
                      .toUtf8());
    m_datei.flush();
    return true;
}

void Signalprotokoll::eintragen(const Signaleintrag& eintrag) {
    if (!m_datei.isOpen())
        return;
    m_datei.write((zeile(eintrag) + QLatin1Char('\n')).toUtf8());
    m_datei.flush();
}
