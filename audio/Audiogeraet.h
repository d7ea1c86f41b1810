// The one choice of audio device for everything the program plays: the system's default
// output, asked anew before each sound or text, so a headset plugged in is heard at once.
// A null device means there is none; then the program stays silent.
#pragma once

#include <QAudioDevice>

QAudioDevice audiogeraet();
