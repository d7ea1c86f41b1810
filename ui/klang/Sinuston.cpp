#include "Sinuston.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

namespace {
constexpr double Lautstaerke = 0.5;
constexpr qint64 RampeMikrosekunden = 5000;

template <typename T> void ablegen(char*& ziel, T wert) {
    std::memcpy(ziel, &wert, sizeof wert);
    ziel += sizeof wert;
}

// wert lies in -1 .. 1.
void sampleSchreiben(QAudioFormat::SampleFormat art, double wert, char*& ziel) {
    switch (art) {
    case QAudioFormat::UInt8:
        ablegen(ziel, static_cast<quint8>(std::lround(128 + 127 * wert)));
        break;
    case QAudioFormat::Int16: ablegen(ziel, static_cast<qint16>(std::lround(32767 * wert))); break;
    case QAudioFormat::Int32:
        ablegen(ziel, static_cast<qint32>(std::llround(2147483647.0 * wert)));
        break;
    case QAudioFormat::Float: ablegen(ziel, static_cast<float>(wert)); break;
    case QAudioFormat::Unknown:
    case QAudioFormat::NSampleFormats: break;
    }
}
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
            sampleSchreiben(format.sampleFormat(), wert, ziel);
    }
    return daten;
}
