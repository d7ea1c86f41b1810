// Serial ports on Linux: the n-th is /dev/ttyS(n-1); USB adapters are named by path.
#include "Portangabe.h"

QString nummerngeraet(int nummer) {
    return QStringLiteral("/dev/ttyS") + QString::number(nummer - 1);
}

bool geraetepfad(const QString& porttext) {
    return porttext.startsWith(QStringLiteral("/dev/")) && porttext.size() > 5;
}
