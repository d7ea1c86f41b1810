#include "Hinweistext.h"

#include "Windows1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

QString hinweistextBauen(QByteArrayView inhalt) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString datei = utf8(inhalt);
    if (utf8.hasError())
        datei = Windows1252::dekodieren(inhalt);
    QString text;
    qsizetype anfang = 0;
    while (anfang < datei.size()) {
        qsizetype ende = anfang;
        while (ende < datei.size() && datei[ende] != u'\r' && datei[ende] != u'\n')
            ++ende;
        text += u"\r\n";
        text += QStringView(datei).sliced(anfang, ende - anfang);
        if (ende < datei.size() && datei[ende] == u'\r' && ende + 1 < datei.size() &&
            datei[ende + 1] == u'\n')
            ++ende;
        anfang = ende + 1;
    }
    return text;
}

QString hinweistextLesen(const QString& pfad) {
    const QString anzeigepfad = QDir::toNativeSeparators(pfad);
    // Only a plain file: a pipe or device of that name could block the window forever.
    if (!QFileInfo(pfad).isFile())
        return QStringLiteral("Die Datei readme.txt wurde nicht gefunden: ") + anzeigepfad;
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return QStringLiteral("Die Datei readme.txt konnte nicht gelesen werden: ") + anzeigepfad;
    return hinweistextBauen(datei.readAll());
}
