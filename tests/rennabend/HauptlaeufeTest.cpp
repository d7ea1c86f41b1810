#include "Hauptlaeufe.h"

#include "Hauptlaufwertung.h"
#include "Planpruefung.h"
#include "Zeitlauf.h"

#include <gtest/gtest.h>

namespace {

QStringList namenDer(const std::vector<Hauptlauf>& laeufe) {
    QStringList namen;
    for (const Hauptlauf& h : laeufe)
        namen << h.name + QLatin1Char(':') + h.fahrer.join(QLatin1Char(','));
    return namen;
}

// Every driver of the rotation on every lane once, nobody twice in one Lauf.
void jederAufJederSpur(const Rennplan& plan, const QStringList& fahrer, int spurenzahl) {
    for (const QString& name : fahrer)
        for (int spur = 1; spur <= spurenzahl; ++spur) {
            int mal = 0;
            for (const Paarung& p : plan)
                mal += p.belegung()[spur] == name;
            EXPECT_EQ(mal, 1) << qPrintable(name) << " auf Spur " << spur;
        }
    for (const Paarung& p : plan) {
        const Laufbelegung b = p.belegung();
        QStringList drin;
        for (const QString& name : b)
            if (!name.isEmpty()) {
                EXPECT_FALSE(drin.contains(name));
                drin << name;
            }
    }
}

} // namespace

// 16 drivers on four lanes: four full mains, the A main driven first; a single Lauf puts the
// seeds on lanes 1 to 4 in their order, a rotation takes each of them round every lane.
TEST(Hauptlaeufe, SechzehnAufVierSpurenOhneAufsteiger) {
    const QStringList f = nummerierteFahrer(16);
    const Hauptlaufeinteilung e = hauptlaeufe(f, 4, false);
    EXPECT_EQ(
        namenDer(e.laeufe),
        (QStringList{QStringLiteral("A:F1,F2,F3,F4"), QStringLiteral("B:F5,F6,F7,F8"),
                     QStringLiteral("C:F9,F10,F11,F12"), QStringLiteral("D:F13,F14,F15,F16")}));
    EXPECT_EQ(e.fahrfolge(), (std::vector<std::size_t>{0, 1, 2, 3}));
    for (const Hauptlauf& h : e.laeufe)
        EXPECT_FALSE(h.aufsteigerplatz);

    const Rennplan einzeln = hauptlaufPlan(e.laeufe[1], 4, Hauptlaufmodus::Einzellauf);
    ASSERT_EQ(einzeln.size(), 1U);
    EXPECT_EQ(einzeln[0], (Paarung{QStringLiteral("F5"),
                                   QStringLiteral("F6"),
                                   false,
                                   {QStringLiteral("F7"), QStringLiteral("F8")}}));
    const Rennplan rotation = hauptlaufPlan(e.laeufe[0], 4, Hauptlaufmodus::Rotation);
    EXPECT_EQ(rotation.size(), 4U);
    jederAufJederSpur(rotation, e.laeufe[0].fahrer, 4);
}

// With bump-ups every main above the lowest seeds three and keeps lane 4 for the winner from
// below; the lowest takes the last four, and the mains run from it up.
TEST(Hauptlaeufe, SechzehnAufVierSpurenMitAufsteiger) {
    const Hauptlaufeinteilung e = hauptlaeufe(nummerierteFahrer(16), 4, true);
    EXPECT_EQ(namenDer(e.laeufe),
              (QStringList{QStringLiteral("A:F1,F2,F3"), QStringLiteral("B:F4,F5,F6"),
                           QStringLiteral("C:F7,F8,F9"), QStringLiteral("D:F10,F11,F12"),
                           QStringLiteral("E:F13,F14,F15,F16")}));
    EXPECT_EQ(e.fahrfolge(), (std::vector<std::size_t>{4, 3, 2, 1, 0}));
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_TRUE(e.laeufe[i].aufsteigerplatz);
    EXPECT_FALSE(e.laeufe[4].aufsteigerplatz);

    // Before the E main is decided the D main's seat stays free; then its winner takes it.
    const Paarung offen = hauptlaufPlan(e.laeufe[3], 4, Hauptlaufmodus::Einzellauf).front();
    EXPECT_EQ(offen.belegung()[3], QStringLiteral("F12"));
    EXPECT_TRUE(offen.belegung()[4].isEmpty());
    const QString sieger = QStringLiteral("F15");
    const Paarung besetzt =
        hauptlaufPlan(e.laeufe[3], 4, Hauptlaufmodus::Einzellauf, sieger).front();
    EXPECT_EQ(
        besetzt,
        (Paarung{
            QStringLiteral("F10"), QStringLiteral("F11"), false, {QStringLiteral("F12"), sieger}}));
    jederAufJederSpur(hauptlaufPlan(e.laeufe[3], 4, Hauptlaufmodus::Rotation, sieger),
                      e.laeufe[3].fahrer + QStringList{sieger}, 4);
}

// Mains that do not come out even: the lowest main is short, and a driver left alone joins the
// main above only when a lane is free there (its bump-up seat); otherwise he stays.
TEST(Hauptlaeufe, KurzeUndEinzelneHauptlaeufe) {
    const QStringList sieben = nummerierteFahrer(7);
    EXPECT_EQ(namenDer(hauptlaeufe(sieben, 4, false).laeufe),
              (QStringList{QStringLiteral("A:F1,F2,F3,F4"), QStringLiteral("B:F5,F6,F7")}));
    const Rennplan kurz =
        hauptlaufPlan(hauptlaeufe(sieben, 4, false).laeufe[1], 4, Hauptlaufmodus::Einzellauf);
    EXPECT_EQ(
        kurz.front(),
        (Paarung{
            QStringLiteral("F5"), QStringLiteral("F6"), false, {QStringLiteral("F7"), QString()}}));
    EXPECT_EQ(namenDer(hauptlaeufe(sieben, 4, true).laeufe),
              (QStringList{QStringLiteral("A:F1,F2,F3"), QStringLiteral("B:F4,F5,F6,F7")}));

    EXPECT_EQ(namenDer(hauptlaeufe(nummerierteFahrer(9), 4, false).laeufe),
              (QStringList{QStringLiteral("A:F1,F2,F3,F4"), QStringLiteral("B:F5,F6,F7,F8"),
                           QStringLiteral("C:F9")}));
    const Hauptlaufeinteilung vier = hauptlaeufe(nummerierteFahrer(4), 4, true);
    ASSERT_EQ(vier.laeufe.size(), 1U);
    EXPECT_FALSE(vier.laeufe[0].aufsteigerplatz);
    EXPECT_EQ(vier.laeufe[0].fahrer.size(), 4);
    // Two lanes with bump-ups: one seed and the seat per main, the last two together.
    EXPECT_EQ(namenDer(hauptlaeufe(nummerierteFahrer(5), 2, true).laeufe),
              (QStringList{QStringLiteral("A:F1"), QStringLiteral("B:F2"), QStringLiteral("C:F3"),
                           QStringLiteral("D:F4,F5")}));
}

// Seven drivers on four lanes with a bump-up. In the B main F6 wins and moves up; F5 drove
// the fastest lap but finished last, and on a night that counts wins he stays last, as he
// crossed the line. In the A main F6 wins again. The night's places: the A main's order,
// then the B main's without F6, then F8, who joined after the mains were set.
TEST(Hauptlaeufe, PlaetzeMitAufsteiger) {
    const QStringList f = nummerierteFahrer(7);
    const Hauptlaufeinteilung e = hauptlaeufe(f, 4, true);
    Rennabendregeln regeln; // counts wins, as a two-lane night would
    const auto n = [](int i) { return QStringLiteral("F%1").arg(i); };

    Hauptlaufrennen rennen(2);
    EXPECT_EQ(hauptlauffahrer(regeln, e, rennen)[0], (QStringList{n(1), n(2), n(3)}));
    rennen[1] = {zeitlauf(
        1, 4, {{n(4), 11.5, 3.3}, {n(5), 9.0, 3.0}, {n(6), 12.0, 3.2}, {n(7), 10.0, 3.4}})};
    EXPECT_EQ(hauptlaufreihenfolge(regeln, e.laeufe[1].fahrer, rennen[1]),
              (QStringList{n(6), n(4), n(7), n(5)}));
    EXPECT_EQ(hauptlauffahrer(regeln, e, rennen)[0], (QStringList{n(1), n(2), n(3), n(6)}));

    rennen[0] = {zeitlauf(
        2, 4, {{n(1), 11.0, 3.1}, {n(2), 10.0, 3.2}, {n(3), 10.5, 3.3}, {n(6), 12.5, 3.2}})};
    EXPECT_EQ(abendplaetze(regeln, e, rennen, f + QStringList{n(8)}),
              (QStringList{n(6), n(1), n(3), n(2), n(4), n(7), n(5), n(8)}));
}
