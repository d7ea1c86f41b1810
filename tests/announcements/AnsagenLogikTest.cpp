// The "Ansagen" window's logic and the settings it keeps.
#include "AnsagenLogik.h"

#include "Ansagenfenster.h"

#include <gtest/gtest.h>

TEST(AnsagenLogik, UnlesbareWerteGebenDieVorgaben) {
    FakeSpeicher speicher;
    speicher.werte = {{"Ansagen", "vielleicht"},
                      {"AnsageFahrername", "True"},
                      {"AnsageRestrunden", "0"},
                      {"AnsageTempo", "schnell"},
                      {"AnsageLautstaerke", "500"}};
    Einstellungswerte werte(speicher);
    const Ansageeinstellungen e = Ansageeinstellungen::lesen(werte);
    EXPECT_TRUE(e.an);
    EXPECT_TRUE(e.rundenzeit);
    EXPECT_TRUE(e.fahrername);
    EXPECT_FALSE(e.restrunden);
    EXPECT_EQ(e.tempo, 175);
    EXPECT_EQ(e.lautstaerke, 100);
    speicher.werte = {{"AnsageTempo", "79"}, {"AnsageLautstaerke", "-1"}};
    EXPECT_EQ(Ansageeinstellungen::lesen(werte).tempo, 175);
    EXPECT_EQ(Ansageeinstellungen::lesen(werte).lautstaerke, 100);
    speicher.werte = {{"AnsageTempo", "400"}, {"AnsageLautstaerke", "0"}};
    EXPECT_EQ(Ansageeinstellungen::lesen(werte).tempo, 400);
    EXPECT_EQ(Ansageeinstellungen::lesen(werte).lautstaerke, 0);
}

TEST(AnsagenLogik, JedeAenderungGiltSofortUndBleibtGespeichert) {
    Ansagenfenster f;
    auto& [speicher, werte, e, sprecher, ansagen, logik] = f;

    logik.ankreuzen(&Ansageeinstellungen::fahrername, true);
    logik.tempoSetzen(1000);
    logik.lautstaerkeSetzen(40);
    logik.probeSprechen();
    EXPECT_EQ(sprecher.gesagt, QStringList{"Anna, vier Komma zwei eins"});
    EXPECT_EQ(sprecher.weise.tempo, 400);
    EXPECT_EQ(sprecher.weise.lautstaerke, 40);

    logik.ankreuzen(&Ansageeinstellungen::an, false);
    EXPECT_FALSE(logik.artenWaehlbar());
    EXPECT_EQ(speicher.werte["Ansagen"], "False");
    EXPECT_EQ(speicher.werte["AnsageFahrername"], "True");
    EXPECT_EQ(speicher.werte["AnsageTempo"], "400");
    EXPECT_EQ(Ansageeinstellungen::lesen(werte), e) << "what was stored reads back the same";
}
