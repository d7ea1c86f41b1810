#include "Hofliste.h"

Hofliste::Hofliste() {
    for (int rang = 1; rang <= Raenge; ++rang) {
        HofGeschw[rang] = 0;
        HofName[rang] = QStringLiteral("leer");
    }
}

std::optional<int> Hofliste::rangFuer(double wert) const {
    for (int rang = 1; rang <= Raenge; ++rang) {
        if (HofGeschw[rang] < wert)
            return rang;
    }
    return std::nullopt;
}

void Hofliste::eintragen(double wert, const QString& name) {
    const std::optional<int> rang = rangFuer(wert);
    if (!rang)
        return;
    for (int unten = Raenge; unten > *rang; --unten) {
        HofGeschw[unten] = HofGeschw[unten - 1];
        HofName[unten] = HofName[unten - 1];
    }
    HofGeschw[*rang] = wert;
    HofName[*rang] = name;
}
