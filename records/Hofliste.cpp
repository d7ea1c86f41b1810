#include "Hofliste.h"

Hofliste::Hofliste() {
    for (int rang = 1; rang <= Raenge; ++rang) {
        HofGeschw[rang] = 0;
        HofName[rang] = QStringLiteral("leer");
    }
}
