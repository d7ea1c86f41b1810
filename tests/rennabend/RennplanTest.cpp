#include "Planpruefung.h"

#include "Abendfahrer.h"
#include "Fahrerliste.h"

#include <gtest/gtest.h>

namespace {
QString paarSchluessel(const Paarung& p) {
    return p.spur1 < p.spur2 ? p.spur1 + QLatin1Char('|') + p.spur2
                             : p.spur2 + QLatin1Char('|') + p.spur1;
}
} // namespace

// A driver waits about half the roster between entries: from five drivers on never back to
// back in Begegnungen, never much more than the average; in a rotation the next Lauf nearly
// always brings another opponent (an even roster meets one opponent twice, which a small
// roster cannot always keep apart).
TEST(Rennplan, PausenGleichmaessigUndWechselndeGegner) {
    for (Rennabendformat format : {Rennabendformat::JederGegenJeden, Rennabendformat::Rotation})
        for (int n = 4; n <= 16; ++n) {
            SCOPED_TRACE(QStringLiteral("%1 Fahrer, %2").arg(n).arg(rennabendformatName(format))
                             .toStdString());
            const Rennplan plan = rennplan(nummerierteFahrer(n), format);
            const Wartezeiten w = wartezeiten(laeufeVon(plan));
            if (format == Rennabendformat::JederGegenJeden && n >= 5) {
                EXPECT_GE(w.kuerzeste, 2);
            }
            EXPECT_LE(w.laengste, 3 * n / 4 + 2);
            std::map<QString, QString> letzterGegner;
            int wiederDieselben = 0;
            for (const Paarung& p : plan) {
                wiederDieselben += letzterGegner[p.spur1] == p.spur2;
                letzterGegner[p.spur1] = p.spur2;
                letzterGegner[p.spur2] = p.spur1;
            }
            EXPECT_LE(wiederDieselben, format == Rennabendformat::Rotation && n % 2 == 0 ? 2 : 0);
        }
}

// After five Begegnungen Dieter leaves and Gabi joins; "anna" is the Anna who drove already.
// What was driven stays, Dieter drives no more, and every pair of the night now meets exactly
// once, counting the Begegnungen driven; the rest of the night keeps its rules.
TEST(Rennplan, NeuPlanenNachWechselDerFahrer) {
    const QString eva = QStringLiteral("Eva"), fritz = QStringLiteral("Fritz");
    const QStringList vorher{A, B, C, D, eva, fritz};
    const Rennplan alt = rennplan(vorher, Rennabendformat::JederGegenJeden);
    const QStringList jetzt{A.toLower(), B, C, eva, fritz, QStringLiteral("Gabi")};
    const Rennplan neu = neuPlanen(alt, 5, jetzt, Rennabendformat::JederGegenJeden);
    ASSERT_GE(neu.size(), 5u);
    EXPECT_TRUE(std::equal(alt.begin(), alt.begin() + 5, neu.begin()));
    Rennplan rest(neu.begin() + 5, neu.end());
    for (const Paarung& p : rest)
        EXPECT_TRUE(p.spur1 != D && p.spur2 != D);
    std::map<QString, int> paare;
    for (const Paarung& p : neu)
        if (p.spur1 != D && p.spur2 != D)
            ++paare[paarSchluessel({p.spur1.toLower(), p.spur2.toLower()})];
    EXPECT_EQ(paare.size(), 15u);
    for (const auto& [paar, zahl] : paare)
        EXPECT_EQ(zahl, 1) << paar.toStdString();
    EXPECT_LE(wartezeiten(laeufeVon(rest)).laengsteSerie, 2);

    // A rotation counts a Lauf as driven when the same two drove it on the same lanes.
    const Rennplan rotation = rennplan(vorher, Rennabendformat::Rotation);
    const Rennplan ohneDieter = neuPlanen(rotation, 4, jetzt.mid(0, 5), Rennabendformat::Rotation);
    EXPECT_TRUE(std::equal(rotation.begin(), rotation.begin() + 4, ohneDieter.begin()));
    for (auto p = ohneDieter.begin() + 4; p != ohneDieter.end(); ++p) {
        EXPECT_NE(p->spur1, D);
        EXPECT_NE(p->spur2, D);
        for (auto q = ohneDieter.begin(); q != ohneDieter.begin() + 4; ++q)
            EXPECT_FALSE(gleicherFahrer(p->spur1, q->spur1) && gleicherFahrer(p->spur2, q->spur2));
    }
}
