#include "Rennbahn.h"

#include <gtest/gtest.h>

using enum Lampe;
using L5 = Reihe<Lampe, 5>;

TEST(Ampel, ZustaendeInBeidenBildsaetzenUndRtsNurBeiGruenAus) {
    for (const bool ampelbilder : {true, false}) {
        Rennbahn b;
        b.rennen.Ampelbilder = ampelbilder;
        const Lampensatz satz = ampelbilder ? Lampensatz::Ampel : Lampensatz::Kreis;
        const std::vector<L5> erwartet{
            {Aus, Aus, Aus, Aus, Aus},           {Rot, Aus, Aus, Aus, Aus},
            {Rot, Rot, Aus, Aus, Aus},           {Rot, Rot, Rot, Aus, Aus},
            {Rot, Rot, Rot, Rot, Aus},           {Rot, Rot, Rot, Rot, Rot},
            {Gruen, Gruen, Gruen, Gruen, Gruen}, {Gelb, Gelb, Gelb, Gelb, Gelb},
            {Gruen, Gelb, Gelb, Gelb, Gruen}};
        for (int zustand = 0; zustand <= 8; ++zustand) {
            b.rennen.AmpelSetzen(zustand);
            EXPECT_EQ(b.lampen(), erwartet[zustand]) << "state " << zustand;
            EXPECT_EQ(b.rennen.fR.ImAmpel[1].satz, satz);
            EXPECT_EQ(b.port.rts.back(), zustand != 6) << "state " << zustand;
        }
    }
}

TEST(Ampel, UnbekannterZustandAendertWederLampenNochRts) {
    Rennbahn b;
    b.rennen.AmpelSetzen(6);
    for (const int zustand : {9, -1, 100}) {
        b.rennen.AmpelSetzen(zustand);
        EXPECT_EQ(b.lampen(), (L5{Gruen, Gruen, Gruen, Gruen, Gruen}));
        EXPECT_EQ(b.port.rts.size(), 1u);
    }
}

TEST(Klang, OhneSoundPieptJedesEreignis) {
    Rennbahn b;
    for (const char* ereignis : {"start", "crash", "irgendwas"})
        b.rennen.SoundAbspielen(QString::fromLatin1(ereignis));
    EXPECT_EQ(b.klang.pieptoene, (std::vector<std::pair<int, int>>(3, {500, 100})));
    EXPECT_TRUE(b.klang.dateien.isEmpty());
}

TEST(Klang, MitSoundSpieltDieDateiDesEreignisses) {
    Rennbahn b;
    b.rennen.MitSound = true;
    for (const char* ereignis : {"START", "gewinner", "Verlierer", "crash", "unbekannt"})
        b.rennen.SoundAbspielen(QString::fromLatin1(ereignis));
    EXPECT_EQ(b.klang.dateien, (QStringList{"start.wav", "winner.wav", "looser.wav", "crash.wav"}));
    EXPECT_TRUE(b.klang.pieptoene.empty());
    EXPECT_TRUE(b.dialoge.meldungen.empty());
}
