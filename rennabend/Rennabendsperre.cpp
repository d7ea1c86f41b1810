#include "Rennabendsperre.h"

#include <QCryptographicHash>
#include <QDir>
#include <QSysInfo>

Rennabendsperre::Rennabendsperre(QString ordner) : m_ordner(std::move(ordner)) {}

std::optional<QString> Rennabendsperre::halten(const QString& schluessel) {
    if (m_sperre && schluessel == m_schluessel)
        return std::nullopt;
    m_sperre.reset();
    m_schluessel.clear();
    if (schluessel.isEmpty())
        return std::nullopt;
    // The key as read from the database may be anything; its hash is a file name.
    const QString name =
        QStringLiteral("rennabend-") +
        QString::fromLatin1(QCryptographicHash::hash(schluessel.toUtf8(), QCryptographicHash::Sha1)
                                .toHex()
                                .left(16)) +
        QStringLiteral(".lock");
    auto sperre = std::make_unique<QLockFile>(QDir(m_ordner).filePath(name));
    // Held for a whole night: only a holder that is gone makes it stale, never its age (which
    // counts where the folder has no native locks, a network share).
    sperre->setStaleLockTime(0);
    if (sperre->tryLock(0)) {
        m_sperre = std::move(sperre);
        m_schluessel = schluessel;
        return std::nullopt;
    }
    if (sperre->error() != QLockFile::LockFailedError)
        return std::nullopt;
    qint64 pid = 0;
    QString rechner, programm;
    sperre->getLockInfo(&pid, &rechner, &programm);
    QString halter = QStringLiteral("Prozess %1").arg(pid);
    if (!rechner.isEmpty() && rechner != QSysInfo::machineHostName())
        halter += QStringLiteral(" auf ") + rechner;
    return halter;
}
