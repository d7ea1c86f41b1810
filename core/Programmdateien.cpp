#include "Programmdateien.h"

#include <QDir>
#include <QFileInfo>

namespace {
const QString Name = QStringLiteral("rundomat");
}

Programmdateien::Programmdateien(const QString& programmordner)
    : m_programmordner(QDir(programmordner).absolutePath()) {
    const QString geteilt = QDir::cleanPath(m_programmordner + QStringLiteral("/../share/") + Name);
    if (QFileInfo(geteilt).isDir())
        m_teilordner = geteilt;
}

QString Programmdateien::pfad(const QString& dateiname) const {
    return QDir(installiert() ? m_teilordner : m_programmordner).filePath(dateiname);
}

QString Programmdateien::bibliotheksordner() const {
    return installiert() ? QDir::cleanPath(m_programmordner + QStringLiteral("/../lib/") + Name)
                         : m_programmordner;
}
