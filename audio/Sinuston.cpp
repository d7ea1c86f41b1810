#include "Sinuston.h"

#include "Abtastwerte.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
constexpr double Lautstaerke = 0.5;
constexpr qint64 RampeMikrosekunden = 5000;
} // namespace

QByteArray sinuston(const QAudioFormat& format, int frequenzHz, int dauerMs) {
    if (!format.isValid() || dauerMs <= 0)
        return {};
    const qint32 frames = format.framesForDuration(qint64(dauerMs) * 1000);
    const double rampe = std::max(1, format.framesForDuration(RampeMikrosekunden));
    const double schritt = 2 * std::numbers::pi * frequenzHz / format.sampleRate();

    QByteArray daten(format.bytesForFrames(frames), Qt::Uninitialized);
    char* ziel = daten.data();
    for (qint32 i = 0; i < frames; ++i) {
        const double huelle = std::min(1.0, std::min(i, frames - 1 - i) / rampe);
        const double wert = Lautstaerke * huelle * std::sin(schritt * i);
        for (int kanal = 0; kanal < format.channelCount(); ++kanal)
            abtastwertSchreiben(format.sampleFormat(), wert, ziel);
    }
    return daten;
}
