#include "Rekordstelle.h"

#include "Datenordner.h"
#include "Fakes.h"
#include "QtAusgabe.h"
#include "Rennen.h"

#include <gtest/gtest.h>

namespace {

struct FesteTagesuhr : Tagesuhr {
    QTime jetzt() override { return QTime(18, 30, 0); }
};

// Wired as the program wires it: the records are built before the race they read.
struct Anlage {
    Datenordner ordner;
    FakeUhr uhr;
    FakeUhr boxuhr{4800};
    FakeZeitgeber timer;
    FakeZeitgeber boxwacht;
    FakeDialoge dialoge;
    FakeKlang klang;
    FakeSchnittstelle port;
    FakeBox box;
    FakeSpeicher speicher;
    FesteTagesuhr tagesuhr;
    Hofmodul hof{ordner.daten, dialoge};
    Ergebnisexport ergebnis{ordner.daten, dialoge, tagesuhr};
    Rekordstelle rekorde{rennen, hof, ergebnis};
    Rennen rennen{{uhr, boxuhr, timer, boxwacht, dialoge, klang, port, box, speicher, rekorde}};

    void signal(int spur, std::int64_t ms) {
        uhr.stand = ms;
        rennen.SimuliertesRundensignal(spur);
    }
};

} // namespace

TEST(Rekordstelle, RennendeTraegtInDieHallOfFameEinUndSchreibtDannDieErgebnisdatei) {
    Anlage a;
    a.hof.HofLesen();
    a.rennen.Rundenzahl = 5;
    a.rennen.OhneCountdown = true; // the first car over the line starts the clock
    a.rennen.PermanentesLogging = true;
    a.dialoge.eingabeAntworten = {"Ida"};
    a.rennen.LaStart_Click();
    for (int runde = 0; runde <= 5; ++runde) {
        a.signal(1, 1000 + runde * 2000);
        a.signal(2, 1000 + runde * 2500);
    }

    EXPECT_EQ(a.hof.liste().HofName[1], "Ida");
    EXPECT_EQ(a.hof.liste().HofGeschw[1], 2.5);
    EXPECT_EQ(a.ordner.dateien(), (QStringList{"Rennergebnis183000.txt", "hof.ini"}));
    EXPECT_TRUE(a.ordner.lesen("Rennergebnis183000.txt").contains("->\t10,000\t2,500\t"));
    EXPECT_EQ(a.dialoge.eingaben.size(), 1u) << "only the Hall of Fame asks";
}
