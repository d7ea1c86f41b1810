// Opening the signal log's file on Windows, where opening never waits for a reader.
#include "Signalprotokoll.h"

std::optional<QString> Signalprotokoll::zielOeffnen(const QString& datei) {
    m_datei.setFileName(datei);
    if (!m_datei.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        return m_datei.errorString();
    return std::nullopt;
}
