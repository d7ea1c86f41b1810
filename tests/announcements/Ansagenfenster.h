// What the "Ansagen" window works on, on fake settings (as a new installation has them)
// and a fake speaker, with lane 1's driver "Anna".
#pragma once

#include "AnsagenLogik.h"
#include "FakeSprecher.h"
#include "Fakes.h"

struct Ansagenfenster {
    FakeSpeicher speicher;
    Einstellungswerte werte{speicher};
    Ansageeinstellungen e = Ansageeinstellungen::lesen(werte);
    FakeSprecher sprecher;
    Ansagen ansagen{sprecher, e};
    AnsagenLogik logik{e, speicher, ansagen, QStringLiteral("Anna")};
};
