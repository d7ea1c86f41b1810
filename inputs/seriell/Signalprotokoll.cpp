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
    if (!m_datei.oeffnen(datei))
        return false;
    m_datei.zeile(QStringLiteral("# Signalprotokoll ab %1: Uhrzeit [s], Ereignis, Spur, "
                                 "Signalzeit [s], Ausgang, Anmerkung")
                      .arg(QDateTime::currentDateTime().toString(Qt::ISODate)));
    return true;
}

void Signalprotokoll::eintragen(const Signaleintrag& eintrag) {
    m_datei.zeile(zeile(eintrag));
}
