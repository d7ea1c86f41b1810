// The platform's sound output: sound files played asynchronously, and a beep.
#pragma once

#include "Laufzeitfehler.h"

#include <QString>
#include <optional>

class Klangausgabe {
public:
    virtual ~Klangausgabe() = default;

    // Starts playing the file and returns at once; a new sound replaces one still
    // playing, and a missing file plays nothing. Only a failure of the sound output
    // itself is reported.
    virtual std::optional<Laufzeitfehler> abspielen(const QString& datei) = 0;
    virtual void piepen(int frequenzHz, int dauerMs) = 0;
};
