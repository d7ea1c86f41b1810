#include "Rennergebnis.h"

#include "Rennbahn.h"

#include <gtest/gtest.h>

namespace {
Laufergebnis lauf(std::vector<Laufwerte> spuren) {
    Laufergebnis l;
    for (const Laufwerte& w : spuren)
        l.spuren.push_back({QStringLiteral("Fahrer %1").arg(l.spuren.size() + 1), {}, {}, 0, w, 0});
    return l;
}

Renneinstellungen einstellungen(Rennlaenge art) {
    Renneinstellungen e;
    e.spurwechsel = true;
    e.rennart = art;
    e.rundenzahl = 2;
    e.kurslaenge = 6;
    return e;
}

Rennergebnis gewertet(const Laufergebnis& erster, const Laufergebnis& zweiter, Rennlaenge art) {
    const Renneinstellungen e = einstellungen(art);
    Rennergebnis r{{erster, zweiter}, {}, Spurrotation(e)};
    r.fahrer = gesamtwertung(r.laeufe, r.rotation, e);
    return r;
}
} // namespace

// Driver 1 of the second heat drove lane 2 in the first: totals pair the lanes crosswise.
// Level totals share first place and crown no one; a driver not home in a heat has no place,
// so the one home in both wins though their sum is the greater; by time the distance comes
// before the time.
TEST(Rennergebnis, GesamtwertungPaartDieSpurenUndTeiltGleichePlaetze) {
    const Rennergebnis knapp =
        gewertet(lauf({{10, 0, 0, true}, {12, 0, 0, true}}),
                 lauf({{9, 0, 0, true}, {11, 0, 0, true}}), Rennlaenge::Runden);
    EXPECT_DOUBLE_EQ(knapp.gesamt(1).gesamt.zeit, 21);
    EXPECT_DOUBLE_EQ(knapp.gesamt(2).gesamt.zeit, 21);
    EXPECT_EQ(knapp.gesamt(1).platz, 1);
    EXPECT_EQ(knapp.gesamt(2).platz, 1);
    EXPECT_EQ(knapp.sieger(), 0);
    EXPECT_DOUBLE_EQ(knapp.gesamt(1).gesamt.geschwindigkeit, 1.143) << "24 m in 21 s, as shown";

    const Rennergebnis kurz =
        gewertet(lauf({{10, 0, 0, true}, {0, 0, 0, false}}),
                 lauf({{9, 0, 0, true}, {11, 0, 0, true}}), Rennlaenge::Runden);
    EXPECT_EQ(kurz.gesamt(1).platz, 0);
    EXPECT_EQ(kurz.gesamt(2).platz, 1);
    EXPECT_EQ(kurz.sieger(), 2);

    const Rennergebnis weit =
        gewertet(lauf({{30, 0, 7, true}, {30.5, 0, 8, true}}),
                 lauf({{30, 0, 8, true}, {31, 0, 7, true}}), Rennlaenge::Zeit);
    EXPECT_EQ(weit.gesamt(1).gesamt.distanz, 16);
    EXPECT_EQ(weit.sieger(), 1) << "16 laps beat 14 in a shorter time";
}

// Everyone who hears of a lane-change race's end finds both heats' totals and the winner on
// them already decided; the result window follows the Hall of Fame and the result file.
TEST(Rennergebnis, StehtVorDerHallOfFameFestUndDasErgebnisfensterKommtZuletzt) {
    struct Ende final : Rennbeobachter {
        void rennende(const Rennen& r, int) override {
            gehoert.push_back(r.ergebnis().gesamtGewertet() ? r.ergebnis().sieger() : -1);
        }
        std::vector<int> gehoert;
    } ende;
    Rennbahn b;
    b.rennen.beobachterAnmelden(ende);
    b.einstellen([](Renneinstellungen& e) {
        e.spurwechsel = true;
        e.permanentesLogging = true;
    });
    b.runden(2);
    b.rennen.fahrerBenennen(1, QStringLiteral("Anna"));
    b.rennen.fahrerBenennen(2, QStringLiteral("Bernd"));
    std::vector<std::size_t> fensterBeimHof;
    b.rekorde.beimHofPruefen = [&] { fensterBeimHof.push_back(b.dialoge.ergebnisfenster.size()); };

    b.starten();
    b.fahren(1, 0.1, {5, 5});
    b.fahren(2, 0.1, {5, 6});
    b.starten(); // Bernd on lane 1, Anna on lane 2
    b.fahren(1, 0.1, {4, 4});
    b.fahren(2, 0.1, {5, 6});

    EXPECT_EQ(ende.gehoert, (std::vector<int>{-1, 1})) << "Bernd: 19.2 s against 21.2 s";
    EXPECT_EQ(b.rennen.ergebnis().gesamt(1).fahrer, "Bernd");
    EXPECT_EQ(b.rennen.ergebnis().letzterLauf().spur(2).platz, 2);
    EXPECT_EQ(fensterBeimHof, (std::vector<std::size_t>{0, 0}));
    ASSERT_EQ(b.dialoge.ergebnisfenster.size(), 1u);
    EXPECT_EQ(b.dialoge.ergebnisfenster[0].LaUeberschrift, "Bernd hat gewonnen!");
    EXPECT_EQ(b.rekorde.aufrufe,
              (QStringList{"HofPruefen", "ErgebnisSpeichern", "HofPruefen", "ErgebnisSpeichern"}));
}
