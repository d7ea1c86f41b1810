#include "Boxzustand.h"

#include "Fakes.h"
#include "JnutlBibliothek.h"
#include "QtAusgabe.h"

#include <gtest/gtest.h>

using namespace Boxprotokoll;

namespace {

constexpr std::int64_t NsProSekunde = 1'000'000'000;

struct Box {
    std::int64_t hostzeit = 0;
    Boxzustand zustand{[this] { return hostzeit; }};

    // Feeds the frame's bytes; the results of RX_data, one per byte.
    std::vector<std::int16_t> senden(const Rahmen& rahmen) {
        std::vector<std::int16_t> ergebnisse;
        for (std::uint8_t byte : kodieren(rahmen))
            ergebnisse.push_back(zustand.RX_data(0, byte));
        return ergebnisse;
    }
    // The event the frame yields, or code 0.
    JnutlEreignis ereignis(const Rahmen& rahmen) {
        const std::vector<std::int16_t> ergebnisse = senden(rahmen);
        JnutlEreignis e{0, 0};
        if (ergebnisse.back() == 2)
            zustand.Get_Event(&e);
        return e;
    }
    void oeffnen(BoxKonfiguration konfiguration) { zustand.OpenBox(0, konfiguration.data()); }
};

Rahmen durchfahrt(std::uint16_t code, std::uint32_t zeit, std::uint8_t pegel = 200,
                  std::uint8_t dauerMs = 20) {
    return Ereignisrahmen{code, zeit, pegel, dauerMs};
}

} // namespace

TEST(Boxbibliothek, MeldetEinEreignisErstMitSeinemLetztenByteUndNurEinmal) {
    Box box;
    EXPECT_EQ(box.zustand.InitBoxes(), 0x0100);
    box.oeffnen(boxKonfiguration(0, 0, 0, false));
    const std::vector<std::int16_t> ergebnisse = box.senden(durchfahrt(0x202, 48000));
    EXPECT_EQ(std::count(ergebnisse.begin(), ergebnisse.end(), 2), 1);
    EXPECT_EQ(ergebnisse.back(), 2);
    JnutlEreignis e{};
    EXPECT_EQ(box.zustand.Get_Event(&e), 0);
    EXPECT_EQ(e.code, 0x202);
    EXPECT_EQ(e.zeitstempel, 48000);
    EXPECT_EQ(box.zustand.Get_Event(&e), -1) << "fetched once";
    EXPECT_EQ(e.code, 0);
    EXPECT_EQ(box.zustand.Get_Event(nullptr), -1);
    EXPECT_EQ(box.zustand.RX_data(1, 0xA5), -1) << "there is only box 0";
    EXPECT_EQ(box.zustand.OpenBox(1, boxKonfiguration(0, 0, 0, false).data()), -1);
}

TEST(Boxbibliothek, OhneOpenBoxZaehlenNurFehlerUndInitBoxesMachtWiederUnscharf) {
    Box box;
    box.zustand.InitBoxes();
    EXPECT_EQ(box.ereignis(durchfahrt(0x202, 100)).code, 0) << "not armed";
    EXPECT_EQ(box.ereignis(Ereignisrahmen{0x5FF, 200, 0, 0}).code, 0x5FF);

    box.oeffnen(boxKonfiguration(0, 0, 0, false));
    EXPECT_EQ(box.ereignis(durchfahrt(0x203, 300)).code, 0x203);
    EXPECT_EQ(box.ereignis(Ereignisrahmen{0x300, 300, 0, 0}).code, 0x300);

    // A frame torn by InitBoxes is forgotten with the race.
    const std::vector<std::uint8_t> bytes = kodieren(durchfahrt(0x202, 400));
    for (std::size_t i = 0; i < 5; ++i)
        box.zustand.RX_data(0, bytes[i]);
    box.zustand.InitBoxes();
    box.oeffnen(boxKonfiguration(0, 0, 0, false));
    for (std::size_t i = 5; i < bytes.size(); ++i)
        EXPECT_EQ(box.zustand.RX_data(0, bytes[i]), 0);
    EXPECT_EQ(box.ereignis(durchfahrt(0x202, 500)).zeitstempel, 500);
}

TEST(Boxbibliothek, DieVierParameterWirkenAufDieSensorimpulse) {
    Box box;
    box.oeffnen(boxKonfiguration(30, 10, 5, false));
    EXPECT_EQ(box.ereignis(durchfahrt(0x202, 1000, 99)).code, 0) << "level below 130 - 30";
    EXPECT_EQ(box.ereignis(durchfahrt(0x202, 1000, 100, 9)).code, 0) << "shorter than 10 ms";
    EXPECT_EQ(box.ereignis(durchfahrt(0x202, 1000, 100, 10)).code, 0x202);
    EXPECT_EQ(box.ereignis(durchfahrt(0x202, 1000 + 2399)).code, 0) << "within 0.5 s";
    EXPECT_EQ(box.ereignis(durchfahrt(0x203, 1000 + 100)).code, 0x203) << "the other sensor";
    EXPECT_EQ(box.ereignis(durchfahrt(0x202, 1000 + 2400)).code, 0x202);

    box.oeffnen(boxKonfiguration(0, 0, 15, true));
    EXPECT_EQ(box.ereignis(durchfahrt(0x202, 0xFFFFFF00)).code, 0x203) << "sensors swapped";
    EXPECT_EQ(box.ereignis(durchfahrt(0x202, 0xFFFFFF00 + 7199)).code, 0)
        << "cut-off across the clock's wrap";
    EXPECT_EQ(box.ereignis(durchfahrt(0x203, 5)).code, 0x202);

    // Values no window accepted take the nearest limit instead of wrapping into nonsense.
    box.oeffnen(boxKonfiguration(70000, -3, 99, false));
    EXPECT_EQ(box.ereignis(durchfahrt(0x202, 9000, 0, 50)).code, 0x202);
    EXPECT_EQ(box.ereignis(durchfahrt(0x203, 9000, 0, 0)).code, 0x203);
    EXPECT_EQ(box.ereignis(durchfahrt(0x203, 9000 + 7199)).code, 0) << "at most 1.5 s";
}

// A time frame is complete here 18.75 ms (90 ticks) after the box stamped it: nine bytes at
// 4800 baud.
TEST(Boxbibliothek, BoxzeitLaeuftZwischenDenZeitrahmenMitDerUhrDesRechnersWeiter) {
    Box box;
    box.hostzeit = 77 * NsProSekunde;
    EXPECT_EQ(box.zustand.Get_TStamp(0), 0) << "the box was not heard yet";
    box.senden(Zeitrahmen{0x7FFFFFFF - 2400});
    EXPECT_EQ(box.zustand.Get_TStamp(0), 0x7FFFFFFF - 2400 + 90);
    box.hostzeit += NsProSekunde; // while the program drops the box's bytes
    EXPECT_EQ(box.zustand.Get_TStamp(0), std::int32_t(0x80000000u + 2399 + 90))
        << "wraps like the box";
    box.hostzeit += 30LL * 24 * 3600 * NsProSekunde; // a month without a frame
    const auto nachEinemMonat =
        0x7FFFFFFFu - 2400 + 4800 + 90 + std::uint32_t(30ull * 24 * 3600 * 4800 % (1ull << 32));
    EXPECT_EQ(static_cast<std::uint32_t>(box.zustand.Get_TStamp(0)), nachEinemMonat);

    // A stray frame far from the clock heard moves nothing; three that agree are a box
    // restarted with its clock.
    for (std::uint32_t boxzeit : {123u, 603u, 1083u}) {
        EXPECT_EQ(static_cast<std::uint32_t>(box.zustand.Get_TStamp(0)), nachEinemMonat);
        box.senden(Zeitrahmen{boxzeit});
    }
    box.zustand.InitBoxes();
    EXPECT_EQ(box.zustand.Get_TStamp(0), 1083 + 90) << "InitBoxes keeps the box clock";
    EXPECT_EQ(box.zustand.Get_TStamp(1), 0);
}

TEST(Boxbibliothek, DieGebauteBibliothekWirdGeladenUndSprichtDasProtokoll) {
    JnutlBibliothek bibliothek({QStringLiteral(JNUTL_PFAD)});
    EXPECT_EQ(bibliothek.ladefehler(), std::nullopt);
    EXPECT_EQ(bibliothek.InitBoxes(), 0x0100);
    bibliothek.OpenBox(0, boxKonfiguration(0, 0, 0, false));
    std::vector<std::int16_t> ergebnisse;
    for (std::uint8_t byte : kodieren(durchfahrt(0x203, 4800)))
        ergebnisse.push_back(bibliothek.RX_data(0, byte));
    EXPECT_EQ(ergebnisse.back(), 2);
    const BoxEreignisDaten e = bibliothek.Get_Event();
    EXPECT_EQ(e.code, 0x203);
    EXPECT_EQ(e.zeitstempel, 4800);
    EXPECT_EQ(bibliothek.Get_Event().code, 0);
    bibliothek.InitBoxes();
}

TEST(Boxbibliothek, FehlendeBibliothekSagtWarumUndAlleAufrufeBleibenHarmlos) {
    JnutlBibliothek bibliothek({QStringLiteral("/nicht/da/") + JnutlBibliothek::dateiname(),
                                JnutlBibliothek::dateiname()});
    const std::optional<QString> fehler = bibliothek.ladefehler();
    ASSERT_TRUE(fehler);
    EXPECT_EQ(*fehler,
              "Fehlernr: 48\r\nFehler beim Laden der Bibliothek libjnutl.so\r\nGesucht wurde "
              "die Datei libjnutl.so im Ordner /nicht/da und in den Bibliotheksverzeichnissen des "
              "Systems. Sie wird mit Rundomat gebaut und gehört in den Ordner /nicht/da.");
    EXPECT_EQ(bibliothek.InitBoxes(), 0);
    bibliothek.OpenBox(0, boxKonfiguration(0, 0, 0, false));
    EXPECT_EQ(bibliothek.RX_data(0, 0xA5), 0);
    EXPECT_EQ(bibliothek.Get_Event().code, 0);
    EXPECT_EQ(bibliothek.Get_TStamp(0), 0);
}

TEST(Boxbibliothek, EineBibliothekOhneDieEinsprungpunkteWirdNichtGenommen) {
    // Any shared library that is not ours: the C library has none of the five.
    JnutlBibliothek bibliothek({QStringLiteral("libc.so.6"), QStringLiteral(JNUTL_PFAD)});
    EXPECT_EQ(bibliothek.ladefehler(), std::nullopt) << "the next place is tried";
    JnutlBibliothek fremd({QStringLiteral("libc.so.6")});
    ASSERT_TRUE(fremd.ladefehler());
    EXPECT_TRUE(fremd.ladefehler()->startsWith(
        "Fehlernr: 453\r\nEinsprungpunkt InitBoxes in libjnutl.so nicht gefunden\r\n"));
}
