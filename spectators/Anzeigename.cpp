#include "Anzeigename.h"

QString anzeigename(const QString& name) {
    QString sauber;
    sauber.reserve(name.size());
    for (const QChar c : name) {
        const char16_t u = c.unicode();
        const bool richtung = (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069);
        if (c.category() == QChar::Other_Control) {
            if (c.isSpace())
                sauber += u' ';
        } else if (!richtung) {
            sauber += c;
        }
    }
    return sauber;
}
