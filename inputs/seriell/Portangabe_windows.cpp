// Serial ports on Windows: the n-th is COMn; there are no device paths to give.
#include "Portangabe.h"

QString nummerngeraet(int nummer) {
    return QStringLiteral("COM") + QString::number(nummer);
}

bool geraetepfad(const QString&) {
    return false;
}

// Windows grants serial ports to every user.
bool zugriffVerweigert(const QString&) {
    return false;
}
