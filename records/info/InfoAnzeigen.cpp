#include "InfoAnzeigen.h"

#include <QStringList>

void InfoAnzeigen(Dialoge& dialoge, const Programmangaben& angaben) {
    QStringList zeilen = {
        QStringLiteral("Rundomat ") + angaben.version,
        QStringLiteral("Zeitnahme und Rennen für zweispurige Autorennbahnen"),
        QString(),
        QStringLiteral("Lizenz: GNU General Public License, Version 3 oder neuer "
                       "(GPL-3.0-or-later). Rundomat ist freie Software und kommt ohne jede "
                       "Gewährleistung."),
        QStringLiteral("Qt-Version: ") + angaben.qtVersion,
        QString(),
        QStringLiteral("Einstellungen: ") + angaben.einstellungen,
        QStringLiteral("Hall of Fame: ") + angaben.hof,
        QStringLiteral("Ergebnisdateien und Rennverlauf: ") + angaben.ergebnisse,
    };
    if (!angaben.zuschauerseite.isEmpty())
        zeilen << QStringLiteral("Zuschauerseite: ") + angaben.zuschauerseite;
    zeilen << QStringList{
        QString(),
        QStringLiteral("Vielen Dank an alle Testfahrer für ihre Runden und Ideen."),
        QStringLiteral("Hintergrundbild: Zeichnung des Rundomat-Teams"),
    };
    dialoge.meldung(zeilen.join(QStringLiteral("\r\n")),
                    QStringLiteral("© Rundomat-Team - Version ") + angaben.version);
}
