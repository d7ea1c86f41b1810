#include "Ansageprotokoll.h"

void Ansageprotokoll::eintragen(const QString& text, bool verworfen) {
    QString zeile = QString::number(m_uhr.elapsed()) + QLatin1Char('\t') + text;
    if (verworfen)
        zeile += QStringLiteral("\tverworfen");
    m_datei.zeile(zeile);
}
