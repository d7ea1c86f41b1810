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
        m_fehler = errno == ENXIO ? QStringLiteral("eine Pipe, an der niemand liest")
                                  : QString::fromLocal8Bit(std::strerror(errno));
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
