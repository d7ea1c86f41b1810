// Which entry of a race night's plan a race is driven for: the night's key and the entry's
// number in its plan, from 1. The night gives it to the race; the stored race carries it.
#pragma once

#include <QString>

struct Abendeintrag {
    QString abend;
    int nummer = 0;

    bool operator==(const Abendeintrag&) const = default;
};
