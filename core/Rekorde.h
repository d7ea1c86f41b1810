// What the race end hands on in race mode: the Hall of Fame check and the result file.
#pragma once

class Rekorde {
public:
    virtual ~Rekorde() = default;
    virtual void HofPruefen() = 0;
    virtual void ErgebnisSpeichern() = 0;
};
