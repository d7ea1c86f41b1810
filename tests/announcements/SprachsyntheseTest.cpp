// The real synthesizer: German speech into memory, whatever names it is given.
#include "Sprachsynthese.h"

#include <QElapsedTimer>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {
constexpr Sprechweise Normal{175, 100};

// The loudest sample as a share of full scale.
double spitze(const std::vector<short>& samples) {
    int hoechste = 0;
    for (short s : samples)
        hoechste = std::max(hoechste, std::abs(int(s)));
    return hoechste / 32768.0;
}
} // namespace

TEST(Sprachsynthese, SprichtEinenSatzAlsHoerbareSamples) {
    Sprachsynthese synthese;
    ASSERT_TRUE(synthese.bereit()) << "German voice of espeak-ng-data missing";
    const std::vector<short> samples =
        synthese.rendern("Bestzeit Anna, vier Komma zwei eins", Normal);
    const double sekunden = double(samples.size()) / synthese.abtastrate();
    EXPECT_GT(sekunden, 1.0);
    EXPECT_LT(sekunden, 5.0);
    EXPECT_GT(spitze(samples), 0.1);

    // Faster speech is shorter; no volume is silence.
    EXPECT_LT(synthese.rendern("Bestzeit Anna, vier Komma zwei eins", {350, 100}).size(),
              samples.size() * 3 / 4);
    EXPECT_EQ(spitze(synthese.rendern("vier Komma zwei eins", {175, 0})), 0.0);
}

TEST(Sprachsynthese, SeltsameTexteEndenSchnell) {
    Sprachsynthese synthese;
    const QString texte[] = {QString(40, '9'), "[[a]] <speak>x</speak>",
                             "\x01\x02\x7f",   QString::fromUtf8("🏎🏎🏎 ÆØÅ ß"),
                             QString(),        "....,,,,;;;;"};
    for (const QString& text : texte) {
        QElapsedTimer uhr;
        uhr.start();
        synthese.rendern(text, Normal);
        EXPECT_LT(uhr.elapsed(), 5000) << text.toStdString();
    }
}
