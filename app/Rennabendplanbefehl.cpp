#include "Rennabendplanbefehl.h"

#include "Rennplan.h"

#include <QTextStream>

int rennabendplanAusgeben(const Programmoptionen& optionen) {
    QTextStream ausgabe(stdout);
    int nummer = 0;
    for (const Paarung& p : rennplan(optionen.rennabendplan, optionen.rennabendformat))
        ausgabe << ++nummer << '\t' << p.spur1 << '\t' << p.spur2 << '\n';
    return 0;
}
