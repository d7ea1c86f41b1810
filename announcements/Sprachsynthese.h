// eSpeak NG rendering German text into memory, without a daemon and without its own
// audio output: 16-bit mono samples at the synthesizer's rate, for whoever plays them.
// eSpeak keeps its state in the process: every object shares it, one rendering at a time.
#pragma once

#include "Sprecher.h"

#include <QString>
#include <vector>

class Sprachsynthese {
public:
    // Loads the German voice (once per process); without its data the synthesizer is not
    // ready.
    Sprachsynthese();

    bool bereit() const { return m_abtastrate > 0; }
    int abtastrate() const { return m_abtastrate; }

    // The text's samples (a few milliseconds' work for an announcement); nothing when the
    // synthesizer is not ready.
    std::vector<short> rendern(const QString& text, const Sprechweise& weise);

private:
    int m_abtastrate = 0;
};
