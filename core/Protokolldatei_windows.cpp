#include "Protokolldatei.h"

bool Protokolldatei::oeffnen(const QString& pfad) {
    // A named pipe on Windows without its server fails to open at once.
    m_datei.setFileName(pfad);
    if (m_datei.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text |
                     QIODevice::Unbuffered))
        return true;
    m_fehler = m_datei.errorString();
    return false;
}
