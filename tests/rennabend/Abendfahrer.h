// The drivers the race night's tests meet with.
#pragma once

#include <QString>

inline const QString A = QStringLiteral("Anna"), B = QStringLiteral("Bert"),
                     C = QStringLiteral("Carla"), D = QStringLiteral("Dieter");
