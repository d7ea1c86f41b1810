#include "Ergebnisfenster.h"

#include "Zahlenformat.h"

using Zahlenformat::ZahlFormatieren;

F2SpurRennenInhalt ergebnisfensterInhalt(const Rennstand& r) {
    F2SpurRennenInhalt inhalt;
    // By laps the shorter time wins; by time the greater distance, then the shorter time. A
    // driver not home in a heat has no total: one home in both wins, and none if neither is.
    const auto vorn = [&r]() -> int {
        const Laufwerte& a = r.gesamt[1];
        const Laufwerte& b = r.gesamt[2];
        if (a.imZiel != b.imZiel)
            return a.imZiel ? 1 : 2;
        if (!a.imZiel)
            return 0;
        if (r.einstellungen.rennart == Rennlaenge::Zeit && a.distanz != b.distanz)
            return a.distanz > b.distanz ? 1 : 2;
        if (a.zeit == b.zeit)
            return 0;
        return a.zeit < b.zeit ? 1 : 2;
    }();
    int sieger = 1;
    if (vorn == 0) {
        inhalt.LaUeberschrift = QStringLiteral("Unentschieden");
        inhalt.ImVerlierer = inhalt.ImSieger;
    } else {
        sieger = vorn;
        inhalt.LaUeberschrift = r.spuren[sieger].fahrer + QStringLiteral(" hat gewonnen!");
    }
    const int verlierer = andereSpur(sieger);

    // Rows: the first heat (on the other lane), the second heat, both heats.
    const auto zeilen = [&r](int fahrer, auto wert) {
        const int ersteSpur = andereSpur(fahrer);
        return Reihe<QString, 3>{ZahlFormatieren(wert(r.lauf1[ersteSpur])),
                                 ZahlFormatieren(wert(r.lauf2[fahrer])),
                                 ZahlFormatieren(wert(r.gesamt[fahrer]))};
    };
    const auto zeit = [](const Laufwerte& l) { return l.zeit; };
    const auto geschw = [](const Laufwerte& l) { return l.geschwindigkeit; };
    inhalt.LaNameSieger = r.spuren[sieger].fahrer;
    inhalt.LaZeitSieger = zeilen(sieger, zeit);
    inhalt.LaGeschwSieger = zeilen(sieger, geschw);
    inhalt.LaNameVerlierer = r.spuren[verlierer].fahrer;
    inhalt.LaZeitVerlierer = zeilen(verlierer, zeit);
    inhalt.LaGeschwVerlierer = zeilen(verlierer, geschw);
    return inhalt;
}
