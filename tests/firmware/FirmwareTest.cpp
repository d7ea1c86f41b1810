// The real firmware in a simulated ATmega328P at 16 MHz: its stamps against the simulated
// time of each edge, its debounce, its clock across the hardware timer's wrap, what it
// does when edges come faster than the line can carry them, its lamps and its answers to
// commands good and bad.
#include "Platinenbank.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>
#include <random>

using namespace Platinenprotokoll;

namespace {

// The interrupt reads the timer about a microsecond after the edge; an edge that comes
// while it runs for another lane waits for the next run, a few microseconds more. One
// that comes within its first microsecond is taken as the same instant.
constexpr double FruehestensUs = -1.0;
constexpr double SpaetestensUs = 4.0;
constexpr int Spuren = PLATINE_SPUREN;

struct Soll {
    int spur;
    bool pegel;
    double sekunden;
};

// Checks that the edges reported are exactly these, in order of their stamps.
void flankenPruefen(const Platinenbank& b, std::vector<Soll> soll) {
    std::stable_sort(soll.begin(), soll.end(),
                     [](const Soll& x, const Soll& y) { return x.sekunden < y.sekunden; });
    std::vector<Flanke> ist = b.nur<Flanke>();
    ASSERT_EQ(ist.size(), soll.size());
    for (std::size_t i = 0; i < soll.size(); ++i) {
        // Edges of one instant come lane by lane.
        const auto gleich = std::find_if(ist.begin() + static_cast<std::ptrdiff_t>(i), ist.end(),
                                         [&](const Flanke& f) { return f.spur == soll[i].spur; });
        ASSERT_NE(gleich, ist.end()) << "edge " << i;
        const double fehler = b.fehlerUs(gleich->stempel, soll[i].sekunden);
        EXPECT_GE(fehler, FruehestensUs) << "edge " << i << " lane " << soll[i].spur;
        EXPECT_LE(fehler, SpaetestensUs) << "edge " << i << " lane " << soll[i].spur;
        EXPECT_EQ(gleich->pegel, soll[i].pegel) << "edge " << i;
        std::iter_swap(ist.begin() + static_cast<std::ptrdiff_t>(i), gleich);
    }
}

} // namespace

TEST(Firmware, MeldetSichMitVersionUndUhrUndSagtRegelmaessigDieZeit) {
    Platinenbank b;
    b.bis(0.5);
    ASSERT_FALSE(b.alle.empty());
    const auto* hallo = std::get_if<Hallo>(&b.alle.front().meldung);
    ASSERT_NE(hallo, nullptr) << "the hello comes first";
    EXPECT_EQ(hallo->major, Major);
    EXPECT_EQ(hallo->minor, Minor);
    EXPECT_EQ(hallo->spuren, 8);
    EXPECT_EQ(hallo->ticksProSekunde, 2'000'000u);

    std::size_t zeitmeldungen = 0;
    std::uint64_t vorige = 0;
    for (const Simplatine::Empfang& e : b.alle) {
        const auto* zeit = std::get_if<Zeit>(&e.meldung);
        if (zeit == nullptr)
            continue;
        ++zeitmeldungen;
        // The clock read just before the report left, on the simulated time's scale.
        const double vorSendung =
            (static_cast<double>(e.zyklus) - b.platine.zyklusVon(zeit->platinenzeit)) /
            (Simplatine::Takt / 1e6);
        EXPECT_GT(vorSendung, 0);
        EXPECT_LT(vorSendung, 2000) << "microseconds between reading the clock and sending";
        if (vorige != 0) {
            EXPECT_NEAR(static_cast<double>(zeit->platinenzeit - vorige), 196'608, 200)
                << "three timer periods of 32.768 ms";
        }
        vorige = zeit->platinenzeit;
    }
    EXPECT_GE(zeitmeldungen, 4u);

    b.befehl(halloAnfrage());
    b.bis(0.52);
    const std::vector<Hallo> hallos = b.nur<Hallo>();
    ASSERT_EQ(hallos.size(), 2u) << "a hello request is answered";
    EXPECT_NEAR(b.fehlerUs(hallos[1].platinenzeit, 0.5), 0, 20'000) << "with the clock of now";
}

TEST(Firmware, JederStempelIstDieZeitSeinerFlanke) {
    Platinenbank b;
    std::mt19937 zufall(17);
    std::vector<Soll> soll;
    std::array<bool, Spuren + 1> pegel;
    pegel.fill(true);
    double t = 0.2;
    for (int i = 0; i < 160; ++i) {
        t += std::uniform_real_distribution(0.004, 0.006)(zufall);
        const int spur = std::uniform_int_distribution(1, Spuren)(zufall);
        pegel[spur] = !pegel[spur];
        soll.push_back({spur, pegel[spur], t});
        // Every other time another lane follows within a few microseconds, on the same
        // port or the other one.
        if (i % 2 == 0) {
            const int andere = (spur + i / 2 % 7) % Spuren + 1;
            const double spaeter = t + std::uniform_real_distribution(0.0, 12e-6)(zufall);
            pegel[andere] = !pegel[andere];
            soll.push_back({andere, pegel[andere], spaeter});
        }
    }
    for (const Soll& s : soll)
        b.flanke(s.spur, s.pegel, s.sekunden);
    b.bis(t + 0.05);
    flankenPruefen(b, soll);
}

// The lanes sit on two ports with an interrupt each: one instant is still one capture.
TEST(Firmware, FlankenAllerSpurenImSelbenAugenblickTragenDenselbenStempel) {
    Platinenbank b;
    for (int runde = 0; runde < 5; ++runde)
        for (int spur = 1; spur <= Spuren; ++spur)
            b.flanke(spur, runde % 2 == 1, 0.2 + runde * 0.01 + runde * 1.3e-6);
    b.bis(0.3);
    const std::vector<Flanke> flanken = b.nur<Flanke>();
    ASSERT_EQ(flanken.size(), 5u * Spuren);
    for (std::size_t i = 0; i < flanken.size(); i += Spuren) {
        for (std::size_t j = 0; j < Spuren; ++j) {
            EXPECT_EQ(flanken[i + j].spur, j + 1) << "instant " << i / Spuren;
            EXPECT_EQ(flanken[i + j].pegel, i / Spuren % 2 == 1) << "instant " << i / Spuren;
            EXPECT_EQ(flanken[i + j].stempel, flanken[i].stempel) << "instant " << i / Spuren;
        }
        EXPECT_NEAR(b.fehlerUs(flanken[i].stempel, 0.2 + i / Spuren * (0.01 + 1.3e-6)), 1.0, 2.0);
    }
    EXPECT_TRUE(b.nur<Fehler>().empty());
}

TEST(Firmware, EinBuendelInnerhalbDerTotzeitGibtEineMeldungMitDemStempelDerErstenFlanke) {
    Platinenbank b;
    b.bis(0.05);          // the firmware has started
    b.befehl(totzeit(5)); // ms
    b.bis(0.1);
    // A bouncing contact on lane 1, a clean one on lane 2 in the middle of the bounces.
    const double t = 0.2;
    bool pegel = false;
    for (const double nach : {0.0, 20e-6, 50e-6, 300e-6, 2e-3, 4.9e-3}) {
        b.flanke(1, pegel, t + nach);
        pegel = !pegel;
    }
    b.flanke(2, false, t + 1e-3);
    // After the dead time the lane speaks again.
    b.flanke(1, pegel, t + 5.01e-3);
    b.bis(0.25);
    flankenPruefen(b, {{1, false, t}, {2, false, t + 1e-3}, {1, pegel, t + 5.01e-3}});
}

TEST(Firmware, DieUhrLaeuftUeberDieUeberlaeufeDesZeitgebersWeiter) {
    Platinenbank b;
    b.bis(0.01);
    // Edges just before and after each wrap of the 16-bit timer (every 32.768 ms), for
    // more than the 128 wraps a capture's overflow count can tell apart.
    constexpr double Periode = 65536 * 0.5e-6;
    const double start = static_cast<double>(b.platine.uhrStart()) / Simplatine::Takt;
    std::vector<Soll> soll;
    std::array<bool, 3> pegel{true, true, true};
    for (int wrap = 1; wrap <= 140; ++wrap) {
        const double versatz = std::array{-3e-6, -0.5e-6, 0.0, 0.4e-6, 2e-6}[wrap % 5];
        const int spur = 1 + wrap % 2;
        pegel[spur] = !pegel[spur];
        soll.push_back({spur, pegel[spur], start + wrap * Periode + versatz});
    }
    for (const Soll& s : soll)
        b.flanke(s.spur, s.pegel, s.sekunden);
    b.bis(start + 141 * Periode);
    flankenPruefen(b, soll);
}

// A storm on a lane of either port; afterwards a lane of the other port speaks first.
TEST(Firmware, FlankenSchnellerAlsDieLeitungSindEinUeberlaufNieEinFalscherStempel) {
    for (const auto& [sturm, danach] : {std::pair{1, 6}, std::pair{7, 2}}) {
        SCOPED_TRACE(sturm);
        Platinenbank b;
        // Every 30 us, where the line carries one report in 1.3 ms.
        std::vector<Soll> gefahren;
        for (int i = 0; i < 600; ++i)
            gefahren.push_back({sturm, i % 2 == 1, 0.2 + i * 30e-6});
        for (const Soll& s : gefahren)
            b.flanke(s.spur, s.pegel, s.sekunden);
        b.bis(0.6);

        std::size_t verloren = 0;
        for (const Fehler& f : b.nur<Fehler>()) {
            EXPECT_EQ(f.code, FEHLER_UEBERLAUF);
            verloren += f.detail;
        }
        const std::vector<Flanke> gemeldet = b.nur<Flanke>();
        EXPECT_GT(verloren, 0u);
        EXPECT_EQ(gemeldet.size() + verloren, gefahren.size()) << "each edge reported or counted";
        // Every report is one of the edges, in order, with its own stamp and level.
        std::size_t naechste = 0;
        for (const Flanke& f : gemeldet) {
            while (naechste < gefahren.size() &&
                   b.fehlerUs(f.stempel, gefahren[naechste].sekunden) > SpaetestensUs)
                ++naechste;
            ASSERT_LT(naechste, gefahren.size());
            EXPECT_EQ(f.spur, sturm);
            EXPECT_GE(b.fehlerUs(f.stempel, gefahren[naechste].sekunden), FruehestensUs);
            EXPECT_EQ(f.pegel, gefahren[naechste].pegel);
            ++naechste;
        }

        // Once the storm is over the board times as before.
        const std::size_t fehler = b.nur<Fehler>().size();
        b.flanke(danach, false, 0.7);
        b.bis(0.75);
        const Flanke erste = b.nur<Flanke>().back();
        EXPECT_EQ(erste.spur, danach);
        EXPECT_NEAR(b.fehlerUs(erste.stempel, 0.7), 1.0, 2.0);
        EXPECT_EQ(b.nur<Fehler>().size(), fehler) << "nothing lost after the storm";
    }
}

TEST(Firmware, LampenUndRennausgangFolgenDerAmpel) {
    for (const bool bruecke : {false, true}) {
        Platinenbank b(bruecke);
        b.bis(0.05);
        EXPECT_EQ(b.platine.lampen(), 0);
        EXPECT_EQ(b.platine.rennausgang(), !bruecke) << "on until a race runs";
        const std::array<std::uint8_t, 9> rot{0, 0b1, 0b11, 0b111, 0b1111, 0b11111, 0, 0, 0};
        for (std::uint8_t zustand = 0; zustand <= 8; ++zustand) {
            b.befehl(ampel(zustand));
            b.bis(0.05 + (zustand + 1) * 0.002);
            EXPECT_EQ(b.platine.lampen(), rot[zustand]) << "state " << int{zustand};
            EXPECT_EQ(b.platine.rennausgang(), (zustand != 6) != bruecke)
                << "state " << int{zustand};
        }
    }
}

TEST(Firmware, UnsinnigeBefehleAendernNichtsUndWerdenGemeldet) {
    Platinenbank b;
    b.bis(0.05);
    b.befehl(ampel(3));
    b.bis(0.06);
    std::vector<std::uint8_t> falscheSumme = ampel(5);
    falscheSumme.back() ^= 0xFF;
    for (const std::vector<std::uint8_t>& unsinn :
         {ampel(9), totzeit(TotzeitMaxMs + 1), Rahmung::kodieren(0x5A, {1, 2}),
          Rahmung::kodieren(BEFEHL_AMPEL, {4, 4}), falscheSumme,
          std::vector<std::uint8_t>{0x00, 0xA5, 0x13, 0x41, 0xFF}}) {
        b.befehl(unsinn);
        b.bis(b.platine.zyklus() / double(Simplatine::Takt) + 0.003);
    }
    EXPECT_EQ(b.platine.lampen(), 0b111) << "the lamps stay as they were";
    EXPECT_EQ(b.nur<Fehler>(), (std::vector<Fehler>{{FEHLER_UNGUELTIG, BEFEHL_AMPEL},
                                                    {FEHLER_UNGUELTIG, BEFEHL_TOTZEIT},
                                                    {FEHLER_UNBEKANNT, 0x5A},
                                                    {FEHLER_UNGUELTIG, BEFEHL_AMPEL},
                                                    {FEHLER_PRUEFSUMME, BEFEHL_AMPEL}}));

    // The garbage left behind does not swallow the next good command.
    b.befehl(ampel(5));
    b.bis(b.platine.zyklus() / double(Simplatine::Takt) + 0.003);
    EXPECT_EQ(b.platine.lampen(), 0b11111);
}
