#include "Protokolldatei.h"

void Protokolldatei::zeile(const QString& text) {
    if (m_datei.isOpen())
        m_datei.write((text + QLatin1Char('\n')).toUtf8());
}
