#include "InfoAnzeigen.h"

#include <QStringList>

void InfoAnzeigen(Dialoge& dialoge) {
    const QStringList zeilen = {
        QStringLiteral("Rundomat-Team"),
        QStringLiteral("Am Rennbahnweg 1"),
        QStringLiteral("12345 Musterstadt"),
        QString(),
        QStringLiteral("eMail: info@example.org"),
        QStringLiteral("Updates und Support unter: https://www.example.org/rundomat"),
        QString(),
        QStringLiteral("Vielen Dank an alle Testfahrer für ihre Runden und Ideen."),
        QString(),
        QStringLiteral("Hintergrundbild: Zeichnung des Rundomat-Teams"),
        QString(),
        QStringLiteral("Version 3.0"),
    };
    dialoge.meldung(zeilen.join(QStringLiteral("\r\n")),
                    QStringLiteral("© Rundomat-Team - Version 3.0"));
}
