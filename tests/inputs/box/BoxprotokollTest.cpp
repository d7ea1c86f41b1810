#include "Boxprotokoll.h"

#include <gtest/gtest.h>
#include <random>

using namespace Boxprotokoll;

namespace {

using Bytes = std::vector<std::uint8_t>;

const Rahmen Zeit{Zeitrahmen{0x89ABCDEF}};
const Rahmen Durchfahrt{Ereignisrahmen{0x202, 0xFFFFFFF0, 200, 12}};
const Rahmen Fehler{Ereignisrahmen{0x501, 7, 0, 0}};

// Feeds the bytes one at a time and takes every frame as soon as it is complete.
std::vector<Rahmen> lesen(Rahmenleser& leser, const Bytes& bytes) {
    std::vector<Rahmen> gelesen;
    for (std::uint8_t byte : bytes) {
        leser.aufnehmen(byte);
        while (std::optional<Rahmen> rahmen = leser.naechsterRahmen())
            gelesen.push_back(*rahmen);
    }
    return gelesen;
}

std::vector<Rahmen> lesen(const Bytes& bytes) {
    Rahmenleser leser;
    return lesen(leser, bytes);
}

Bytes verketten(std::initializer_list<Bytes> teile) {
    Bytes alle;
    for (const Bytes& teil : teile)
        alle.insert(alle.end(), teil.begin(), teil.end());
    return alle;
}

} // namespace

TEST(Boxprotokoll, PruefsummeIstCrc16CcittFalse) {
    const Bytes pruefwert{'1', '2', '3', '4', '5', '6', '7', '8', '9'};
    EXPECT_EQ(pruefsumme(pruefwert.data(), pruefwert.size()), 0x29B1);
}

TEST(Boxprotokoll, RahmenKommenStueckweiseUndKeinerVorSeinemLetztenByte) {
    const Bytes ereignis = kodieren(Durchfahrt);
    ASSERT_EQ(ereignis.size(), 13u);
    Rahmenleser leser;
    for (std::size_t i = 0; i + 1 < ereignis.size(); ++i) {
        leser.aufnehmen(ereignis[i]);
        EXPECT_FALSE(leser.naechsterRahmen()) << "after byte " << i;
    }
    EXPECT_EQ(lesen(leser, {ereignis.back()}), std::vector<Rahmen>{Durchfahrt});
    EXPECT_EQ(lesen(verketten({kodieren(Zeit), ereignis, kodieren(Fehler)})),
              (std::vector<Rahmen>{Zeit, Durchfahrt, Fehler}));
}

TEST(Boxprotokoll, NachMuellUndFalschenAnfaengenFindetDerLeserWiederInDenTakt) {
    // The last false start waits for the bytes it announced before it is given up.
    const Bytes muell{0x00, 0xA5, 0xFF, 0x13, 0xA5, 0x45, 0x10, 0x01, 0xA5};
    Rahmenleser leser;
    EXPECT_EQ(lesen(leser, verketten({muell, kodieren(Durchfahrt), muell, kodieren(Zeit)})),
              std::vector<Rahmen>{Durchfahrt});
    EXPECT_EQ(lesen(leser, kodieren(Fehler)), (std::vector<Rahmen>{Zeit, Fehler}));

    // A false start announcing the longest payload hides a whole real frame in its bytes.
    const Bytes falscherAnfang{Sync, TypEreignis, MaxNutzdaten};
    EXPECT_EQ(lesen(verketten({falscherAnfang, kodieren(Zeit), kodieren(Fehler)})),
              (std::vector<Rahmen>{Zeit, Fehler}));
}

TEST(Boxprotokoll, BeschaedigteRahmenLiefernNichtsUndDerNaechsteKommtDurch) {
    const Bytes gut = kodieren(Durchfahrt);
    for (std::size_t i = 0; i < gut.size(); ++i) {
        Bytes kaputt = gut;
        kaputt[i] ^= 0x10;
        EXPECT_EQ(lesen(verketten({kaputt, kodieren(Zeit)})), std::vector<Rahmen>{Zeit})
            << "byte " << i << " damaged";
    }
    Bytes abgerissen(gut.begin(), gut.begin() + 6);
    EXPECT_EQ(lesen(verketten({abgerissen, kodieren(Fehler)})), std::vector<Rahmen>{Fehler});
}

TEST(Boxprotokoll, UnbekannteArtenUndFalscheLaengenWerdenUebergangen) {
    const auto rahmen = [](std::uint8_t typ, Bytes nutzdaten) {
        Bytes bytes =
            verketten({{Sync, typ, static_cast<std::uint8_t>(nutzdaten.size())}, nutzdaten});
        const std::uint16_t crc = pruefsumme(bytes.data() + 1, bytes.size() - 1);
        bytes.push_back(static_cast<std::uint8_t>(crc & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(crc >> 8));
        return bytes;
    };
    EXPECT_EQ(lesen(verketten(
                  {rahmen(0x51, {1, 2, 3}), rahmen(TypEreignis, {2, 2, 0, 0, 0}), kodieren(Zeit)})),
              std::vector<Rahmen>{Zeit});
}

TEST(Boxprotokoll, ZwischenZufallsbytesKommenGenauDieEchtenRahmen) {
    std::mt19937 zufall(4711);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> laenge(0, 30);
    std::vector<Rahmen> gesendet;
    Bytes strom;
    for (std::uint32_t i = 0; i < 2000; ++i) {
        for (int n = laenge(zufall); n > 0; --n)
            strom.push_back(static_cast<std::uint8_t>(byte(zufall)));
        const Rahmen rahmen =
            i % 2 ? Rahmen{Zeitrahmen{i * 480}} : Rahmen{Ereignisrahmen{0x202, i, 200, 10}};
        const Bytes bytes = kodieren(rahmen);
        strom.insert(strom.end(), bytes.begin(), bytes.end());
        gesendet.push_back(rahmen);
    }
    EXPECT_EQ(lesen(strom), gesendet);
}
