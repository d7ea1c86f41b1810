#include "Sinuston.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace {
QAudioFormat format(QAudioFormat::SampleFormat art, int rate, int kanaele) {
    QAudioFormat f;
    f.setSampleFormat(art);
    f.setSampleRate(rate);
    f.setChannelCount(kanaele);
    return f;
}

// The samples of one channel, scaled to -1 .. 1.
std::vector<double> kanal(const QByteArray& daten, const QAudioFormat& f, int nummer) {
    std::vector<double> werte;
    for (qsizetype stelle = f.bytesPerSample() * nummer; stelle < daten.size();
         stelle += f.bytesPerFrame())
        werte.push_back(f.normalizedSampleValue(daten.constData() + stelle));
    return werte;
}

int aufwaertsNulldurchgaenge(const std::vector<double>& werte) {
    int anzahl = 0;
    for (std::size_t i = 1; i < werte.size(); ++i)
        if (werte[i - 1] <= 0 && werte[i] > 0)
            ++anzahl;
    return anzahl;
}

double spitze(const std::vector<double>& werte) {
    double groesste = 0;
    for (double w : werte)
        groesste = std::max(groesste, std::abs(w));
    return groesste;
}
} // namespace

TEST(Sinuston, PiepsHatTonhoeheLaengeUndLautstaerke) {
    const QAudioFormat f = format(QAudioFormat::Int16, 8000, 1);
    const QByteArray ton = sinuston(f, 500, 100);
    ASSERT_EQ(ton.size(), 800 * 2);
    const std::vector<double> werte = kanal(ton, f, 0);
    EXPECT_NEAR(aufwaertsNulldurchgaenge(werte), 50, 1);
    EXPECT_NEAR(spitze(werte), 0.5, 0.01);
    // Faded in and out: no jump at either end.
    EXPECT_LT(std::abs(werte.front()), 0.01);
    EXPECT_LT(std::abs(werte.back()), 0.01);
}

TEST(Sinuston, JedesSampleformatUndJederKanal) {
    for (auto art :
         {QAudioFormat::UInt8, QAudioFormat::Int16, QAudioFormat::Int32, QAudioFormat::Float}) {
        const QAudioFormat f = format(art, 44100, 2);
        const QByteArray ton = sinuston(f, 500, 100);
        ASSERT_EQ(ton.size(), f.bytesForFrames(4410)) << art;
        const std::vector<double> links = kanal(ton, f, 0);
        const std::vector<double> rechts = kanal(ton, f, 1);
        EXPECT_EQ(links, rechts) << art;
        EXPECT_NEAR(aufwaertsNulldurchgaenge(links), 50, 1) << art;
        EXPECT_NEAR(spitze(links), 0.5, 0.01) << art;
    }
}

TEST(Sinuston, OhneFormatOderDauerKeinTon) {
    EXPECT_TRUE(sinuston(QAudioFormat(), 500, 100).isEmpty());
    EXPECT_TRUE(sinuston(format(QAudioFormat::Int16, 8000, 1), 500, 0).isEmpty());
    EXPECT_TRUE(sinuston(format(QAudioFormat::Int16, 8000, 1), 500, -5).isEmpty());
}
