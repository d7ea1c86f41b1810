#include "Straftext.h"

#include "Zahlenformat.h"

#include <QStringList>

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

QString strafvermerk(const std::vector<Strafe>& strafen, int spur) {
    QStringList teile;
    if (const double zeit = strafzeit(strafen, spur); zeit > 0)
        teile << QStringLiteral("+") + Zahlenformat::allgemein(zeit) + QStringLiteral(" s");
    if (const std::int32_t runden = strafrunden(strafen, spur); runden > 0)
        teile << QStringLiteral("−%1 Rd.").arg(runden);
    return teile.join(u' ');
}
