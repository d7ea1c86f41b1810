// Samples in whatever format the audio output asks for, shared by the beep and the voice.
#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <vector>

// Writes one sample of -1 .. 1 at `ziel` and moves `ziel` past it; an unknown format
// writes nothing.
void abtastwertSchreiben(QAudioFormat::SampleFormat art, double wert, char*& ziel);

// Mono 16-bit samples at the given rate, resampled (linearly) to the format's rate and
// written to every one of its channels.
QByteArray umgewandelt(const std::vector<short>& samples, int abtastrate,
                       const QAudioFormat& format);
