// Lets GoogleTest print Qt strings in failure messages.
#pragma once

#include <QString>
#include <QStringList>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* aus) {
    *aus << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& liste, std::ostream* aus) {
    *aus << '[' << liste.join(QStringLiteral(", ")).toStdString() << ']';
}
