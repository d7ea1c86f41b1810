// The lanes' power outputs of the real firmware in the simulated AVR, read at the shift
// register's outputs: every lane powered from the start, each one cut and restored on
// command within 20 ms, and the lane inputs on the same ports timed as before meanwhile.
#include "Platinenbank.h"

#include <gtest/gtest.h>

using namespace Platinenprotokoll;

namespace {

constexpr double HoechstensMs = 20;

double sekunden(const Platinenbank& b) {
    return static_cast<double>(b.platine.zyklus()) / Simplatine::Takt;
}

// Sends the command and runs until the outputs change, at most a second: how long that
// took from the command's first byte, in milliseconds, or nothing when they did not move.
std::optional<double> schaltenUndWarten(Platinenbank& b, std::uint8_t mitStrom) {
    const std::uint64_t gesendet = b.platine.zyklus();
    const std::uint64_t vorher = b.platine.spurstromGeaendert();
    b.befehl(spurstrom(mitStrom));
    const std::uint64_t schluss = gesendet + Platinenbank::zyklen(1.0);
    while (b.platine.spurstromGeaendert() == vorher && b.platine.zyklus() < schluss)
        b.bis(sekunden(b) + 0.0001);
    if (b.platine.spurstromGeaendert() == vorher)
        return std::nullopt;
    return static_cast<double>(b.platine.spurstromGeaendert() - gesendet) * 1000 / Simplatine::Takt;
}

} // namespace

TEST(FirmwareSpurstrom, JedeSpurVerliertIhrenStromAufBefehlUndBekommtIhnWieder) {
    Platinenbank b;
    b.bis(0.05);
    EXPECT_EQ(b.platine.spurstrom(), 0xFF) << "every lane has power from the start";
    for (int spur = 1; spur <= PLATINE_SPUREN; ++spur) {
        SCOPED_TRACE(spur);
        const auto ohne = static_cast<std::uint8_t>(0xFF & ~(1 << (spur - 1)));
        const std::optional<double> aus = schaltenUndWarten(b, ohne);
        ASSERT_TRUE(aus.has_value()) << "the lane's pin did not fall";
        EXPECT_LT(*aus, HoechstensMs);
        EXPECT_EQ(b.platine.spurstrom(), ohne) << "only this lane's pin fell";
        const std::optional<double> an = schaltenUndWarten(b, 0xFF);
        ASSERT_TRUE(an.has_value()) << "the lane's pin did not come back";
        EXPECT_LT(*an, HoechstensMs);
        EXPECT_EQ(b.platine.spurstrom(), 0xFF);
    }
    // Two lanes at once, then a frame of the wrong length, which changes nothing.
    ASSERT_TRUE(schaltenUndWarten(b, 0b10100101).has_value());
    b.befehl(Rahmung::kodieren(BEFEHL_SPURSTROM, {0xFF, 0xFF}));
    b.bis(sekunden(b) + 0.01);
    EXPECT_EQ(b.platine.spurstrom(), 0b10100101);
    EXPECT_EQ(b.nur<Fehler>(), (std::vector<Fehler>{{FEHLER_UNGUELTIG, BEFEHL_SPURSTROM}}));
}

// The outputs share ports B and C with the lane inputs: switching them must neither take
// an input's pull-up nor look like an edge, nor delay a stamp.
TEST(FirmwareSpurstrom, SchaltenStoertDieEingaengeNicht) {
    Platinenbank b;
    b.bis(0.05);
    std::vector<double> zeiten;
    for (int i = 0; i < 40; ++i) {
        const int spur = i % PLATINE_SPUREN + 1;
        const double t = 0.1 + i * 0.004;
        b.flanke(spur, i / PLATINE_SPUREN % 2 == 1, t);
        zeiten.push_back(t);
        // A command on its way while the edges come.
        b.befehl(spurstrom(static_cast<std::uint8_t>(i * 37)));
        b.bis(t + 0.002);
    }
    b.bis(0.3);
    const std::vector<Flanke> flanken = b.nur<Flanke>();
    ASSERT_EQ(flanken.size(), zeiten.size()) << "every edge once, none made up";
    for (std::size_t i = 0; i < flanken.size(); ++i) {
        EXPECT_EQ(flanken[i].spur, i % PLATINE_SPUREN + 1) << i;
        EXPECT_EQ(flanken[i].pegel, i / PLATINE_SPUREN % 2 == 1) << i;
        EXPECT_NEAR(b.fehlerUs(flanken[i].stempel, zeiten[i]), 1.0, 3.0) << i;
    }
    EXPECT_EQ(b.platine.spurstrom(), static_cast<std::uint8_t>(39 * 37));
    EXPECT_TRUE(b.nur<Fehler>().empty());
}
