// Where finished races go: the database behind a worker thread in the program, a list in
// tests.
#pragma once

#include "Rennaufzeichnung.h"

class Verlaufsablage {
public:
    virtual ~Verlaufsablage() = default;
    virtual void ablegen(Rennaufzeichnung aufzeichnung) = 0;
};
