// Opening the signal log's file on Linux, where it may also be a device or a named pipe.
#include "Signalprotokoll.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

std::optional<QString> Signalprotokoll::zielOeffnen(const QString& datei) {
    // Opening a named pipe for writing waits until someone reads it, and the window would
    // never appear; without waiting it fails at once. Writes do not wait either: a pipe
    // that is not read fast enough loses log lines rather than holding up the race.
    const int fd = ::open(QFile::encodeName(datei).constData(),
                          O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) {
        const int fehler = errno;
        if (fehler == ENXIO)
            return QStringLiteral("niemand liest aus dieser benannten Pipe");
        if (fehler == EISDIR)
            return QStringLiteral("das ist ein Ordner");
        return QString::fromLocal8Bit(std::strerror(fehler));
    }
    m_datei.setFileName(datei);
    // Appending is the descriptor's: a pipe or terminal has no end to seek to.
    if (!m_datei.open(fd, QIODevice::WriteOnly | QIODevice::Text, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return m_datei.errorString();
    }
    return std::nullopt;
}
