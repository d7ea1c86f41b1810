// Serial ports on Linux: the n-th is /dev/ttyS(n-1); USB adapters are named by path.
#include "Portangabe.h"

#include <cerrno>
#include <unistd.h>

QString nummerngeraet(int nummer) {
    return QStringLiteral("/dev/ttyS") + QString::number(nummer - 1);
}

bool geraetepfad(const QString& porttext) {
    return porttext.startsWith(QStringLiteral("/dev/")) && porttext.size() > 5;
}

bool zugriffVerweigert(const QString& geraet) {
    return ::access(geraet.toLocal8Bit().constData(), R_OK | W_OK) != 0 && errno == EACCES;
}
