#include "Protokolldatei.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

bool Protokolldatei::oeffnen(const QString& pfad) {
    // Without O_NONBLOCK, opening a pipe waits for its reader; with it, a pipe without one
    // fails at once, and a full pipe refuses a line instead of stopping the program.
    const int datei = ::open(QFile::encodeName(pfad).constData(),
                             O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
    if (datei < 0) {
        const int fehler = errno;
        if (fehler == ENXIO)
            m_fehler = QStringLiteral("niemand liest aus dieser benannten Pipe");
        else if (fehler == EISDIR)
            m_fehler = QStringLiteral("das ist ein Ordner");
        else
            m_fehler = QString::fromLocal8Bit(std::strerror(fehler));
        return false;
    }
    // O_APPEND is set already; Qt's Append would seek, which a pipe refuses.
    if (!m_datei.open(datei, QIODevice::WriteOnly | QIODevice::Unbuffered,
                      QFileDevice::AutoCloseHandle)) {
        m_fehler = m_datei.errorString();
        ::close(datei);
        return false;
    }
    return true;
}
