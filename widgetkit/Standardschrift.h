// The face the fixed layouts were drawn for: a sans-serif, 8 points unless a control asks
// for another size. Arial, or its metric twin from fonts-liberation, keeps every text
// inside its place.
#pragma once

#include <QFont>

inline QFont standardschrift(double punkt = 8, bool fett = false) {
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPointSizeF(punkt);
    schrift.setBold(fett);
    return schrift;
}
