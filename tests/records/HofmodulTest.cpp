#include "HofTest.h"
#include "Rennbahn.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <limits>

namespace {
const QString Aufforderung = QStringLiteral(
    "Der Sieger des Rennens darf sich in die Hall of Fame eintragen. Bitte geben Sie Ihren "
    "Namen ein:");
} // namespace

TEST_F(HofTest, OhneDateiIstDieListeLeerUndEsGibtKeineMeldung) {
    hof.HofLesen();
    EXPECT_EQ(hof.liste(), Hofliste());
    EXPECT_EQ(namen(), QStringList(5, "leer"));
    EXPECT_TRUE(dialoge.meldungen.empty());
    EXPECT_FALSE(ordner.gibt("hof.ini")) << "reading creates nothing";
}

TEST_F(HofTest, SchnellererKandidatRuecktEinUndDerSiegerNenntSeinenNamen) {
    hofAnlegen(VolleListe);
    dialoge.eingabeAntworten = {"Jürgen"};
    hof.HofEintragen(9.0, QStringLiteral("Fahrer 2"));

    EXPECT_EQ(namen(), (QStringList{"Ada", "Jürgen", "Bea", "Cem", "Dan"}));
    ASSERT_EQ(dialoge.eingaben.size(), 1u);
    EXPECT_EQ(dialoge.eingaben[0].text, Aufforderung);
    EXPECT_EQ(dialoge.eingaben[0].titel, "Gut gefahren");
    EXPECT_EQ(dialoge.vorgaben, QStringList{"Fahrer 2"});
    EXPECT_EQ(dialoge.gezeigteFenster, std::vector<Fenster>{Fenster::fhof});
    EXPECT_EQ(datei(), QByteArray("10;Ada\r\n9;J\xFCrgen\r\n8;Bea\r\n8;Cem\r\n5;Dan\r\n"));
    EXPECT_TRUE(dialoge.meldungen.empty());
}

TEST_F(HofTest, GleicherWertReihtSichUnterAllenGleichenEin) {
    hofAnlegen(VolleListe);
    dialoge.eingabeAntworten = {"Neu"};
    hof.HofEintragen(8.0004, QStringLiteral("x")); // rounds to 8
    EXPECT_EQ(namen(), (QStringList{"Ada", "Bea", "Cem", "Neu", "Dan"}));
    EXPECT_EQ(werte(), (std::vector<double>{10, 8, 8, 8, 5}));
    EXPECT_TRUE(datei().contains("\r\n8;Neu\r\n5;Dan\r\n")) << "stored rounded";
}

TEST_F(HofTest, ZuLangsamerKandidatAendertNichts) {
    hofAnlegen(VolleListe);
    hof.HofEintragen(4.5, QStringLiteral("x"));
    hof.HofEintragen(0.0, QStringLiteral("x")); // no rank holds 0
    EXPECT_EQ(namen(), (QStringList{"Ada", "Bea", "Cem", "Dan", "Eli"}));
    EXPECT_TRUE(dialoge.eingaben.empty());
    EXPECT_TRUE(dialoge.gezeigteFenster.empty());
    EXPECT_EQ(datei(), VolleListe);
}

// A race without a speed, or with none a number holds, is offered no place.
TEST_F(HofTest, OhneEndlicheGeschwindigkeitKeinPlatz) {
    hofAnlegen("7;Ada\r\n");
    for (const double kandidat : {0.0, -1.0, 0.0004, std::numeric_limits<double>::infinity(),
                                  std::numeric_limits<double>::quiet_NaN()})
        hof.HofEintragen(kandidat, QStringLiteral("Fahrer 1"));
    EXPECT_TRUE(dialoge.eingaben.empty());
    EXPECT_TRUE(dialoge.gezeigteFenster.empty());
    EXPECT_EQ(datei(), QByteArray("7;Ada\r\n"));
}

TEST_F(HofTest, AbgebrocheneNamenseingabeSpeichertEinenLeerenNamen) {
    hof.HofLesen();
    hof.HofEintragen(3.5, QStringLiteral("Fahrer 1")); // no scripted answer: cancelled
    EXPECT_EQ(hof.liste().HofName[1], "");
    EXPECT_TRUE(datei().startsWith("3,5;\r\n0;leer\r\n"));
    hof.HofLesen();
    EXPECT_EQ(hof.liste().HofName[1], "") << "and reads back as such";
}

namespace {

const QStringList Namen{QStringLiteral("Jürgen"), QStringLiteral("Anna"), QStringLiteral("Cleo"),
                        QStringLiteral("Dora")};

// A real race on a track of that many lanes, its drivers named, whose end calls the Hall of
// Fame with the race's own dialogs.
struct HofRennen {
    Datenordner ordner;
    Rennbahn b;
    Hofmodul hof{ordner.daten, b.dialoge};

    explicit HofRennen(int spuren = 2) {
        hof.HofLesen();
        b.rekorde.beimHofPruefen = [this] { hof.HofPruefen(b.rennen); };
        b.spuren(spuren);
        for (int spur = 1; spur <= spuren; ++spur)
            b.rennen.fahrerBenennen(spur, Namen[spur - 1]);
    }
};

} // namespace

// The heat's winner, the first home, is offered the entry, preset with its driver's name,
// and enters with the average of the fastest lane whichever it is: on two lanes either one,
// on four lane 3 the fastest, lanes 2 and 4 level in front (the lower one home first), and
// lane 4 alone.
TEST(HofNachDemRennen, DerSiegerTraegtSichMitDemSchnittDerSchnellstenSpurEin) {
    struct Fall {
        std::vector<double> rundenzeiten;
        int sieger;
        double schnitt; // 25 m over the time of the fastest lane
    };
    for (const Fall& fall :
         {Fall{{2.0, 3.0}, 1, 2.5}, Fall{{3.0, 2.0}, 2, 2.5}, Fall{{3.0, 2.5, 2.0, 2.8}, 3, 2.5},
          Fall{{3.0, 2.0, 2.5, 2.0}, 2, 2.5}, Fall{{4.0, 4.0, 4.0, 3.125}, 4, 1.6}}) {
        const int spuren = static_cast<int>(fall.rundenzeiten.size());
        SCOPED_TRACE(testing::Message() << spuren << " Spuren, Sieger " << fall.sieger);
        HofRennen r(spuren);
        r.b.dialoge.eingabeAntworten = {"Sieger"};
        r.b.gleichmaessigFahren(5, fall.rundenzeiten);

        ASSERT_FALSE(r.b.stand().gestartet);
        ASSERT_EQ(r.b.rekorde.aufrufe, QStringList{"HofPruefen"});
        EXPECT_EQ(r.b.dialoge.vorgaben, QStringList{Namen[fall.sieger - 1]})
            << "preset with the name of the lane tagged Sieger";
        EXPECT_EQ(r.hof.liste().HofGeschw[1], fall.schnitt);
        EXPECT_EQ(r.hof.liste().HofName[1], "Sieger");
        EXPECT_EQ(r.b.dialoge.gezeigteFenster, std::vector<Fenster>{Fenster::fhof});
    }
}

// Four laps set no record, on four lanes either, and training never does.
TEST(HofNachDemRennen, VierRundenUndTrainingErreichenDieHallOfFameNie) {
    HofRennen kurz;
    kurz.b.gleichmaessigFahren(4, {2.0, 3.0});
    HofRennen kurzAufVier(4);
    kurzAufVier.b.gleichmaessigFahren(4, {3.0, 2.5, 2.0, 2.8});
    for (const HofRennen* r : {&kurz, &kurzAufVier})
        EXPECT_EQ(r->b.rekorde.aufrufe, QStringList{"HofPruefen"});

    HofRennen training;
    training.b.einstellen([&](Renneinstellungen& e) { e.rennmodus = false; });
    training.b.gleichmaessigFahren(10, {2.0, 3.0});

    for (const HofRennen* r : {&kurz, &kurzAufVier, &training}) {
        EXPECT_TRUE(r->b.dialoge.eingaben.empty());
        EXPECT_EQ(r->hof.liste(), Hofliste());
        EXPECT_FALSE(r->ordner.gibt("hof.ini"));
    }
}
