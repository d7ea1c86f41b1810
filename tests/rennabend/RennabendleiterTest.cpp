#include "Rennabendleiter.h"

#include "Abendfahrer.h"
#include "Fakes.h"
#include "RennabendLogik.h"
#include "Rennabendzeile.h"
#include "Rennbahn.h"
#include "Rennmitschrift.h"
#include "Verlaufstest.h"

#include <gtest/gtest.h>
#include <map>

namespace {
// The race, the history's listener and the night between them, as the program wires them.
struct Abendbahn : Rennbahn {
    Abendbahn() {
        rennen.beobachterAnmelden(mitschrift);
        runden(2);
    }
    // The laps of a started Lauf, lane `vorn` home first (laps of `schnell` seconds against
    // 3 s).
    void insZiel(int vorn, double schnell = 2) {
        for (int spur = 1; spur <= 2; ++spur) {
            const double runde = spur == vorn ? schnell : 3;
            fahren(spur, 0.5, {runde, runde});
        }
    }
    // A whole Lauf; the drivers it started with.
    QStringList laufFahren(int vorn, double schnell = 2) {
        starten();
        const QStringList gestartet = spuren();
        insZiel(vorn, schnell);
        return gestartet;
    }
    QStringList spuren() const { return {spur(1).fahrer, spur(2).fahrer}; }

    Ablageliste ablage;
    Rennabendleiter leiter{rennen, ablage};
    Rennmitschrift mitschrift{leiter, [] { return Signalquelle::Tastatur; },
                              [] { return QDateTime::currentDateTime(); }};
};

QStringList paar(const Paarung& p) {
    return {p.spur1, p.spur2};
}
} // namespace

// Three drivers, every pair one Begegnung of two Läufe: each Begegnung's drivers are loaded
// with their colours and the lane change on; a stopped Lauf and a false start leave the
// Begegnung where it is; the standings' points follow the stored races' winners.
TEST(Rennabendleiter, DreiBegegnungenMitAbbruchUndFehlstart) {
    Abendbahn b;
    b.leiter.beginnen({A, B, C}, Rennabendregeln{});
    const Rennplan plan = b.leiter.abend().plan;
    ASSERT_EQ(plan.size(), 3u);
    for (std::size_t i = 0; i < plan.size(); ++i) {
        SCOPED_TRACE(i);
        // The first lane-1 driver wins both Läufe; the last Begegnung is a draw.
        b.starten();
        EXPECT_EQ(b.spuren(), paar(plan[i]));
        EXPECT_TRUE(b.einstellungen().spurwechsel);
        EXPECT_EQ(
            b.spur(1).farbe,
            b.leiter.abend()
                .teilnehmer[static_cast<std::size_t>(QStringList({A, B, C}).indexOf(plan[i].spur1))]
                .farbe);
        b.insZiel(1);
        if (i == 0) {
            // Stopped in the second Lauf, then a false start: nothing counts, nothing moves.
            b.starten();
            b.signal(1, 0.5);
            b.rennen.startGedrueckt();
            b.bei(-6);
            b.rennen.startGedrueckt();
            b.countdown(10);
            b.signal(2, -4);
            EXPECT_EQ(b.leiter.naechste(), 1);
            EXPECT_TRUE(b.leiter.abend().rennen.empty());
        }
        EXPECT_EQ(b.laufFahren(2, i == 2 ? 2 : 1.5), QStringList({plan[i].spur2, plan[i].spur1}));
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

// Once a Begegnung is counted, the main window keeps showing it, with its drivers, laps and
// result, through the Hall of Fame's question and the result window and until Start: Shift+D
// writes that race. Start puts the next pair in, with their colours. A night begun over a
// race on screen waits for Start too; one begun on an empty window is there at once.
// A change of the roster between two Läufe leaves the Begegnung as it is.
TEST(Rennabendleiter, NaechstePaarungKommtMitDemStart) {
    Abendbahn b;
    b.laufFahren(1);
    b.leiter.beginnen({A, B, C, D}, Rennabendregeln{});
    EXPECT_EQ(b.spuren(), QStringList({QStringLiteral("Fahrer 1"), QStringLiteral("Fahrer 2")}));
    EXPECT_FALSE(b.spur(1).runden.empty());
    const Rennplan plan = b.leiter.abend().plan;
    EXPECT_EQ(b.laufFahren(1), paar(plan[0]));

    QStringList inDerFrage;
    b.rekorde.beimHofPruefen = [&] { inDerFrage = b.spuren(); };
    b.laufFahren(1);
    ASSERT_EQ(b.leiter.naechste(), 2);
    EXPECT_EQ(inDerFrage, QStringList({plan[0].spur2, plan[0].spur1})); // the second Lauf's
    EXPECT_EQ(b.spuren(), paar(plan[0]));
    EXPECT_EQ(b.spur(1).runden.size(), 2u);
    EXPECT_EQ(b.ansicht().fahrer[1].text, QStringLiteral("Sieger!!!"));
    EXPECT_EQ(b.ansicht().fahrer[2].text, QStringLiteral("Verlierer"));
    QStringList geschrieben;
    b.rekorde.beimErgebnisSpeichern = [&] { geschrieben = b.spuren(); };
    b.rennen.ergebnisSpeichern();
    EXPECT_EQ(geschrieben, paar(plan[0]));

    b.starten();
    EXPECT_EQ(b.spuren(), paar(plan[1]));
    EXPECT_EQ(b.spur(1).farbe, b.leiter.abend().teilnehmer[2].farbe); // C, the third
    EXPECT_TRUE(b.spur(1).runden.empty());
    EXPECT_FALSE(b.stand().wechsellauf > 0);

    // A driver who comes late, between the Läufe, costs the Begegnung none of them.
    b.insZiel(1);
    QString fehler;
    ASSERT_TRUE(b.leiter.fahrerHinzufuegen(QStringLiteral("Emil"), fehler));
    EXPECT_EQ(b.laufFahren(1), QStringList({plan[1].spur2, plan[1].spur1}));
    EXPECT_EQ(b.leiter.naechste(), 3);

    Abendbahn leer;
    leer.leiter.beginnen({A, B, C}, Rennabendregeln{});
    EXPECT_EQ(leer.spuren(), paar(leer.leiter.abend().plan[0]));
    EXPECT_TRUE(leer.einstellungen().spurwechsel);
}

// "Als Nächstes" in the night's window names the lanes of the next Lauf: between the Läufe
// of a Begegnung the pair the other way round; nothing once the night is over.
TEST(Rennabendleiter, AlsNaechstesMitDenSpurenDesNaechstenLaufs) {
    Abendbahn b;
    RennabendLogik logik(b.leiter, b.dialoge);
    b.leiter.beginnen({A, B, C}, Rennabendregeln{});
    const auto naechstes = [&] { return logik.ansicht().alsNaechstes; };
    const Rennplan plan = b.leiter.abend().plan;
    for (const Paarung& p : plan) {
        EXPECT_EQ(naechstes(),
                  QStringLiteral("Als Nächstes: %1 (Spur 1) – %2 (Spur 2)").arg(p.spur1, p.spur2));
        b.laufFahren(1);
        EXPECT_EQ(naechstes(),
                  QStringLiteral("Als Nächstes: %1 (Spur 1) – %2 (Spur 2)").arg(p.spur2, p.spur1));
        b.laufFahren(1);
    }
    EXPECT_EQ(naechstes(), QString());
}

// A repeat replaces the Begegnung in the standings (the old race stays stored); a skip passes
// one over; a driver who leaves loses the Begegnungen still to come and keeps their points;
// one who joins gets theirs at the end of the plan.
TEST(Rennabendleiter, WiederholenUeberspringenAusscheidenNachmelden) {
    Abendbahn b;
    b.leiter.beginnen({A, B, C, D}, Rennabendregeln{});
    const Paarung erste = *b.leiter.naechstePaarung();
    b.laufFahren(1);
    b.laufFahren(2);
    b.leiter.wiederholen();
    EXPECT_EQ(b.laufFahren(2), paar(erste));
    b.laufFahren(1); // now the other one wins
    EXPECT_EQ(b.ablage.rennen.size(), 2u);
    EXPECT_EQ(b.leiter.naechste(), 2);
    for (const Tabellenzeile& z : b.leiter.tabelle())
        EXPECT_EQ(z.punkte, gleicherFahrer(z.fahrer, erste.spur2) ? 3 : 0);

    b.leiter.ueberspringen();
    EXPECT_EQ(b.leiter.naechste(), 3);

    QString fehler;
    ASSERT_TRUE(b.leiter.fahrerEntfernen(erste.spur2, fehler));
    b.starten();
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

// A night gone on with whose repeat asked for has no race (it was deleted from the history):
// when a driver leaves, the repeat goes with the entries made again, and the entry loaded
// next is one of the new plan.
TEST(Rennabendleiter, WiederholungOhneRennenGehtMitDemNeuenPlan) {
    Abendbahn b;
    b.leiter.beginnen({A, B, C, D}, Rennabendregeln{});
    Rennabend abend = b.leiter.abend();
    abend.wiederholung = static_cast<int>(abend.plan.size());
    b.leiter.fortsetzen(abend);
    QString fehler;
    ASSERT_TRUE(b.leiter.fahrerEntfernen(D, fehler));
    ASSERT_EQ(b.leiter.naechste(), 1);
    const Paarung erste = b.leiter.abend().plan[0];
    EXPECT_EQ(b.spuren(), QStringList({erste.spur1, erste.spur2}));
}

// In a rotation every Lauf is a single race: the lane change goes off. The final of the two
// best follows the plan as a Begegnung and decides the night's first place, not its points.
TEST(Rennabendleiter, RotationFaehrtEinzelneLaeufeUndDasFinaleEntscheidet) {
    Abendbahn b;
    b.einstellen([](Renneinstellungen& e) { e.spurwechsel = true; });
    b.leiter.beginnen({A, B, C}, {Rennabendformat::Rotation, true, {}});
    EXPECT_FALSE(b.einstellungen().spurwechsel);
    const std::size_t laeufe = b.leiter.abend().plan.size();
    for (std::size_t i = 0; i < laeufe; ++i)
        EXPECT_EQ(b.laufFahren(1), paar(b.leiter.abend().plan[i]));
    const std::vector<Tabellenzeile> vorher = b.leiter.tabelle();
    ASSERT_EQ(b.leiter.abend().plan.size(), laeufe + 1);
    EXPECT_EQ(b.leiter.naechstePaarung(), (Paarung{vorher[0].fahrer, vorher[1].fahrer, true}));
    EXPECT_EQ(b.laufFahren(2), QStringList({vorher[0].fahrer, vorher[1].fahrer}));
    EXPECT_TRUE(b.einstellungen().spurwechsel);
    b.laufFahren(1);
    EXPECT_FALSE(b.leiter.naechste());
    const std::vector<Tabellenzeile> nachher = b.leiter.tabelle();
    EXPECT_EQ(nachher[0].fahrer, vorher[1].fahrer);
    EXPECT_EQ(nachher[1].fahrer, vorher[0].fahrer);
    EXPECT_EQ(nachher[0].gewertet, vorher[0].gewertet);
}

// The night keeps the race length it began with. Options changed during the night are set
// back at the next Start, before the first race as after one, and the standings keep their
// total times instead of switching to distances with the race's options.
TEST(Rennabendleiter, AbendBehaeltSeinRennformat) {
    Abendbahn b;
    b.leiter.beginnen({A, B, C}, {Rennabendformat::Rotation, false, {}});
    const auto nachZeit = [&] {
        b.einstellen([](Renneinstellungen& e) {
            e.rennart = Rennlaenge::Zeit;
            e.renndauer = 60;
        });
    };
    const auto gesamtzeitSpalte = [&] {
        return RennabendLogik(b.leiter, b.dialoge)
            .tabelle()
            .kopf.indexOf(QStringLiteral("Gesamtzeit"));
    };
    nachZeit();
    b.laufFahren(1);
    EXPECT_EQ(b.einstellungen().rennart, Rennlaenge::Runden);
    EXPECT_EQ(b.einstellungen().rundenzahl, 2);
    EXPECT_EQ(b.einstellungen().renndauer, 60) << "a length the night does not use stays";
    nachZeit();
    const Tabelle tabelle = RennabendLogik(b.leiter, b.dialoge).tabelle();
    ASSERT_GE(gesamtzeitSpalte(), 0);
    EXPECT_EQ(tabelle.zeilen[0][gesamtzeitSpalte()], QStringLiteral("4,500 s"));
    b.laufFahren(1);
    EXPECT_EQ(b.einstellungen().rennart, Rennlaenge::Runden);
    EXPECT_EQ(b.leiter.abend().rennen.size(), 2u);
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
    // Lane 1's driver of the first Lauf is home first in both.
    const QString sieger = b.laufFahren(1)[0];
    b.laufFahren(2);
    FakeDialoge dialoge;
    const QByteArray csv = tabelleAlsCsv(RennabendLogik(b.leiter, dialoge).tabelle());
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

// The printed standings name the night's season and format above the table; the PDF itself
// is titled as the window.
TEST(Rennabendleiter, GedruckteTabelleNenntSaisonUndFormat) {
    Abendbahn b;
    b.leiter.beginnen({QStringLiteral("Anna"), QStringLiteral("Bert"), QStringLiteral("Cleo")},
                      Rennabendregeln{}, QStringLiteral("2026"));
    b.laufFahren(1);
    FakeDialoge dialoge;
    const Tabelle tabelle = RennabendLogik(b.leiter, dialoge).tabelle();
    EXPECT_EQ(tabelle.dokumenttitel, QStringLiteral("Rennabend"));
    const QString html = tabelleAlsHtml(tabelle);
    EXPECT_TRUE(html.startsWith(QStringLiteral("<h1>Rennabend – Saison 2026</h1><p>") +
                                rennabendformatText(Rennabendregeln{}.format) +
                                QStringLiteral("</p>")))
        << html.toStdString();
    EXPECT_EQ(tabelle.zeilen.size(), 3u);
}

// The race is told which entry it drives, and the stored race says so: the night counts it
// by that, not by who drove. The next entry goes over with the next Start; a stopped Lauf is
// stored for no night; once the plan is through, the races are the night's no more.
TEST(Rennabendleiter, DasRennenTraegtSeinenEintragNichtSeineNamen) {
    Abendbahn b;
    b.leiter.beginnen({A, B, C}, {Rennabendformat::Rotation, false, {}});
    const QString abend = b.leiter.abend().schluessel;
    b.laufFahren(1);
    ASSERT_EQ(b.ablage.rennen.size(), 1u);
    EXPECT_EQ(b.ablage.rennen[0].abend, (Abendzuordnung{abend, 1}));
    EXPECT_EQ(b.stand().abendeintrag, (Abendeintrag{abend, 1})) << "entry 2 waits for Start";

    b.starten();
    b.rennen.startGedrueckt(); // stopped before a lap: nothing stored
    b.starten();
    b.fahren(1, 0.5, {2});
    b.rennen.startGedrueckt();
    ASSERT_EQ(b.ablage.rennen.size(), 2u);
    EXPECT_TRUE(b.ablage.rennen[1].abgebrochen);
    EXPECT_EQ(b.ablage.rennen[1].abend, std::nullopt);
    EXPECT_EQ(b.stand().abendeintrag, (Abendeintrag{abend, 2}));

    while (b.leiter.naechste())
        b.laufFahren(1);
    const std::size_t gezaehlt = b.leiter.abend().rennen.size();
    b.laufFahren(1);
    EXPECT_EQ(b.stand().abendeintrag, std::nullopt);
    EXPECT_EQ(b.ablage.rennen.back().abend, std::nullopt);
    EXPECT_EQ(b.leiter.abend().rennen.size(), gezaehlt);
}

// Three drivers on a four-lane track whose lane 2 had no car: the night is the round over
// every lane, whatever format was asked for, and has no final. Every Lauf loads every lane's
// driver with their colour; the lane without one is free for that Lauf, so each driver counts
// once per lane. With the night over, the next Start gives the track its free lane back.
TEST(Rennabendleiter, JedeSpurGeladenLeereFrei) {
    Abendbahn b;
    b.einstellen([](Renneinstellungen& e) {
        e.spuranzahl = 4;
        e.freieSpuren = 0b0010;
    });
    b.leiter.beginnen({A, B, C}, {Rennabendformat::JederGegenJeden, true, {}});
    EXPECT_EQ(b.leiter.abend().regeln.format, Rennabendformat::Spurrotation);
    EXPECT_FALSE(b.leiter.abend().regeln.finale);
    const Rennplan plan = b.leiter.abend().plan;
    ASSERT_EQ(plan.size(), 4u);
    RennabendLogik logik(b.leiter, b.dialoge);
    for (std::size_t i = 0; i < plan.size(); ++i) {
        SCOPED_TRACE(i);
        const Laufbelegung lauf = plan[i].belegung();
        ASSERT_EQ(lauf.anzahl(), 4);
        EXPECT_EQ(b.leiter.naechsteSpuren(), lauf);
        EXPECT_TRUE(logik.ansicht().alsNaechstes.startsWith(
            QStringLiteral("Als Nächstes: Lauf %1 – ").arg(i + 1)));
        b.starten();
        int frei = 0;
        for (int spur = 1; spur <= 4; ++spur) {
            EXPECT_EQ(b.einstellungen().spurFrei(spur), lauf[spur].isEmpty()) << spur;
            if (lauf[spur].isEmpty()) {
                ++frei;
                continue;
            }
            EXPECT_EQ(b.spur(spur).fahrer, lauf[spur]) << spur;
            const auto t =
                std::find_if(b.leiter.abend().teilnehmer.begin(), b.leiter.abend().teilnehmer.end(),
                             [&](const Teilnehmer& t) { return t.name == lauf[spur]; });
            EXPECT_EQ(b.spur(spur).farbe, t->farbe) << spur;
            b.fahren(spur, 0.5 + 0.1 * spur, {2, 2});
        }
        EXPECT_EQ(frei, 1);
        EXPECT_EQ(b.leiter.abend().rennen.size(), i + 1);
    }
    EXPECT_FALSE(b.leiter.naechste());
    for (const Tabellenzeile& z : b.leiter.tabelle())
        EXPECT_EQ(z.gewertet, 4) << z.fahrer.toStdString();
    b.starten();
    EXPECT_EQ(b.einstellungen().freieSpuren, 0b0010u);
    EXPECT_EQ(b.stand().abendeintrag, std::nullopt);
}

// A four-lane night whose track is set to two lanes loads nobody: the window says why, the
// race in between drives for no entry, and once the track has four lanes again the entry's
// drivers come with the next Start.
TEST(Rennabendleiter, AufAndererSpurenzahlWartetDerAbend) {
    Abendbahn b;
    b.einstellen([](Renneinstellungen& e) { e.spuranzahl = 4; });
    b.leiter.beginnen({A, B, C, D, QStringLiteral("Emil")}, Rennabendregeln{});
    const Laufbelegung erster = b.leiter.abend().plan[0].belegung();
    EXPECT_EQ(b.leiter.ohneBahn(), std::nullopt);
    b.einstellen([](Renneinstellungen& e) { e.spuranzahl = 2; });
    ASSERT_TRUE(b.leiter.ohneBahn());
    EXPECT_EQ(RennabendLogik(b.leiter, b.dialoge).ansicht().alsNaechstes, *b.leiter.ohneBahn());
    EXPECT_TRUE(b.leiter.ohneBahn()->startsWith(
        QStringLiteral("Dieser Rennabend ist für 4 Spuren geplant. Auf dieser Bahn mit 2 Spuren")));
    b.laufFahren(1);
    EXPECT_TRUE(b.leiter.abend().rennen.empty());
    EXPECT_EQ(b.ablage.rennen.back().abend, std::nullopt);

    b.einstellen([](Renneinstellungen& e) { e.spuranzahl = 4; });
    b.starten();
    for (int spur = 1; spur <= 4; ++spur)
        EXPECT_EQ(b.spur(spur).fahrer, erster[spur]) << spur;
    EXPECT_EQ(b.stand().abendeintrag, (Abendeintrag{b.leiter.abend().schluessel, 1}));
}

// Seven drivers on four lanes, qualifying by best lap, with bump-ups. The qualifying's two
// Läufe seed Emil, Bert, Dieter for the A main and Gustav, Anna, Carla, Franz for the B main,
// driven first. Carla wins it and takes the A main's fourth lane; Dieter wins the A main. A
// night counting wins still places the mains by who crossed the line when. The mains stay with
// the night when it is stored, and once they are set the roster stays as it is.
TEST(Rennabendleiter, QualifikationSetztDieHauptlaeufeMitAufsteiger) {
    const QString E = QStringLiteral("Emil"), F = QStringLiteral("Franz"),
                  G = QStringLiteral("Gustav");
    Abendbahn b;
    b.Rennbahn::spuren(4);
    Rennabendregeln regeln;
    regeln.qualifikation = Qualifikationsart::BesteRunde;
    regeln.aufsteiger = true;
    b.leiter.beginnen({A, B, C, D, E, F, G}, regeln);
    const auto lauf = [&](const QString& s1, const QString& s2, const QString& s3,
                          const QString& s4) {
        Laufbelegung l = Laufbelegung::fuer(4);
        l[1] = s1, l[2] = s2, l[3] = s3, l[4] = s4;
        return l;
    };

    EXPECT_EQ(b.leiter.naechsteSpuren(), lauf(A, B, C, D));
    b.gleichmaessigFahren(2, {2.6, 2.2, 2.8, 2.4});
    EXPECT_EQ(b.leiter.naechsteSpuren(), lauf(E, F, G, {}));
    // A qualifying Lauf driven again leaves the rest of the qualifying as it was.
    b.leiter.wiederholen();
    EXPECT_EQ(b.leiter.naechsteSpuren(), lauf(A, B, C, D));
    b.gleichmaessigFahren(2, {2.6, 2.2, 2.8, 2.4});
    EXPECT_EQ(b.leiter.naechsteSpuren(), lauf(E, F, G, {}));
    b.gleichmaessigFahren(2, {2.1, 2.9, 2.5, 2.0});
    EXPECT_EQ(b.leiter.naechsteSpuren(), lauf(G, A, C, F));
    b.gleichmaessigFahren(2, {2.5, 2.6, 2.0, 2.3});
    EXPECT_EQ(b.leiter.naechsteSpuren(), lauf(E, B, D, C));
    // The B main driven again: Franz wins it now and takes the seat instead.
    b.leiter.wiederholen();
    EXPECT_EQ(b.leiter.naechsteSpuren(), lauf(G, A, C, F));
    b.gleichmaessigFahren(2, {2.5, 2.6, 2.3, 2.0});
    EXPECT_EQ(b.leiter.naechsteSpuren(), lauf(E, B, D, F));
    b.leiter.wiederholen();
    b.gleichmaessigFahren(2, {2.5, 2.6, 2.0, 2.3});
    EXPECT_EQ(b.leiter.naechsteSpuren(), lauf(E, B, D, C));
    QString fehler;
    EXPECT_FALSE(b.leiter.fahrerHinzufuegen(QStringLiteral("Hanna"), fehler));
    EXPECT_FALSE(fehler.isEmpty());
    b.gleichmaessigFahren(2, {2.2, 2.3, 1.9, 2.0});
    EXPECT_FALSE(b.leiter.naechste());

    QStringList plaetze;
    for (const Tabellenzeile& z : b.leiter.tabelle())
        plaetze << z.fahrer;
    EXPECT_EQ(plaetze, (QStringList{D, C, E, B, F, G, A}));
    const Rennabend gelesen = abendAusZeile(rennabendzeile(b.leiter.abend())).abend;
    EXPECT_EQ(gelesen.plan, b.leiter.abend().plan);
    EXPECT_EQ(gelesen.regeln.qualifikation, Qualifikationsart::BesteRunde);
}

// A qualifying over every lane and mains as rotations: eight drivers on four lanes drive the
// round, each once on each lane, before the mains are set. Alike on every lane, they are
// seeded in the roster's order; the A main's four then drive a Lauf each on every lane, and
// only after them the B main's. The night keeps both when it is stored.
TEST(Rennabendleiter, QualifikationAufJederSpurUndHauptlaeufeAlsRotation) {
    const QString E = QStringLiteral("Emil"), F = QStringLiteral("Franz"),
                  G = QStringLiteral("Gustav"), H = QStringLiteral("Hanna");
    Abendbahn b;
    b.Rennbahn::spuren(4);
    Rennabendregeln regeln;
    regeln.qualifikation = Qualifikationsart::BesteRunde;
    regeln.qualifikationAufJederSpur = true;
    regeln.hauptlaufmodus = Hauptlaufmodus::Rotation;
    b.leiter.beginnen({A, B, C, D, E, F, G, H}, regeln);
    // The drivers of each lane over the entries of one part of the night, sorted.
    const auto jeSpur = [&](int hauptlauf) {
        std::map<int, QStringList> fahrer;
        for (const Paarung& p : b.leiter.abend().plan)
            if (p.hauptlauf == hauptlauf)
                for (int spur = 1; spur <= 4; ++spur)
                    fahrer[spur] << p.belegung()[spur];
        for (auto& [spur, namen] : fahrer)
            namen.sort();
        return fahrer;
    };
    const auto jedeSpur = [](const QStringList& namen) {
        return std::map<int, QStringList>{{1, namen}, {2, namen}, {3, namen}, {4, namen}};
    };
    EXPECT_EQ(jeSpur(0), jedeSpur(QStringList{A, B, C, D, E, F, G, H}));
    for (int lauf = 0; lauf < 7; ++lauf)
        b.gleichmaessigFahren(2, {2.3, 2.4, 2.5, 2.6});
    EXPECT_TRUE(jeSpur(1).empty()) << "the round is not over yet";
    b.gleichmaessigFahren(2, {2.3, 2.4, 2.5, 2.6});
    EXPECT_EQ(jeSpur(1), jedeSpur(QStringList{A, B, C, D}));
    EXPECT_TRUE(jeSpur(2).empty()) << "the B main comes once the A main is over";
    for (int lauf = 0; lauf < 4; ++lauf)
        b.gleichmaessigFahren(2, {2.3, 2.4, 2.5, 2.6});
    EXPECT_EQ(jeSpur(2), jedeSpur(QStringList{E, F, G, H}));
    const Rennabendregeln gelesen = abendAusZeile(rennabendzeile(b.leiter.abend())).abend.regeln;
    EXPECT_TRUE(gelesen.qualifikationAufJederSpur);
    EXPECT_EQ(gelesen.hauptlaufmodus, Hauptlaufmodus::Rotation);
}

// A qualifying passed over Lauf by Lauf gives nobody a result: the mains follow the roster,
// and the window says so above the next Lauf and names each entry's part of the night.
TEST(Rennabendleiter, OhneQualifikationsergebnisNachFahrerliste) {
    const QString E = QStringLiteral("Emil");
    Abendbahn b;
    b.Rennbahn::spuren(4);
    Rennabendregeln regeln;
    regeln.qualifikation = Qualifikationsart::MeisteRunden;
    regeln.aufsteiger = true;
    b.leiter.beginnen({A, B, C, D, E}, regeln);
    b.leiter.ueberspringen();
    b.leiter.ueberspringen();

    Laufbelegung unten = Laufbelegung::fuer(4);
    unten[1] = D, unten[2] = E;
    EXPECT_EQ(b.leiter.naechsteSpuren(), unten);
    RennabendLogik logik(b.leiter, b.dialoge);
    const RennabendAnsicht a = logik.ansicht();
    EXPECT_TRUE(a.alsNaechstes.startsWith(
        QStringLiteral("Niemand hat die Qualifikation beendet: die Startaufstellung folgt der "
                       "Fahrerliste.\nAls Nächstes: Lauf 3 – Dieter (Spur 1)")))
        << qPrintable(a.alsNaechstes);
    ASSERT_EQ(a.plan.size(), 3u);
    EXPECT_EQ(a.plan[0].nummer, QStringLiteral("1 Qualifikation"));
    EXPECT_EQ(a.plan[2].nummer, QStringLiteral("3 B-Hauptlauf"));
}
