// The face the fixed layouts were drawn for: a small sans-serif. Arial, or its metric twin
// from fonts-liberation, keeps every text inside its place.
#pragma once

#include <QFont>

inline QFont standardschrift() {
    return QFont(QStringLiteral("Arial"), 8);
}
