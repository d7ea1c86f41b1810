#include "Abtastwerte.h"

#include <cmath>
#include <cstring>

namespace {
template <typename T> void ablegen(char*& ziel, T wert) {
    std::memcpy(ziel, &wert, sizeof wert);
    ziel += sizeof wert;
}
} // namespace

void abtastwertSchreiben(QAudioFormat::SampleFormat art, double wert, char*& ziel) {
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

QByteArray umgewandelt(const std::vector<short>& samples, int abtastrate,
                       const QAudioFormat& format) {
    if (!format.isValid() || samples.empty() || abtastrate <= 0)
        return {};
    const double schritt = double(abtastrate) / format.sampleRate();
    const auto frames = static_cast<qint32>(std::floor((samples.size() - 1) / schritt)) + 1;
    QByteArray daten(format.bytesForFrames(frames), Qt::Uninitialized);
    char* ziel = daten.data();
    for (qint32 i = 0; i < frames; ++i) {
        const double stelle = i * schritt;
        const auto links = static_cast<std::size_t>(stelle);
        const std::size_t rechts = std::min(links + 1, samples.size() - 1);
        const double anteil = stelle - double(links);
        const double wert = ((1 - anteil) * samples[links] + anteil * samples[rechts]) / 32768.0;
        for (int kanal = 0; kanal < format.channelCount(); ++kanal)
            abtastwertSchreiben(format.sampleFormat(), wert, ziel);
    }
    return daten;
}
