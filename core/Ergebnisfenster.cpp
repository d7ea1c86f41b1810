#include "Ergebnisfenster.h"

#include "Zahlenformat.h"

using Zahlenformat::ZahlFormatieren;

F2SpurRennenInhalt ergebnisfensterInhalt(const Rennstand& r) {
    F2SpurRennenInhalt inhalt;
    int sieger = 1;
    if (r.gesamt[1].zeit == r.gesamt[2].zeit) {
        inhalt.LaUeberschrift = QStringLiteral("Unentschieden");
        inhalt.ImVerlierer = inhalt.ImSieger;
    } else {
        sieger = r.gesamt[1].zeit < r.gesamt[2].zeit ? 1 : 2;
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
