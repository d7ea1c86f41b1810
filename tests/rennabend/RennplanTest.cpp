#include "Rennplan.h"

#include "Fahrerliste.h"

#include <QSet>
#include <gtest/gtest.h>
#include <map>

namespace {
QStringList fahrer(int n) {
    QStringList namen;
    for (int i = 0; i < n; ++i)
        namen << QStringLiteral("F%1").arg(i + 1);
    return namen;
}

QString paarSchluessel(const Paarung& p) {
    return p.spur1 < p.spur2 ? p.spur1 + QLatin1Char('|') + p.spur2
                             : p.spur2 + QLatin1Char('|') + p.spur1;
}

// Per driver: entries in the plan, of them on lane 1, longest run, and the longest and
// shortest wait between two of its entries.
struct Fahrerbilanz {
    int eintraege = 0, spurEins = 0, laengsteSerie = 0, laengsteWartezeit = 0;
    int kuerzesteWartezeit = 1 << 20;
};

std::map<QString, Fahrerbilanz> bilanz(const Rennplan& plan) {
    std::map<QString, Fahrerbilanz> b;
    std::map<QString, int> zuletzt, serie;
    for (int i = 0; i < int(plan.size()); ++i)
        for (const QString& f : {plan[i].spur1, plan[i].spur2}) {
            Fahrerbilanz& x = b[f];
            ++x.eintraege;
            x.spurEins += f == plan[i].spur1;
            if (zuletzt.count(f)) {
                x.laengsteWartezeit = std::max(x.laengsteWartezeit, i - zuletzt[f]);
                x.kuerzesteWartezeit = std::min(x.kuerzesteWartezeit, i - zuletzt[f]);
            }
            serie[f] = zuletzt.count(f) && zuletzt[f] == i - 1 ? serie[f] + 1 : 1;
            x.laengsteSerie = std::max(x.laengsteSerie, serie[f]);
            zuletzt[f] = i;
        }
    return b;
}
} // namespace

// A driver waits about half the roster between entries: from five drivers on never back to
// back in Begegnungen, never much more than the average; in a rotation the next Lauf nearly
// always brings another opponent (an even roster meets one opponent twice, which a small
// roster cannot always keep apart).
TEST(Rennplan, PausenGleichmaessigUndWechselndeGegner) {
    for (Rennabendformat format : {Rennabendformat::JederGegenJeden, Rennabendformat::Rotation})
        for (int n = 4; n <= 16; ++n) {
            const Rennplan plan = rennplan(fahrer(n), format);
            for (const auto& [name, b] : bilanz(plan)) {
                SCOPED_TRACE(QStringLiteral("%1 von %2, %3")
                                 .arg(name)
                                 .arg(n)
                                 .arg(rennabendformatName(format))
                                 .toStdString());
                if (format == Rennabendformat::JederGegenJeden && n >= 5) {
                    EXPECT_GE(b.kuerzesteWartezeit, 2);
                }
                EXPECT_LE(b.laengsteWartezeit, 3 * n / 4 + 2);
            }
            std::map<QString, QString> letzterGegner;
            int wiederDieselben = 0;
            for (const Paarung& p : plan) {
                wiederDieselben += letzterGegner[p.spur1] == p.spur2;
                letzterGegner[p.spur1] = p.spur2;
                letzterGegner[p.spur2] = p.spur1;
            }
            EXPECT_LE(wiederDieselben, format == Rennabendformat::Rotation && n % 2 == 0 ? 2 : 0)
                << n << " Fahrer";
        }
}

// After five Begegnungen Dieter leaves and Gabi joins; "anna" is the Anna who drove already.
// What was driven stays, Dieter drives no more, and every pair of the night now meets exactly
// once, counting the Begegnungen driven; the rest of the night keeps its rules.
TEST(Rennplan, NeuPlanenNachWechselDerFahrer) {
    const QStringList vorher{QStringLiteral("Anna"),  QStringLiteral("Bert"),
                             QStringLiteral("Carla"), QStringLiteral("Dieter"),
                             QStringLiteral("Eva"),   QStringLiteral("Fritz")};
    const Rennplan alt = rennplan(vorher, Rennabendformat::JederGegenJeden);
    const QStringList jetzt{QStringLiteral("anna"),  QStringLiteral("Bert"),
                            QStringLiteral("Carla"), QStringLiteral("Eva"),
                            QStringLiteral("Fritz"), QStringLiteral("Gabi")};
    const Rennplan neu = neuPlanen(alt, 5, jetzt, Rennabendformat::JederGegenJeden);
    ASSERT_GE(neu.size(), 5u);
    EXPECT_TRUE(std::equal(alt.begin(), alt.begin() + 5, neu.begin()));
    Rennplan rest(neu.begin() + 5, neu.end());
    for (const Paarung& p : rest)
        EXPECT_TRUE(p.spur1 != QStringLiteral("Dieter") && p.spur2 != QStringLiteral("Dieter"));
    std::map<QString, int> paare;
    for (const Paarung& p : neu)
        if (p.spur1 != QStringLiteral("Dieter") && p.spur2 != QStringLiteral("Dieter"))
            ++paare[paarSchluessel({p.spur1.toLower(), p.spur2.toLower()})];
    EXPECT_EQ(paare.size(), 15u);
    for (const auto& [paar, zahl] : paare)
        EXPECT_EQ(zahl, 1) << paar.toStdString();
    for (const auto& [name, b] : bilanz(rest))
        EXPECT_LE(b.laengsteSerie, 2) << name.toStdString();

    // A rotation counts a Lauf as driven when the same two drove it on the same lanes.
    const Rennplan rotation = rennplan(vorher, Rennabendformat::Rotation);
    const Rennplan ohneDieter = neuPlanen(rotation, 4, jetzt.mid(0, 5), Rennabendformat::Rotation);
    EXPECT_TRUE(std::equal(rotation.begin(), rotation.begin() + 4, ohneDieter.begin()));
    for (auto p = ohneDieter.begin() + 4; p != ohneDieter.end(); ++p) {
        EXPECT_NE(p->spur1, QStringLiteral("Dieter"));
        EXPECT_NE(p->spur2, QStringLiteral("Dieter"));
        for (auto q = ohneDieter.begin(); q != ohneDieter.begin() + 4; ++q)
            EXPECT_FALSE(gleicherFahrer(p->spur1, q->spur1) && gleicherFahrer(p->spur2, q->spur2));
    }
}
