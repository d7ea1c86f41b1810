#include "Qualifikation.h"

#include "Abendfahrer.h"
#include "Zeitlauf.h"

#include <gtest/gtest.h>

namespace {
const QString E = QStringLiteral("Emil");
const QStringList Fahrerliste{A, B, C, D, E};
} // namespace

// Best laps ascending. Bert and Dieter tie to the thousandth: the roster puts Bert first,
// though Dieter drove on lane 1. Emil's lap record came in a run stopped with Stop, which
// counts for nothing, so he starts behind everyone with a time.
TEST(Qualifikation, BesteRundeMitGleichstandUndOhneErgebnis) {
    Abendrennen gestoppt = zeitlauf(2, 4, {{E, 5, 2.5}});
    gestoppt.rennen.abgebrochen = true;
    const std::vector<Abendrennen> rennen{
        zeitlauf(1, 4, {{D, 9, 3.25}, {C, 12, 3.5}, {B, 8, 3.25}, {A, 10, 3.1}}), gestoppt};

    const Startaufstellung s = startaufstellung(Qualifikationsart::BesteRunde, Fahrerliste, rennen);
    EXPECT_EQ(s.fahrer(), (QStringList{A, B, D, C, E}));
    EXPECT_FALSE(s.nachFahrerliste);
    EXPECT_TRUE(s.hinweis().isEmpty());
    ASSERT_TRUE(s.plaetze[0].ergebnis);
    EXPECT_DOUBLE_EQ(*s.plaetze[0].ergebnis, 3.1);
    EXPECT_FALSE(s.plaetze[4].ergebnis);
}

// By distance Carla drove furthest; Anna and Dieter tie on 10.5 laps and Dieter's better best
// lap puts him ahead of Anna, whom the roster would put first. A repeated run replaces the
// first: Bert's 15 laps in the run that was driven again do not count.
TEST(Qualifikation, MeisteRundenNachDistanzDannBesterRunde) {
    const std::vector<Abendrennen> rennen{
        zeitlauf(1, 4, {{B, 15, 3.0}, {E, 4, 3.9}}),
        zeitlauf(2, 4, {{D, 10.5, 3.2}, {C, 12.25, 3.5}, {A, 10.5, 3.3}, {}}),
        zeitlauf(1, 4, {{B, 9.75, 3.0}, {E, 0, 0}}),
    };

    const Startaufstellung s =
        startaufstellung(Qualifikationsart::MeisteRunden, Fahrerliste, rennen);
    EXPECT_EQ(s.fahrer(), (QStringList{C, D, A, B, E}));
    ASSERT_TRUE(s.plaetze[0].ergebnis);
    EXPECT_DOUBLE_EQ(*s.plaetze[0].ergebnis, 12.25);
    ASSERT_TRUE(s.plaetze[3].ergebnis);
    EXPECT_DOUBLE_EQ(*s.plaetze[3].ergebnis, 9.75);
    EXPECT_FALSE(s.plaetze[4].ergebnis); // Emil did not cross the line in the run that counts
}

// Nobody finished: every run stopped, or none at all. The roster's order stands and the racers
// are told so.
TEST(Qualifikation, NiemandFertigFolgtDerFahrerliste) {
    Abendrennen gestoppt = zeitlauf(1, 4, {{E, 12, 3.0}, {D, 11, 3.1}, {C, 10, 3.2}, {B, 9, 3.3}});
    gestoppt.rennen.abgebrochen = true;
    for (const std::vector<Abendrennen>& rennen :
         {std::vector<Abendrennen>{}, std::vector<Abendrennen>{gestoppt}})
        for (Qualifikationsart art :
             {Qualifikationsart::BesteRunde, Qualifikationsart::MeisteRunden}) {
            const Startaufstellung s = startaufstellung(art, Fahrerliste, rennen);
            EXPECT_EQ(s.fahrer(), Fahrerliste);
            EXPECT_TRUE(s.nachFahrerliste);
            EXPECT_EQ(s.hinweis(), QStringLiteral("Niemand hat die Qualifikation beendet: die "
                                                  "Startaufstellung folgt der Fahrerliste."));
        }
}
