// The platform's sound output: sound files played asynchronously, and a beep.
#pragma once

#include <QString>

class Klangausgabe {
public:
    virtual ~Klangausgabe() = default;

    // Starts playing the file and returns at once; a new sound replaces one still
    // playing. A missing or unplayable file, or no sound output at all, plays nothing and
    // reports nothing: a message box at the green light or the finish would cover the
    // race, and the racer hears the silence anyway.
    virtual void abspielen(const QString& datei) = 0;
    virtual void piepen(int frequenzHz, int dauerMs) = 0;
};
