#include "Rennbahn.h"

#include <gtest/gtest.h>

using enum Lampe;
using L5 = Reihe<Lampe, 5>;

TEST(Ampel, ZustaendeInBeidenBildsaetzenUndRtsNurBeiGruenAus) {
    for (const bool ampelbilder : {true, false}) {
        Rennbahn b;
        b.einstellen([&](Renneinstellungen& e) { e.ampelbilder = ampelbilder; });
        const Lampensatz satz = ampelbilder ? Lampensatz::Ampel : Lampensatz::Kreis;
        const std::vector<std::pair<Ampel, L5>> erwartet{
            {Ampel::Rot1, {Rot, Aus, Aus, Aus, Aus}},
            {Ampel::Rot2, {Rot, Rot, Aus, Aus, Aus}},
            {Ampel::Rot3, {Rot, Rot, Rot, Aus, Aus}},
            {Ampel::Rot4, {Rot, Rot, Rot, Rot, Aus}},
            {Ampel::Rot5, {Rot, Rot, Rot, Rot, Rot}},
            {Ampel::Gruen, {Gruen, Gruen, Gruen, Gruen, Gruen}},
            {Ampel::Gelb, {Gelb, Gelb, Gelb, Gelb, Gelb}},
            {Ampel::FliegenderStart, {Gruen, Gelb, Gelb, Gelb, Gruen}},
            {Ampel::Dunkel, {Aus, Aus, Aus, Aus, Aus}}};
        for (const auto& [ampel, lampen] : erwartet) {
            b.rennen.ampelSetzen(ampel);
            const int nummer = static_cast<int>(ampel);
            EXPECT_EQ(b.lampen(), lampen) << "state " << nummer;
            EXPECT_EQ(b.ansicht().ampel[1].satz, satz);
            EXPECT_EQ(b.port.rts.back(), ampel != Ampel::Gruen) << "state " << nummer;
        }
    }
}

TEST(Ampel, DerselbeZustandNochmalAendertWederLampenNochRts) {
    Rennbahn b;
    b.rennen.ampelSetzen(Ampel::Gruen);
    for (int mal = 0; mal < 3; ++mal) {
        b.rennen.ampelSetzen(Ampel::Gruen);
        EXPECT_EQ(b.lampen(), (L5{Gruen, Gruen, Gruen, Gruen, Gruen}));
        EXPECT_EQ(b.port.rts.size(), 1u);
    }
}

namespace {
// Start, a crash pause and its end, both lanes home: every sound of a race.
void rennenMitCrash(Rennbahn& b) {
    b.runden(1);
    b.starten();
    b.bei(0.5);
    b.rennen.crashUmschalten();
    b.rennen.crashUmschalten();
    b.fahren(1, 1, {3});
    b.fahren(2, 1, {4});
}
} // namespace

TEST(Klang, OhneSoundPieptJedesEreignis) {
    Rennbahn b;
    rennenMitCrash(b);
    EXPECT_EQ(b.klang.pieptoene, (std::vector<std::pair<int, int>>(6, {500, 100})))
        << "start, crash, start again, winner, winner, loser";
    EXPECT_TRUE(b.klang.dateien.isEmpty());
}

TEST(Klang, MitSoundSpieltDieDateiDesEreignisses) {
    Rennbahn b;
    b.einstellen([&](Renneinstellungen& e) { e.mitSound = true; });
    rennenMitCrash(b);
    EXPECT_EQ(b.klang.dateien, (QStringList{"start.wav", "crash.wav", "start.wav", "winner.wav",
                                            "winner.wav", "looser.wav"}));
    EXPECT_TRUE(b.klang.pieptoene.empty());
    EXPECT_TRUE(b.dialoge.meldungen.empty());
}
