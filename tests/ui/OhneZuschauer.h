// For the main window's tests: Shift+Z reaches the spectators' window, which opens nowhere,
// and the zoom keys a zoom that stays as it is.
#pragma once

#include "Tastatur.h"

struct OhneZuschauer final : Zuschaueranzeige {
    void umschalten() override {}
    void vollbildUmschalten() override {}
};

struct OhneZoom final : Fensterzoom {
    void groesser() override {}
    void kleiner() override {}
    void zuruecksetzen() override {}
};
