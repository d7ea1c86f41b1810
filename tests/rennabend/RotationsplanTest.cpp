#include "Planpruefung.h"

#include "Fahrerliste.h"
#include "Fakes.h"
#include "Rennabendregeln.h"

#include <gtest/gtest.h>

namespace {

// What a racer would hold against the chart, in words; empty when nothing. Every driver of
// `fahrer` drives each lane once, nobody else drives, nobody twice in one Lauf.
QString rundenfehler(const Spurplan& plan, const QStringList& fahrer, int spuren) {
    std::map<QString, std::map<int, int>> spurfahrten;
    for (std::size_t h = 0; h < plan.size(); ++h) {
        if (plan[h].anzahl() != spuren)
            return QStringLiteral("Lauf %1 hat %2 Spuren").arg(h + 1).arg(plan[h].anzahl());
        QStringList drin;
        for (int s = 1; s <= spuren; ++s) {
            const QString& name = plan[h][s];
            if (name.isEmpty())
                continue;
            if (!fahrer.contains(name))
                return QStringLiteral("Lauf %1: unbekannt %2").arg(h + 1).arg(name);
            if (drin.contains(name))
                return QStringLiteral("Lauf %1: %2 zweimal").arg(h + 1).arg(name);
            drin << name;
            ++spurfahrten[name][s];
        }
    }
    for (const QString& f : fahrer)
        for (int s = 1; s <= spuren; ++s)
            if (spurfahrten[f][s] != 1)
                return QStringLiteral("%1 fährt Spur %2 %3-mal")
                    .arg(f)
                    .arg(s)
                    .arg(spurfahrten[f][s]);
    return {};
}

int belegt(const Laufbelegung& lauf) {
    return static_cast<int>(
        std::count_if(lauf.begin(), lauf.end(), [](const QString& n) { return !n.isEmpty(); }));
}

} // namespace

// Every track and roster a night can have: each driver once on every lane, full Läufe when
// the drivers fill the lanes (else every driver in every Lauf), nobody back to back from
// twice as many drivers as lanes on, no driver sitting out much longer than the mean, and
// the same chart every time.
TEST(Rotationsplan, JederFaehrtJedeSpurEinmal) {
    for (int spuren = KleinsteSpurenzahl; spuren <= GroessteSpurenzahl; ++spuren)
        for (int n = WenigsteFahrer; n <= MeisteFahrerSpurrotation; ++n) {
            SCOPED_TRACE(QStringLiteral("%1 Fahrer, %2 Spuren").arg(n).arg(spuren).toStdString());
            const QStringList fahrer = nummerierteFahrer(n);
            const Spurplan plan = rotationsplan(fahrer, spuren);
            EXPECT_EQ(rundenfehler(plan, fahrer, spuren).toStdString(), "");
            ASSERT_EQ(int(plan.size()), std::max(n, spuren));
            for (const Laufbelegung& lauf : plan)
                ASSERT_EQ(belegt(lauf), std::min(n, spuren));
            const Wartezeiten w = wartezeiten(plan);
            if (n >= 2 * spuren) {
                EXPECT_GE(w.kuerzeste, 2);
            }
            EXPECT_LE(w.laengste, (n + spuren - 1) / spuren + 1);
            EXPECT_EQ(rotationsplan(fahrer, spuren), plan);
        }
}

// Nobody meets one opponent in many Läufe while never seeing another, as far as the round
// allows: four lanes and sixteen drivers give each driver twelve opponent places for fifteen
// others.
TEST(Rotationsplan, GegnerGestreut) {
    for (const auto& [n, spuren, streuung] :
         {std::tuple{16, 4, 2}, std::tuple{12, 3, 1}, std::tuple{8, 3, 2}, std::tuple{32, 8, 3}}) {
        const QStringList fahrer = nummerierteFahrer(n);
        const Gegnerstreuung g = gegnerstreuung(rotationsplan(fahrer, spuren), fahrer);
        EXPECT_LE(g.meiste - g.wenigste, streuung) << n << " Fahrer, " << spuren << " Spuren";
    }
    // With fewer drivers than lanes all drive every Lauf together.
    const QStringList drei = nummerierteFahrer(3);
    const Gegnerstreuung alle = gegnerstreuung(rotationsplan(drei, 6), drei);
    EXPECT_EQ(alle.meiste, 6);
    EXPECT_EQ(alle.wenigste, 6);
}

// A driver leaving or joining part way: the Läufe driven stay, the leaver drives no more, the
// newcomer (and who comes back, by any case of the name) drives each lane still owed once.
TEST(Rotationsplan, NeuPlanenNachWechsel) {
    for (int spuren : {2, 3, 5, 8})
        for (int n : {3, 7, 16, 32})
            for (std::size_t gefahren : {std::size_t(1), std::size_t(n / 2)}) {
                SCOPED_TRACE(QStringLiteral("%1 Fahrer, %2 Spuren, %3 gefahren")
                                 .arg(n)
                                 .arg(spuren)
                                 .arg(gefahren)
                                 .toStdString());
                const QStringList fahrer = nummerierteFahrer(n);
                const Spurplan plan = rotationsplan(fahrer, spuren);
                const QString geht = plan[0][1];
                QStringList ohne = fahrer;
                ohne.removeAll(geht);
                if (ohne.size() >= WenigsteFahrer) {
                    const Spurplan neu = rotationsplanNeu(plan, gefahren, ohne, spuren);
                    ASSERT_TRUE(
                        std::equal(plan.begin(), plan.begin() + long(gefahren), neu.begin()));
                    for (std::size_t h = gefahren; h < neu.size(); ++h)
                        EXPECT_FALSE(std::find(neu[h].begin(), neu[h].end(), geht) != neu[h].end());
                    // The leaver's Läufe before he left are no fault of the new round.
                    Spurplan ohneIhn = neu;
                    for (Laufbelegung& lauf : ohneIhn)
                        std::replace(lauf.begin(), lauf.end(), geht, QString());
                    EXPECT_EQ(rundenfehler(ohneIhn, ohne, spuren).toStdString(), "");
                    EXPECT_EQ(rotationsplanNeu(plan, gefahren, ohne, spuren), neu);
                }
                if (n < MeisteFahrerSpurrotation) {
                    const QStringList mit = fahrer + QStringList{QStringLiteral("Neu")};
                    EXPECT_EQ(rundenfehler(rotationsplanNeu(plan, gefahren, mit, spuren), mit,
                                           spuren)
                                  .toStdString(),
                              "");
                }
                // Back under another case: what the driver drove before still counts.
                QStringList zurueck = ohne;
                zurueck << geht.toLower();
                const Spurplan wieder = rotationsplanNeu(plan, gefahren, zurueck, spuren);
                for (int s = 1; s <= spuren; ++s)
                    EXPECT_EQ(std::count_if(wieder.begin(), wieder.end(),
                                            [&](const Laufbelegung& l) {
                                                return gleicherFahrer(l[s], geht);
                                            }),
                              1)
                        << "Spur " << s;
            }
}

// A wider track has only the round over every lane, whatever the store says; on two lanes it
// is one format among three, with its pairs each driver's two Läufe, one on each lane, and up
// to 32 drivers where the nights of pairs stop at 16.
TEST(Rotationsplan, FormatDerBahn) {
    FakeSpeicher speicher;
    Einstellungswerte werte(speicher);
    EXPECT_EQ(rennabendregelnLesen(werte, 4).format, Rennabendformat::Spurrotation);
    EXPECT_EQ(rennabendregelnLesen(werte).format, Rennabendformat::JederGegenJeden);
    speicher.werte = {{QStringLiteral("RennabendFormat"), QStringLiteral("Spurrotation")}};
    EXPECT_EQ(rennabendregelnLesen(werte).format, Rennabendformat::Spurrotation);

    const QStringList fahrer = nummerierteFahrer(5);
    EXPECT_EQ(laeufeVon(rennplan(fahrer, Rennabendformat::Spurrotation)),
              rotationsplan(fahrer, 2));
    EXPECT_FALSE(
        fahrerlisteFehler(nummerierteFahrer(32), meisteFahrer(Rennabendformat::Spurrotation)));
    EXPECT_TRUE(fahrerlisteFehler(nummerierteFahrer(17), meisteFahrer(Rennabendformat::Rotation)));
}
