// Whether a debounce time fits the sensors as the sensor test saw them: longer than every
// bounce (else one passage counts twice) and shorter than the shortest lap (else laps are
// lost). Said in German, with the numbers.
#pragma once

#include "Reihe.h"
#include "Sensorspur.h"

#include <QString>

enum class Urteilsart { Offen, Sicher, Unsicher };

struct Prellzeiturteil {
    Urteilsart art = Urteilsart::Offen;
    QString text;
};

Prellzeiturteil prellzeitUrteilen(double prellzeit, const Spuren<Sensorspur>& spuren);
