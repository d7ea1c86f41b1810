// Which key of the table a key press is. The digit keys are matched by their place on the
// keyboard, the main row's 1 and 2, whatever the layout prints on them with Shift.
#pragma once

#include "Tastatur.h"
#include "Tastenanschlaege.h"

#include <QKeyEvent>
#include <optional>

Taste tasteVon(const QKeyEvent& ereignis);
int umschaltungVon(Qt::KeyboardModifiers modifikatoren);
// The press or release as the tell-apart of presses and repeats needs it: the key by its
// number on the keyboard (the key code for an event made by a program), with its time.
Tastenanschlaege::Ereignis anschlagVon(const QKeyEvent& ereignis);

// The main row's digit key 1 or 2 from the platform's own key numbers; nothing for any
// other key, and nothing when the platform sent none (a synthesized event).
std::optional<Taste> physischeZiffer(quint32 scanCode, quint32 virtuelleTaste);
