#include "Rennabendleiter.h"

#include "Abendfahrer.h"
#include "Fakes.h"
#include "RennabendLogik.h"
#include "Rennbahn.h"
#include "Rennmitschrift.h"
#include "Verlaufstest.h"

#include <gtest/gtest.h>

namespace {
// The race, the history's listener and the night between them, as the program wires them;
// what the night asks to load is loaded when the test says the race is idle again.
struct Abendbahn : Rennbahn {
    Abendbahn() {
        rennen.beobachterAnmelden(mitschrift);
        runden(2);
    }
    // A Lauf in which lane `vorn` is home first (laps of `schnell` seconds against 3 s).
    void laufFahren(int vorn, double schnell = 2) {
        starten();
        for (int spur = 1; spur <= 2; ++spur) {
            const double runde = spur == vorn ? schnell : 3;
            fahren(spur, 0.5, {runde, runde});
        }
    }
    void zwischenDenRennen() {
        while (anstoesse > 0) {
            --anstoesse;
            ASSERT_TRUE(leiter.laden());
        }
    }
    QStringList spuren() const { return {spur(1).fahrer, spur(2).fahrer}; }

    Ablageliste ablage;
    int anstoesse = 0;
    Rennabendleiter leiter{rennen, ablage, [this] { ++anstoesse; }};
    Rennmitschrift mitschrift{leiter, [] { return Signalquelle::Tastatur; },
                              [] { return QDateTime::currentDateTime(); }};
};
} // namespace

// Three drivers, every pair one Begegnung of two Läufe: each Begegnung's drivers are loaded
// with their colours and the lane change on; a stopped Lauf and a false start leave the
// Begegnung where it is; the standings' points follow the stored races' winners.
TEST(Rennabendleiter, DreiBegegnungenMitAbbruchUndFehlstart) {
    Abendbahn b;
    b.leiter.beginnen({A, B, C}, Rennabendregeln{});
    b.zwischenDenRennen();
    const Rennplan plan = b.leiter.abend().plan;
    ASSERT_EQ(plan.size(), 3u);
    for (std::size_t i = 0; i < plan.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(b.spuren(), QStringList({plan[i].spur1, plan[i].spur2}));
        EXPECT_TRUE(b.einstellungen().spurwechsel);
        EXPECT_EQ(
            b.spur(1).farbe,
            b.leiter.abend()
                .teilnehmer[static_cast<std::size_t>(QStringList({A, B, C}).indexOf(plan[i].spur1))]
                .farbe);
        if (i == 0) {
            // Stopped in the second Lauf, then a false start: nothing counts, nothing moves.
            b.laufFahren(1);
            b.starten();
            b.signal(1, 0.5);
            b.rennen.startGedrueckt();
            b.bei(-6);
            b.rennen.startGedrueckt();
            b.countdown(10);
            b.signal(2, -4);
            b.zwischenDenRennen();
            EXPECT_EQ(b.leiter.naechste(), 1);
            EXPECT_TRUE(b.leiter.abend().rennen.empty());
        }
        // The first lane-1 driver wins both Läufe; the last Begegnung is a draw.
        b.laufFahren(1);
        b.laufFahren(2, i == 2 ? 2 : 1.5);
        b.zwischenDenRennen();
    }
    EXPECT_FALSE(b.leiter.naechste());
    ASSERT_EQ(b.leiter.abend().rennen.size(), 3u);
    std::map<QString, int> punkte;
    for (const Rennaufzeichnung& r : b.ablage.rennen) {
        if (r.abgebrochen)
            continue;
        if (r.sieger)
            punkte[*r.sieger] += 3;
        else
            for (int spur = 1; spur <= 2; ++spur)
                ++punkte[r.laeufe[0][spur].fahrer];
    }
    EXPECT_EQ(punkte.size(), 3u);
    for (const Tabellenzeile& z : b.leiter.tabelle())
        EXPECT_EQ(z.punkte, punkte[z.fahrer]) << z.fahrer.toStdString();
}

// A repeat replaces the Begegnung in the standings (the old race stays stored); a skip passes
// one over; a driver who leaves loses the Begegnungen still to come and keeps their points;
// one who joins gets theirs at the end of the plan.
TEST(Rennabendleiter, WiederholenUeberspringenAusscheidenNachmelden) {
    Abendbahn b;
    b.leiter.beginnen({A, B, C, D}, Rennabendregeln{});
    b.zwischenDenRennen();
    const Paarung erste = *b.leiter.naechstePaarung();
    b.laufFahren(1);
    b.laufFahren(2);
    b.zwischenDenRennen();
    b.leiter.wiederholen();
    b.zwischenDenRennen();
    EXPECT_EQ(b.spuren(), QStringList({erste.spur1, erste.spur2}));
    b.laufFahren(2);
    b.laufFahren(1); // now the other one wins
    b.zwischenDenRennen();
    EXPECT_EQ(b.ablage.rennen.size(), 2u);
    EXPECT_EQ(b.leiter.naechste(), 2);
    for (const Tabellenzeile& z : b.leiter.tabelle())
        EXPECT_EQ(z.punkte, gleicherFahrer(z.fahrer, erste.spur2) ? 3 : 0);

    b.leiter.ueberspringen();
    b.zwischenDenRennen();
    EXPECT_EQ(b.leiter.naechste(), 3);

    QString fehler;
    ASSERT_TRUE(b.leiter.fahrerEntfernen(erste.spur2, fehler));
    b.zwischenDenRennen();
    for (const Paarung& p :
         std::vector(b.leiter.abend().plan.begin() + 2, b.leiter.abend().plan.end()))
        EXPECT_FALSE(gleicherFahrer(p.spur1, erste.spur2) || gleicherFahrer(p.spur2, erste.spur2));
    EXPECT_FALSE(b.spuren().contains(erste.spur2));
    const std::vector<Tabellenzeile> t = b.leiter.tabelle();
    EXPECT_EQ(t.front().fahrer, erste.spur2);
    EXPECT_TRUE(t.front().ausgeschieden);
    EXPECT_EQ(t.front().punkte, 3);
    EXPECT_FALSE(b.leiter.fahrerEntfernen(b.spuren()[0], fehler));
    EXPECT_TRUE(fehler.contains(QStringLiteral("mindestens 3")));

    ASSERT_TRUE(b.leiter.fahrerHinzufuegen(QStringLiteral("Emil"), fehler));
    int mitEmil = 0;
    for (const Paarung& p : b.leiter.abend().plan)
        mitEmil += p.spur1 == QStringLiteral("Emil") || p.spur2 == QStringLiteral("Emil");
    EXPECT_EQ(mitEmil, 3);
    EXPECT_FALSE(b.leiter.fahrerHinzufuegen(QStringLiteral("anna"), fehler));
}

// In a rotation every Lauf is a single race: the lane change goes off. The final of the two
// best follows the plan as a Begegnung and decides the night's first place, not its points.
TEST(Rennabendleiter, RotationFaehrtEinzelneLaeufeUndDasFinaleEntscheidet) {
    Abendbahn b;
    b.einstellen([](Renneinstellungen& e) { e.spurwechsel = true; });
    b.leiter.beginnen({A, B, C}, {Rennabendformat::Rotation, true, {}});
    b.zwischenDenRennen();
    EXPECT_FALSE(b.einstellungen().spurwechsel);
    const std::size_t laeufe = b.leiter.abend().plan.size();
    for (std::size_t i = 0; i < laeufe; ++i) {
        EXPECT_EQ(b.spuren(),
                  QStringList({b.leiter.abend().plan[i].spur1, b.leiter.abend().plan[i].spur2}));
        b.laufFahren(1);
        b.zwischenDenRennen();
    }
    const std::vector<Tabellenzeile> vorher = b.leiter.tabelle();
    ASSERT_EQ(b.leiter.abend().plan.size(), laeufe + 1);
    EXPECT_EQ(b.leiter.naechstePaarung(), (Paarung{vorher[0].fahrer, vorher[1].fahrer, true}));
    EXPECT_TRUE(b.einstellungen().spurwechsel);
    b.laufFahren(2);
    b.laufFahren(1);
    b.zwischenDenRennen();
    EXPECT_FALSE(b.leiter.naechste());
    const std::vector<Tabellenzeile> nachher = b.leiter.tabelle();
    EXPECT_EQ(nachher[0].fahrer, vorher[1].fahrer);
    EXPECT_EQ(nachher[1].fahrer, vorher[0].fahrer);
    EXPECT_EQ(nachher[0].gewertet, vorher[0].gewertet);
}

// The standings saved as CSV ("Als CSV" in the window "Rennabend") open in a spreadsheet as
// the history's export does: UTF-8 with its mark, and a name typed like a formula stays text
// there instead of being run.
TEST(Rennabendleiter, TabelleAlsCsvFuehrtKeineFormelAus) {
    Abendbahn b;
    const QString hyperlink = QStringLiteral("=HYPERLINK(\"http://x.example\";\"Klick\")");
    b.leiter.beginnen(
        {QStringLiteral("=1+2"), QStringLiteral("@SUMME(A1)"), QStringLiteral("+3-1"), hyperlink},
        Rennabendregeln{});
    b.zwischenDenRennen();
    const QString sieger = b.spuren()[0];
    b.laufFahren(1);
    b.laufFahren(2);
    b.zwischenDenRennen();
    FakeDialoge dialoge;
    const QByteArray csv = RennabendLogik(b.leiter, dialoge, false).csv();
    ASSERT_TRUE(csv.startsWith("\xEF\xBB\xBFPlatz;Fahrer;Punkte;Siege;Gefahren;Gesamtzeit;"
                               "Beste Runde\r\n"))
        << csv.toStdString();
    const QList<QByteArray> zeilen = csv.split('\n');
    ASSERT_EQ(zeilen.size(), 6) << "the heading, four drivers and the end";
    EXPECT_TRUE(zeilen[1].startsWith("1;'" + sieger.toUtf8() + ";3;1;1;"))
        << zeilen[1].toStdString();
    for (const char* name : {";'=1+2;", ";'@SUMME(A1);", ";'+3-1;",
                             ";\"'=HYPERLINK(\"\"http://x.example\"\";\"\"Klick\"\")\";"})
        EXPECT_TRUE(csv.contains(name)) << name << "\n" << csv.toStdString();
}
