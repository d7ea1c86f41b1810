// Cutting and restoring a lane's power through the board: what a board with power outputs
// is sent, and kept told across its restarts and damaged frames; that a board without them
// is sent nothing and the log says so.
#include "Platinenbahn.h"

#include <gtest/gtest.h>
#include <stdexcept>

using namespace Platinenprotokoll;

namespace {

using Befehle = std::vector<std::vector<std::uint8_t>>;

constexpr std::uint8_t Strommodell = SpurstromAbMinor;

} // namespace

TEST(Spurstrom, EinePlatineMitStromausgaengenSchaltetDieSpurUndVergisstEsNicht) {
    Platinenbahn b;
    b.einstellen([&](Renneinstellungen& e) { e.prellzeit = 1; });
    b.hallo(1.0, Major, Strommodell, 8);
    ASSERT_TRUE(b.empfang.hatSpurstrom());
    EXPECT_EQ(b.befehle, (Befehle{totzeit(1000), ampel(0), spurstrom(0xFF)}))
        << "a board left as another program had it gets every lane's power";

    b.befehle.clear();
    EXPECT_TRUE(b.empfang.spurstromSchalten(3, false));
    EXPECT_TRUE(b.empfang.spurstromSchalten(8, false));
    EXPECT_EQ(b.befehle, (Befehle{spurstrom(0b11111011), spurstrom(0b01111011)}));
    EXPECT_EQ(b.protokoll.back().ereignis, "Platine: Strom der Spur 8 aus");
    EXPECT_EQ(b.protokoll.back().spur, 8);
    EXPECT_EQ(b.protokoll.back().anmerkung, "");

    // A restart powers every lane again; the cut lanes stay cut.
    b.befehle.clear();
    b.hostSekunden(1);
    b.hallo(0.05, Major, Strommodell, 8);
    EXPECT_EQ(b.befehle, (Befehle{totzeit(1000), ampel(0), spurstrom(0b01111011)}));

    b.befehle.clear();
    b.senden(Fehler{FEHLER_PRUEFSUMME, BEFEHL_SPURSTROM});
    EXPECT_TRUE(b.empfang.spurstromSchalten(3, true));
    EXPECT_TRUE(b.empfang.spurstromSchalten(3, true));
    EXPECT_EQ(b.befehle,
              (Befehle{spurstrom(0b01111011), spurstrom(0b01111111), spurstrom(0b01111111)}))
        << "a damaged frame goes again, and so does every command";
    EXPECT_EQ(b.protokoll.back().ereignis, "Platine: Strom der Spur 3 an");

    EXPECT_THROW(b.empfang.spurstromSchalten(0, false), std::out_of_range);
    EXPECT_THROW(b.empfang.spurstromSchalten(9, false), std::out_of_range);
}

// Firmware 1.0 and 1.1: the same commands as ever, and lap timing as ever after a cut that
// did nothing. A board with power outputs found later on the port gets what was asked.
TEST(Spurstrom, EinePlatineOhneStromausgaengeBekommtNichtsUndDasProtokollSagtEs) {
    for (const std::uint8_t minor : {0, 1}) {
        SCOPED_TRACE(int{minor});
        Platinenbahn b;
        b.einstellen([&](Renneinstellungen& e) {
            e.ohneCountdown = true;
            e.prellzeit = 1;
        });
        b.runden(1);
        EXPECT_FALSE(b.empfang.spurstromSchalten(2, false)) << "no board yet";
        EXPECT_TRUE(b.protokoll.empty());

        b.hallo(1.0, Major, minor, minor == 0 ? 4 : 8);
        EXPECT_FALSE(b.empfang.hatSpurstrom());
        EXPECT_FALSE(b.empfang.spurstromSchalten(1, false));
        EXPECT_EQ(b.befehle, (Befehle{totzeit(1000), ampel(0)}));
        EXPECT_EQ(b.protokoll.back().ereignis, "Platine: Strom der Spur 1 aus");
        EXPECT_EQ(b.protokoll.back().anmerkung,
                  "nicht geschaltet: die Platine hat keinen Stromausgang für diese Spur");

        b.rennen.startGedrueckt();
        b.hostSekunden(0.7);
        b.flanke(1, 1.5);
        b.flanke(2, 1.6);
        b.hostSekunden(2.6);
        b.flanke(1, 3.0);
        b.flanke(2, 3.2);
        EXPECT_EQ(b.rundenzeiten(1), (std::vector<double>{0, 1.5}));
        EXPECT_EQ(b.rundenzeiten(2), (std::vector<double>{0, 1.7}));

        b.befehle.clear();
        b.empfang.portGeoeffnet();
        b.hallo(0.05, Major, Strommodell, 8);
        EXPECT_EQ(b.befehle.back(), spurstrom(0b11111100));
    }
}

// A stop and go in a board race: the lane's power goes off at once, a crossing meanwhile is
// logged as "Stop and go" and no lap, and the race's alarm gives the power back once served.
// A board without power outputs times it at the next crossing, and that is said once a run.
TEST(Spurstrom, EinStopAndGoSchaltetDieSpurAbUndWiederAn) {
    for (const std::uint8_t minor : {Strommodell, std::uint8_t{1}}) {
        SCOPED_TRACE(int{minor});
        Platinenbahn b;
        QStringList gesagt;
        b.empfang.beiOhneSpurstrom([&](const QString& text) { gesagt << text; });
        b.einstellen([&](Renneinstellungen& e) {
            e.ohneCountdown = true;
            e.prellzeit = 1;
        });
        b.runden(10);
        b.rennen.portGeoeffnet("/dev/ttyUSB0");
        b.hallo(1.0, Major, minor, 8);
        b.rennen.startGedrueckt();
        b.hostSekunden(0.7);
        b.flanke(1, 1.5);
        b.flanke(2, 1.6);
        b.befehle.clear();
        b.hostSekunden(1);
        ASSERT_TRUE(b.rennen.strafeGeben(1, Strafart::StopAndGo, 3, "Rennleitung"));
        ASSERT_TRUE(b.rennen.strafeGeben(2, Strafart::StopAndGo, 3, "Rennleitung"));
        if (minor != Strommodell) {
            EXPECT_EQ(b.befehle, Befehle{});
            EXPECT_EQ(gesagt, QStringList{"Die Platine schaltet keinen Spurstrom: Stop and go wird "
                                          "angezeigt und an der nächsten Durchfahrt gezeitet."});
            continue;
        }
        EXPECT_TRUE(gesagt.isEmpty());
        EXPECT_EQ(b.befehle, (Befehle{spurstrom(0b11111110), spurstrom(0b11111100)}));
        b.hostSekunden(1);
        b.flanke(1, 3.8);
        EXPECT_EQ(b.protokoll.back().ausgang, Signalausgang::StopAndGo);
        EXPECT_EQ(ausgangText(b.protokoll.back().ausgang), "Stop and go");
        EXPECT_TRUE(b.spur(1).runden.empty());
        b.befehle.clear();
        b.hostSekunden(2.5);
        b.rennen.rennzeitTick();
        EXPECT_EQ(b.befehle, (Befehle{spurstrom(0b11111101), spurstrom(0b11111111)}));
    }
}
