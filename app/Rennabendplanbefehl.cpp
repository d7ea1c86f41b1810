#include "Rennabendplanbefehl.h"

#include "Rennplan.h"
#include "Rotationsplan.h"

#include <QTextStream>

int rennabendplanAusgeben(const Programmoptionen& optionen) {
    QTextStream ausgabe(stdout);
    int nummer = 0;
    if (optionen.rennabendformat == Rennabendformat::Spurrotation) {
        for (const Laufbelegung& lauf : rotationsplan(
                 optionen.rennabendplan, optionen.spuranzahl.value_or(KleinsteSpurenzahl))) {
            ausgabe << ++nummer;
            for (const QString& fahrer : lauf)
                ausgabe << '\t' << fahrer;
            ausgabe << '\n';
        }
        return 0;
    }
    for (const Paarung& p : rennplan(optionen.rennabendplan, optionen.rennabendformat))
        ausgabe << ++nummer << '\t' << p.spur1 << '\t' << p.spur2 << '\n';
    return 0;
}
