// A failure of a platform call, reported to the user with its number and description.
#pragma once

#include <QString>

struct Laufzeitfehler {
    int nummer = 0;
    QString beschreibung;
    QString ursache; // the cause in one sentence ("Der Datenträger ist voll."), if known
};
