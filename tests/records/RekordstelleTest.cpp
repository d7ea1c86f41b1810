#include "Rekordstelle.h"

#include "Datenordner.h"
#include "Rennbahn.h"

#include <gtest/gtest.h>

namespace {

// The race's records hand every call on to the real ones.
struct Anlage : Rennbahn {
    Datenordner ordner;
    FesteTagesuhr tagesuhr{QTime(18, 30, 0)};
    Hofmodul hof{ordner.daten, dialoge};
    Ergebnisexport ergebnis{ordner.daten, dialoge, tagesuhr};
    Rekordstelle stelle{hof, ergebnis};

    Anlage() {
        rekorde.beimHofPruefen = [this] { stelle.hofPruefen(rennen); };
        rekorde.beimErgebnisSpeichern = [this] { stelle.ergebnisSpeichern(rennen); };
    }
};

} // namespace

TEST(Rekordstelle, RennendeTraegtInDieHallOfFameEinUndSchreibtDannDieErgebnisdatei) {
    Anlage a;
    a.hof.HofLesen();
    a.einstellen([](Renneinstellungen& e) {
        e.rundenzahl = 5;
        e.ohneCountdown = true; // the first car over the line starts the clock
        e.permanentesLogging = true;
    });
    a.dialoge.eingabeAntworten = {"Ida"};
    a.rennen.startGedrueckt();
    for (int runde = 0; runde <= 5; ++runde) {
        a.signal(1, 1 + runde * 2.0);
        a.signal(2, 1 + runde * 2.5);
    }

    EXPECT_EQ(a.hof.liste().HofName[1], "Ida");
    EXPECT_EQ(a.hof.liste().HofGeschw[1], 2.5);
    EXPECT_EQ(a.ordner.dateien(), (QStringList{"Rennergebnis183000.txt", "hof.ini"}));
    EXPECT_TRUE(a.ordner.lesen("Rennergebnis183000.txt").contains("->\t10,000\t2,500\t"));
    EXPECT_EQ(a.dialoge.eingaben.size(), 1u) << "only the Hall of Fame asks";
}
