// What the race end hands on in race mode: the Hall of Fame check and the result file.
#pragma once

class Rennen;

class Rekorde {
public:
    virtual ~Rekorde() = default;
    // The race that has just ended offers its best average to the Hall of Fame.
    virtual void hofPruefen(const Rennen& rennen) = 0;
    // The race's lap tables go to a result file.
    virtual void ergebnisSpeichern(const Rennen& rennen) = 0;
};
