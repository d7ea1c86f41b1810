#include "Ergebnisfenster.h"

#include "Reihe.h"
#include "Zahlenformat.h"

using Zahlenformat::ZahlFormatieren;

F2SpurRennenInhalt ergebnisfensterInhalt(const Rennergebnis& e) {
    F2SpurRennenInhalt inhalt;
    const int vorn = e.sieger();
    int sieger = 1;
    if (vorn == 0) {
        inhalt.LaUeberschrift = QStringLiteral("Unentschieden");
        inhalt.ImVerlierer = inhalt.ImSieger;
    } else {
        sieger = vorn;
        inhalt.LaUeberschrift = e.gesamt(sieger).fahrer + QStringLiteral(" hat gewonnen!");
    }
    const int verlierer = andereSpur(sieger);

    // Rows: the first heat (on the other lane), the second heat, both heats.
    const auto zeilen = [&e](int fahrer, auto wert) {
        return Reihe<QString, 3>{ZahlFormatieren(wert(e.laeufe[0].spur(e.ersteSpurVon(fahrer)).lauf)),
                                 ZahlFormatieren(wert(e.laeufe[1].spur(fahrer).lauf)),
                                 ZahlFormatieren(wert(e.gesamt(fahrer).gesamt))};
    };
    const auto zeit = [](const Laufwerte& l) { return l.zeit; };
    const auto geschw = [](const Laufwerte& l) { return l.geschwindigkeit; };
    inhalt.LaNameSieger = e.gesamt(sieger).fahrer;
    inhalt.LaZeitSieger = zeilen(sieger, zeit);
    inhalt.LaGeschwSieger = zeilen(sieger, geschw);
    inhalt.LaNameVerlierer = e.gesamt(verlierer).fahrer;
    inhalt.LaZeitVerlierer = zeilen(verlierer, zeit);
    inhalt.LaGeschwVerlierer = zeilen(verlierer, geschw);
    return inhalt;
}
