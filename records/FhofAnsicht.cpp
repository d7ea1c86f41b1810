#include "FhofAnsicht.h"

#include "Zahlenformat.h"

FhofAnsicht fhofAnsicht(const Hofliste& liste) {
    FhofAnsicht ansicht;
    ansicht.Caption = QStringLiteral("Hall of Fame");
    for (int rang = 1; rang <= Hofliste::Raenge; ++rang) {
        // The record holder stands out in red.
        const Farbe schrift = rang == 1 ? Farben::Rot : Farben::Hellgrau;
        ansicht.LaName[rang] = {liste.HofName[rang], schrift};
        ansicht.LaZeit[rang] = {
            Zahlenformat::allgemein(liste.HofGeschw[rang]) + QStringLiteral(" m/s"), schrift};
    }
    return ansicht;
}
