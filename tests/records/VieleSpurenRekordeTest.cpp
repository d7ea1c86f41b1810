// The Hall of Fame and the result file of a track of four lanes: the best average of any lane
// is offered, equal ones by the higher lane, and the result file has a column pair per lane.
#include "Datenordner.h"
#include "Ergebnisexport.h"
#include "Hofmodul.h"
#include "Rennbahn.h"

#include <gtest/gtest.h>

namespace {
const QStringList Namen{QStringLiteral("Jürgen"), QStringLiteral("Anna"), QStringLiteral("Cleo"),
                        QStringLiteral("Dora")};

struct VierSpuren {
    Datenordner ordner;
    Rennbahn b;
    Hofmodul hof{ordner.daten, b.dialoge};

    VierSpuren() {
        hof.HofLesen();
        b.rekorde.beimHofPruefen = [this] { hof.HofPruefen(b.rennen); };
        b.einstellen([](Renneinstellungen& e) { e.spuranzahl = 4; });
        for (int spur = 1; spur <= 4; ++spur)
            b.rennen.fahrerBenennen(spur, Namen[spur - 1]);
    }
};
} // namespace

// Lane 3 the fastest, then lanes 2 and 4 level in front: the average is that of the fastest
// lane whichever it is, and the heat's winner, the first home, is offered the entry. Four
// laps set no record on four lanes either.
TEST(VieleSpurenHof, DerBesteSchnittAllerSpurenUndVonGleichenDerDerHoeherenSpur) {
    struct Fall {
        std::vector<double> rundenzeiten;
        int sieger;
        double schnitt; // 25 m over the time of the fastest lane
    };
    for (const Fall& fall : {Fall{{3.0, 2.5, 2.0, 2.8}, 3, 2.5}, Fall{{3.0, 2.0, 2.5, 2.0}, 2, 2.5},
                             Fall{{4.0, 4.0, 4.0, 3.125}, 4, 1.6}}) {
        VierSpuren v;
        v.b.dialoge.eingabeAntworten = {"Sieger"};
        v.b.gleichmaessigFahren(5, fall.rundenzeiten);
        ASSERT_FALSE(v.b.stand().gestartet);
        EXPECT_EQ(v.b.dialoge.vorgaben, QStringList{Namen[fall.sieger - 1]});
        EXPECT_EQ(v.hof.liste().HofGeschw[1], fall.schnitt);
        EXPECT_EQ(v.hof.liste().HofName[1], "Sieger");
    }
    VierSpuren kurz;
    kurz.b.gleichmaessigFahren(4, {3.0, 2.5, 2.0, 2.8});
    EXPECT_EQ(kurz.b.rekorde.aufrufe, QStringList{"HofPruefen"});
    EXPECT_TRUE(kurz.b.dialoge.eingaben.empty());
    EXPECT_FALSE(kurz.ordner.gibt("hof.ini"));
}

TEST(VieleSpurenErgebnis, DieErgebnisdateiHatEinSpaltenpaarJeSpur) {
    VierSpuren v;
    FesteTagesuhr uhr{QTime(9, 5, 7)};
    Ergebnisexport ergebnis{v.ordner.daten, v.b.dialoge, uhr};
    v.b.gleichmaessigFahren(2, {2.0, 2.5, 4.0, 5.0});
    v.b.dialoge.eingabeAntworten = {"Vier"};
    ergebnis.ErgebnisSpeichern(v.b.rennen);

    QByteArray erwartet =
        "\tFahrer 1\tJ\xFCrgen\tFahrer 2\tAnna\tFahrer 3\tCleo\tFahrer 4\tDora\t\r\n"
        "Runde\tZeit 1\tGeschw. 1\tZeit 2\tGeschw. 2\tZeit 3\tGeschw. 3\tZeit 4\t"
        "Geschw. 4\r\n"
        "1\t2,000\t2,500\t2,500\t2,000\t4,000\t1,250\t5,000\t1,000\r\n"
        "2\t2,000\t2,500\t2,500\t2,000\t4,000\t1,250\t5,000\t1,000\r\n"
        "->\t4,000\t2,500\t5,000\t2,000\t8,000\t1,250\t10,000\t1,000\r\n";
    for (int zeile = 4; zeile < 12; ++zeile)
        erwartet += "\t\t\t\t\t\t\t\t\r\n";
    EXPECT_EQ(v.ordner.lesen("Vier.txt"), erwartet + "\r\n");
}
