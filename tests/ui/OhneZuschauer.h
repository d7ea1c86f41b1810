// For the main window's tests: Shift+Z reaches the spectators' window, which opens nowhere.
#pragma once

#include "Tastatur.h"

struct OhneZuschauer final : Zuschaueranzeige {
    void umschalten() override {}
    void vollbildUmschalten() override {}
};
