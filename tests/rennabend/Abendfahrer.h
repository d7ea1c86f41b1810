// The drivers of the nights the tests drive.
#pragma once

#include <QString>

inline const QString A = QStringLiteral("Anna"), B = QStringLiteral("Bert"),
                     C = QStringLiteral("Carla"), D = QStringLiteral("Dieter");
