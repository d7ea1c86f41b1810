// The beep as PCM samples, since a PC beyond Windows has no speaker to beep with: a sine
// tone in whatever sample format the audio output asks for.
#pragma once

#include <QAudioFormat>
#include <QByteArray>

// A sine tone of the given pitch and length at half full scale, every channel alike,
// faded in and out over a few milliseconds so it starts and stops without a click.
// An unknown sample format gives no samples.
QByteArray sinuston(const QAudioFormat& format, int frequenzHz, int dauerMs);
