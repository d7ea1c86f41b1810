#include "Rennabendtabelle.h"

#include "Abendfahrer.h"
#include "Fakes.h"
#include "Saisonspeicher.h"
#include "Saisontabelle.h"

#include <gtest/gtest.h>

namespace {
Spurfahrt fahrt(const QString& fahrer, double runde) {
    Spurfahrt f;
    f.fahrer = fahrer;
    f.runden = {{runde, 5 / runde, false}, {runde + 1, 5 / (runde + 1), false}};
    f.gesamtzeit = 2 * runde + 1;
    return f;
}

// A lane-change Begegnung: a on lane 1 first, then on lane 2; each lane two laps.
Abendrennen begegnung(int nummer, const QString& a, double rundeA, const QString& b, double rundeB,
                      std::optional<QString> sieger, bool abgebrochen = false) {
    Abendrennen r{nummer, {}};
    r.rennen.art = Rennart::Spurwechsel;
    r.rennen.laeufe = {{fahrt(a, rundeA), fahrt(b, rundeB)}, {fahrt(b, rundeB), fahrt(a, rundeA)}};
    r.rennen.sieger = sieger;
    r.rennen.abgebrochen = abgebrochen;
    return r;
}
} // namespace

// Points 2/1/0: Anna's one win (2 points) ranks before Bert's loss and two draws (2 points)
// though Bert has the faster lap; Bert, Carla and Dieter, level on points and wins, go by best
// lap. The repeat of Begegnung 1 replaces Bert's win; the stopped Begegnung 3 counts for
// nothing; Dieter left, and his draws stay.
TEST(Rennabendtabelle, PunkteSiegeBesteRundeWiederholungAbbruchAusgeschieden) {
    Rennabendregeln regeln;
    regeln.punkte = {2, 1, 0};
    const std::vector<Abendrennen> rennen{
        begegnung(1, A, 4.0, B, 3.9, B),
        begegnung(2, C, 3.6, D, 3.7, std::nullopt),
        begegnung(1, A, 4.0, B, 3.5, A),
        begegnung(3, A, 3.0, C, 3.0, C, true),
        begegnung(4, B, 3.5, D, 3.8, std::nullopt),
        begegnung(5, B, 3.6, QStringLiteral("carla"), 3.9, std::nullopt)};
    const std::vector<Tabellenzeile> tabelle = rennabendtabelle(regeln, {A, B, C}, {D}, rennen);
    ASSERT_EQ(tabelle.size(), 4u);
    EXPECT_EQ(tabelle[0].fahrer, A);
    EXPECT_EQ(tabelle[0].punkte, 2);
    EXPECT_EQ(tabelle[0].siege, 1);
    EXPECT_EQ(tabelle[0].gewertet, 1) << "the stopped race does not count";
    EXPECT_DOUBLE_EQ(tabelle[0].gesamtzeit, 18.0) << "both heats of the repeat, once";
    EXPECT_EQ(tabelle[0].besteRunde, 4.0) << "the stopped race's 3.0 does not count";
    EXPECT_EQ(tabelle[1].fahrer, B);
    EXPECT_EQ(tabelle[1].niederlagen, 1);
    EXPECT_EQ(tabelle[1].unentschieden, 2);
    EXPECT_EQ(tabelle[1].besteRunde, 3.5);
    EXPECT_EQ(tabelle[2].fahrer, C);
    EXPECT_EQ(tabelle[2].punkte, 2) << "\"carla\" is Carla";
    EXPECT_EQ(tabelle[3].fahrer, D);
    EXPECT_TRUE(tabelle[3].ausgeschieden);
    EXPECT_EQ(tabelle[3].punkte, 2);
}

// A rotation by time ranks by distance, whatever the wins; by laps by total time.
TEST(Rennabendtabelle, RotationNachDistanzOderZeit) {
    Rennabendregeln regeln;
    regeln.format = Rennabendformat::Rotation;
    std::vector<Abendrennen> rennen{begegnung(1, A, 3.0, B, 4.0, A),
                                    begegnung(2, B, 4.0, C, 3.5, B),
                                    begegnung(3, C, 3.5, A, 3.0, C)};
    std::vector<Tabellenzeile> tabelle = rennabendtabelle(regeln, {A, B, C}, {}, rennen);
    EXPECT_EQ(tabelle[0].fahrer, A);
    EXPECT_EQ(tabelle[2].fahrer, B);
    EXPECT_EQ(tabelle[0].punkte, 0) << "a rotation gives no points";
    for (Abendrennen& r : rennen)
        for (Spuren<Spurfahrt>& lauf : r.rennen.laeufe)
            for (int spur = 1; spur <= 2; ++spur)
                lauf[spur].distanz = lauf[spur].fahrer == B ? 9.5 : 8.25;
    tabelle = rennabendtabelle(regeln, {A, B, C}, {}, rennen);
    EXPECT_EQ(tabelle[0].fahrer, B);
    EXPECT_DOUBLE_EQ(tabelle[0].distanz, 38.0);
}

// Garbage in the settings store takes the key's default, as every other key does.
TEST(Rennabendregeln, UnlesbareEinstellungenGebenDieVorgabe) {
    FakeSpeicher speicher;
    Einstellungswerte werte(speicher);
    speicher.werte = {{QStringLiteral("RennabendFormat"), QStringLiteral("Rotation")},
                      {QStringLiteral("RennabendPunkte"), QStringLiteral("5, 2,1")}};
    EXPECT_EQ(rennabendregelnLesen(werte).format, Rennabendformat::Rotation);
    EXPECT_EQ(rennabendregelnLesen(werte).punkte, (Punktwertung{5, 2, 1}));
    for (const char* muell : {"3,1", "1,2,0", "3,1,-1", "3;1;0", "101,1,0"}) {
        speicher.werte[QStringLiteral("RennabendPunkte")] = QString::fromLatin1(muell);
        EXPECT_EQ(rennabendregelnLesen(werte).punkte, (Punktwertung{3, 1, 0})) << muell;
    }
    speicher.werte[QStringLiteral("RennabendSaisonpunkte")] = QStringLiteral("5, 3,3");
    EXPECT_EQ(saisonpunkteLesen(werte), (std::vector<int>{5, 3, 3}));
    for (const char* muell : {"", "3,5", "1,x", "101", "1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1"}) {
        speicher.werte[QStringLiteral("RennabendSaisonpunkte")] = QString::fromLatin1(muell);
        EXPECT_EQ(saisonpunkteLesen(werte), (std::vector<int>{10, 8, 6, 5, 4, 3, 2, 1})) << muell;
    }
    speicher.werte[QStringLiteral("RennabendFormat")] = QStringLiteral("rotation");
    EXPECT_EQ(rennabendregelnLesen(werte).format, Rennabendformat::JederGegenJeden);
    EXPECT_FALSE(rennabendregelnLesen(werte).finale);
}

// Nights of a season add up by placing; equal points go to who won more nights, then to the
// better best placing. A driver at one night only is in the table with that night's points,
// the others as not driven.
TEST(Saisontabelle, PlatzierungenZaehlenUeberDieAbende) {
    const QStringList erster{A, B, C}, zweiter{B, QStringLiteral("anna"), QStringLiteral("Dora")},
        dritter{C, B, A};
    const std::vector<Saisonzeile> t =
        saisontabelle({{{}, erster, {}}, {{}, zweiter, {}}, {{}, dritter, {}}}, {10, 8, 6});
    ASSERT_EQ(t.size(), 4u);
    EXPECT_EQ(t[0].fahrer, B); // 8 + 10 + 8
    EXPECT_EQ(t[0].wertung, 26);
    EXPECT_EQ(t[1].fahrer, A); // 10 + 8 + 6, "anna" is Anna
    EXPECT_EQ(t[1].wertung, 24);
    EXPECT_EQ(t[1].abende, 3);
    EXPECT_EQ(t[2].fahrer, C); // 6 + 10: one night won
    EXPECT_EQ(t[2].abendsiege, 1);
    EXPECT_EQ(t[3].fahrer, QStringLiteral("Dora"));
    EXPECT_EQ(t[3].wertung, 6);
    EXPECT_EQ(t[3].abendpunkte, (std::vector<std::optional<int>>{std::nullopt, 6, std::nullopt}));
}

// Drop rounds: of equal worst nights the earlier goes, a night missed goes before any
// driven, and the best night always counts, however many the season drops. Drivers equal
// after the drops go by nights won, though one had more points before and came first.
TEST(Saisontabelle, StreichresultateMitGleichstand) {
    const std::vector<Saisonabend> abende{
        {{}, {B, A, C}, {}}, {{}, {A, C, B}, {}}, {{}, {C, B, A}, {}}, {{}, {B, C}, {}}};
    // Points 10, 6, 6: Anna 6,10,6,– (22), Bert 10,6,6,10 (32), Carla 6,6,10,6 (28).
    const std::vector<int> punkte{10, 6, 6};
    std::vector<Saisonzeile> t = saisontabelle(abende, punkte, 1);
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[0].fahrer, B);
    EXPECT_EQ(t[0].gestrichen, (std::vector<bool>{false, true, false, false})) << "the earlier 6";
    EXPECT_EQ(t[0].wertung, 26);
    EXPECT_EQ(t[0].gesamt, 32);
    EXPECT_EQ(t[1].fahrer, A);
    EXPECT_EQ(t[1].gestrichen, (std::vector<bool>(4, false))) << "the night missed goes";
    EXPECT_EQ(t[1].wertung, 22);
    EXPECT_EQ(t[2].fahrer, C);
    EXPECT_EQ(t[2].gestrichen, (std::vector<bool>{true, false, false, false}));
    EXPECT_EQ(t[2].wertung, 22);

    t = saisontabelle(abende, punkte, MeisteStreichresultate);
    for (const Saisonzeile& z : t)
        EXPECT_EQ(z.wertung, 10) << z.fahrer.toStdString() << ": the best night stays";

    // Points 10, 8, 6, one dropped: Bert 8,8,8 (24) and Carla 6,8,10 (22) both count 16;
    // Carla won a night.
    t = saisontabelle({{{}, {A, B, C}, {}}, {{}, {A, B, C}, {}}, {{}, {C, B, A}, {}}}, {10, 8, 6},
                      1);
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[1].fahrer, C);
    EXPECT_EQ(t[1].wertung, 16);
    EXPECT_EQ(t[2].fahrer, B);
    EXPECT_EQ(t[2].wertung, 16);
    EXPECT_EQ(t[2].gesamt, 24);
}
