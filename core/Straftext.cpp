#include "Straftext.h"

#include "Zahlenformat.h"

QString straftext(const Strafe& strafe) {
    const QString wert = Zahlenformat::allgemein(strafe.wert);
    QString text;
    switch (strafe.art) {
    case Strafart::Zeit: text = wert + QStringLiteral(" s Zeitstrafe"); break;
    case Strafart::Runden:
        text = wert + (strafe.wert == 1 ? QStringLiteral(" Runde") : QStringLiteral(" Runden")) +
               QStringLiteral(" Abzug");
        break;
    case Strafart::StopAndGo: text = wert + QStringLiteral(" s Stop and go"); break;
    }
    return strafe.grund.isEmpty() ? text : text + QStringLiteral(", ") + strafe.grund;
}
