#include "Platinenbahn.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace Platinenprotokoll;

namespace {
std::vector<std::vector<std::uint8_t>>
befehlsfolge(std::initializer_list<std::vector<std::uint8_t>> b) {
    return b;
}
} // namespace

TEST(Platinenempfang, ErkenntDiePlatineAmHalloUndSchicktIhrPrellzeitUndAmpel) {
    Platinenbahn b;
    b.einstellen([&](Renneinstellungen& e) { e.prellzeit = 2.5; });
    b.rennen.portGeoeffnet("3");
    b.rennen.ampelSetzen(Ampel::Gelb);
    EXPECT_TRUE(b.befehle.empty()) << "nothing goes to a port nobody answered on";

    b.hallo(1.7);
    EXPECT_EQ(b.hallos, std::vector{true});
    EXPECT_TRUE(b.empfang.erkannt());
    EXPECT_EQ(b.ansicht().statusleiste.feld("port").text, "Platine: 3");
    EXPECT_EQ(b.befehle, befehlsfolge({totzeit(2500), ampel(7)}));
    EXPECT_EQ(&b.rennen.uhr(), &b.platinenuhr) << "the race now runs on the board's clock";
    EXPECT_EQ(b.protokoll.at(0).ereignis, "Platine erkannt: Firmware 1.0, 4 Eingänge");

    b.befehle.clear();
    b.hallo(1.8); // the answer to one more question
    EXPECT_TRUE(b.befehle.empty());
    EXPECT_EQ(b.protokoll.size(), 1u) << "no restart";
    b.rennen.ampelSetzen(Ampel::Rot1);
    b.einstellen([&](Renneinstellungen& e) { e.prellzeit = 3; });
    b.rennen.ampelSetzen(Ampel::Rot2);
    EXPECT_EQ(b.befehle, befehlsfolge({ampel(1), totzeit(3000), ampel(2)}))
        << "a new debounce time goes with the next light";
}

TEST(Platinenempfang, RundenzeitenKommenAusDenStempelnNichtAusDerAnkunft) {
    Platinenbahn b;
    b.runden(2);
    b.einstellen([&](Renneinstellungen& e) { e.ohneCountdown = true; });
    b.einstellen([&](Renneinstellungen& e) { e.prellzeit = 1; });
    b.hallo(10.0);
    b.rennen.startGedrueckt();
    // Reports arrive late and bunched, as through USB; the stamps say when.
    b.hostSekunden(0.3);
    b.flanke(1, 10.2000005);
    b.flanke(3, 10.25); // a lane this program has no use for
    b.flanke(2, 10.4123456);
    b.hostSekunden(1.9);
    b.flanke(1, 11.7345675);
    b.flanke(2, 12.0);
    b.hostSekunden(0.05);
    b.flanke(2, 12.5); // within the debounce time of the last
    b.flanke(1, 13.0);
    b.hostSekunden(3);
    b.flanke(2, 13.3);
    EXPECT_EQ(b.rundenzeiten(1), (std::vector<double>{0, 1.535, 1.265}));
    EXPECT_EQ(b.rundenzeiten(2), (std::vector<double>{0, 1.8, 1.3}));
    EXPECT_TRUE(b.stand().spuren[1].fertig && b.stand().spuren[2].fertig);

    const Signaleintrag& dritte = b.protokoll.at(2);
    EXPECT_EQ(dritte.ereignis, "Platine Eingang 3 fällt");
    EXPECT_EQ(dritte.spur, 3);
    EXPECT_EQ(dritte.ausgang, Signalausgang::KeineSpur);
    const Signaleintrag& geprellt = b.protokoll.at(6);
    EXPECT_EQ(geprellt.ausgang, Signalausgang::Geprellt);
    EXPECT_EQ(geprellt.anmerkung, "Platinenzeit 12500000 µs");
    EXPECT_EQ(geprellt.ticksProSekunde, 1'000'000);
}

TEST(Platinenempfang, EineFremdeFirmwareWirdMitBeidenVersionenGenanntUndNichtBenutzt) {
    Platinenbahn b;
    b.hallo(1.0, 2);
    EXPECT_EQ(b.hallos, std::vector{false});
    ASSERT_EQ(b.meldungstexte().size(), 1);
    EXPECT_EQ(b.meldungstexte()[0],
              "Die Platine an der seriellen Schnittstelle hat die Firmware-Version 2.0, Rundomat "
              "versteht die Version 1.2. Bitte die Firmware aufspielen, die zu diesem Programm "
              "gehört (siehe Hilfe); bis dahin kann keine Zeitaufnahme über die serielle "
              "Schnittstelle erfolgen.");
    EXPECT_TRUE(b.befehle.empty());
    EXPECT_EQ(&b.rennen.uhr(), &b.uhr) << "the race keeps its clock";

    b.einstellen([&](Renneinstellungen& e) { e.ohneCountdown = true; });
    b.rennen.startGedrueckt();
    b.flanke(1, 2.0);
    EXPECT_FALSE(b.stand().rennuhrGestartet) << "its edges count for nothing";
}

TEST(Platinenempfang, VerloreneSignaleWerdenEinmalGemeldetAndereFehlerNurProtokolliert) {
    Platinenbahn b;
    b.hallo(1.0);
    // The board reports again while the message is open.
    b.dialoge.beimNaechstenModal = [&] { b.senden(Fehler{FEHLER_UEBERLAUF, 2}); };
    b.senden(Fehler{FEHLER_UEBERLAUF, 7});
    b.senden(Fehler{FEHLER_UNBEKANNT, 0x5A});
    EXPECT_EQ(b.meldungstexte(),
              QStringList{"Die Platine hat 7 Signale verloren: ihre Eingänge haben sich schneller "
                          "geändert, als sie melden kann. Es können Runden fehlen; bitte die "
                          "Sensoren und ihre Kabel prüfen."});
    ASSERT_EQ(b.protokoll.size(), 4u);
    EXPECT_EQ(b.protokoll[1].ereignis, "Platine: Überlauf, 7 Signale verloren");
    EXPECT_EQ(b.protokoll[2].ereignis, "Platine: Überlauf, 2 Signale verloren");
    EXPECT_EQ(b.protokoll[3].ereignis, "Platine: unbekannter Befehl 0x5A");
}

// Power dipped: the board starts again from zero. Its hello may be lost on the line; then
// only its next time report, which goes back, tells of the restart.
TEST(Platinenempfang, EineNeuGestartetePlatineSetztDieUhrFortUndHoertWiederAlles) {
    for (const bool mitHallo : {true, false}) {
        SCOPED_TRACE(mitHallo ? "hello" : "time report only");
        Platinenbahn b;
        b.einstellen([&](Renneinstellungen& e) { e.ohneCountdown = true; });
        b.runden(5);
        b.einstellen([&](Renneinstellungen& e) { e.prellzeit = 1; });
        b.hallo(100.0);
        b.rennen.startGedrueckt();
        b.flanke(1, 101.0);
        b.hostSekunden(1.5);
        b.senden(Zeit{Platinenbahn::ticks(102.5)});
        const std::int64_t vorher = b.platinenuhr.ticks();
        b.befehle.clear();

        b.hostSekunden(0.2);
        if (mitHallo)
            b.hallo(0.05);
        else
            b.senden(Zeit{Platinenbahn::ticks(0.05)});
        EXPECT_GE(b.platinenuhr.ticks(), vorher + 200'000) << "the clock went on";
        EXPECT_EQ(b.befehle, befehlsfolge({totzeit(1000), ampel(6)}))
            << "told again what it forgot";
        EXPECT_EQ(b.hallos, std::vector{true}) << "the port was recognised once";
        EXPECT_EQ(b.protokoll.back().ereignis,
                  mitHallo ? "Platine neu gestartet: Firmware 1.0, 4 Eingänge"
                           : "Platine neu gestartet, ohne Hallo: Platinenzeit 50000 µs");
        b.hostSekunden(0.1);
        b.senden(Zeit{Platinenbahn::ticks(0.15)});
        b.hostSekunden(0.9);
        b.flanke(1, 1.05);
        EXPECT_EQ(b.spur(1).runde, 2);
        EXPECT_NEAR(b.rundenzeiten(1)[1], 2.7, 0.001) << "101.0 to 102.5 and 1.2 s more";
        EXPECT_TRUE(b.dialoge.meldungen.empty());
    }
}

// A frame with an intact checksum but a time an hour ahead, as an edge and as a time
// report: neither counts nor moves the clock, the racers are told once, and the race goes
// on with the lane's next crossing.
TEST(Platinenempfang, EineZeitFernDerUhrZaehltNichtUndWirdEinmalGemeldet) {
    Platinenbahn b;
    b.einstellen([&](Renneinstellungen& e) { e.ohneCountdown = true; });
    b.runden(5);
    b.einstellen([&](Renneinstellungen& e) { e.prellzeit = 1; });
    b.hallo(100.0);
    b.rennen.startGedrueckt();
    b.flanke(1, 100.2);
    b.hostSekunden(0.5);
    const std::int64_t vorher = b.platinenuhr.ticks();
    b.flanke(1, 3700.5);
    b.senden(Zeit{Platinenbahn::ticks(3700.5)});
    EXPECT_EQ(b.platinenuhr.ticks(), vorher) << "the clock did not jump";
    EXPECT_EQ(b.spur(1).runde, 1);
    ASSERT_GE(b.protokoll.size(), 2u);
    const Signaleintrag& flanke = b.protokoll[b.protokoll.size() - 2];
    EXPECT_EQ(flanke.ereignis, "Platine Eingang 1 steigt");
    EXPECT_EQ(flanke.ausgang, Signalausgang::Ignoriert);
    EXPECT_EQ(flanke.anmerkung,
              "Platinenzeit 3700500000 µs, 3600 s neben der Platinenuhr: nicht gezählt");
    EXPECT_EQ(b.protokoll.back().ereignis, "Platine Zeitmeldung");
    EXPECT_EQ(b.meldungstexte(),
              QStringList{"Die Platine hat eine Zeit gemeldet, die 3600 Sekunden neben ihrer Uhr "
                          "liegt. Die Platine oder ihre Leitung ist gestört; Meldungen mit solchen "
                          "Zeiten werden nicht gezählt, das Rennen läuft weiter."});

    b.hostSekunden(1.0);
    b.flanke(1, 101.7);
    EXPECT_EQ(b.spur(1).runde, 2);
    EXPECT_EQ(b.rundenzeiten(1)[1], 1.5);

    b.rennen.startGedrueckt(); // stop
    b.rennen.startGedrueckt(); // the next race
    b.flanke(2, 50.0);
    EXPECT_EQ(b.dialoge.meldungen.size(), 2u) << "told again in the next race";
}

// A false time behind the last one looks like a restart; the board's true reports then lie
// far ahead. The second of them in a row takes the clock back to them, so one damaged frame
// costs no more than a fraction of a second of the race.
TEST(Platinenempfang, EineFalscheZeitZurueckVerstelltDieUhrNichtFuerImmer) {
    Platinenbahn b;
    b.einstellen([&](Renneinstellungen& e) { e.ohneCountdown = true; });
    b.runden(5);
    b.einstellen([&](Renneinstellungen& e) { e.prellzeit = 0.1; });
    b.hallo(100.0);
    b.rennen.startGedrueckt();
    b.hostSekunden(0.05);
    b.flanke(1, 100.05);
    b.hostSekunden(0.05);
    b.senden(Zeit{Platinenbahn::ticks(100.1)});
    b.senden(Zeit{Platinenbahn::ticks(5.0)});
    b.hostSekunden(0.1);
    b.senden(Zeit{Platinenbahn::ticks(100.2)});
    b.flanke(2, 100.2); // refused: far from the clock as it stands
    b.hostSekunden(0.1);
    b.senden(Zeit{Platinenbahn::ticks(100.3)});
    EXPECT_EQ(b.protokoll.back().ereignis,
              "Platinenuhr übernommen: die zweite Zeitmeldung in Folge 95,1 s neben ihr");
    b.hostSekunden(0.05);
    b.flanke(1, 100.35);
    EXPECT_EQ(b.spur(1).runde, 2);
    EXPECT_EQ(b.rundenzeiten(1)[1], 0.3);
    EXPECT_EQ(b.spur(2).runde, 0);
}

// A command the board could not read goes again as it stands now, not as it was sent.
TEST(Platinenempfang, EinUnlesbarerBefehlGehtMitDemStandVonJetztNochEinmal) {
    Platinenbahn b;
    b.einstellen([&](Renneinstellungen& e) { e.prellzeit = 1; });
    b.hallo(1.0);
    b.rennen.ampelSetzen(Ampel::FliegenderStart);
    b.rennen.ampelSetzen(Ampel::Gruen);
    // Not sent yet: it goes with the next light.
    b.einstellen([&](Renneinstellungen& e) { e.prellzeit = 2.5; });
    b.befehle.clear();
    b.senden(Fehler{FEHLER_PRUEFSUMME, BEFEHL_AMPEL}); // the 8 or the 6
    b.senden(Fehler{FEHLER_PRUEFSUMME, BEFEHL_TOTZEIT});
    b.senden(Fehler{FEHLER_PRUEFSUMME, BEFEHL_HALLO});
    b.senden(Fehler{FEHLER_UNGUELTIG, BEFEHL_AMPEL});
    EXPECT_EQ(b.befehle, befehlsfolge({ampel(6), totzeit(2500)}));
    EXPECT_EQ(b.protokoll.back().ereignis, "Platine: Befehl 0x41 abgelehnt");
}

TEST(Platinenuhr, LaeuftZwischenDenMeldungenMitDemHostWeiterUndNieZurueck) {
    std::int64_t host = 0;
    Platinenuhr uhr([&] { return host; });
    uhr.hallo(2'000'000, 4'000'000); // 2 s
    const std::int64_t start = uhr.ticks();
    EXPECT_EQ(uhr.stempel(4'000'001), start) << "half a microsecond is no microsecond";
    EXPECT_EQ(uhr.stempel(6'000'000), start + 1'000'000);
    host += 250'000'000;
    EXPECT_EQ(uhr.ticks(), start + 250'000);
    // A report that is behind the host's count does not turn the clock back.
    uhr.zeitmeldung(4'400'000);
    EXPECT_EQ(uhr.ticks(), start + 250'000);
    host += 100'000'000;
    EXPECT_EQ(uhr.ticks(), start + 300'000);

    Platinenuhr schnell([&] { return host; });
    schnell.hallo(3, 0); // any rate a board names
    EXPECT_EQ(schnell.mikrosekunden(7), 2'333'333);
    EXPECT_EQ(schnell.mikrosekunden(~std::uint64_t{0}), std::int64_t{1} << 60) << "no overflow";
}

TEST(Platinenprotokoll, MeldungenUndBefehleStehenSoAufDerLeitung) {
    EXPECT_EQ(halloAnfrage(), (std::vector<std::uint8_t>{0xA5, 0x3F, 0x00, 0xA4, 0x08}));
    // A bootloader that still waits after the reset must take the request for noise: none
    // of the STK500 commands it acts on, and no end-of-command (0x20).
    const std::vector<std::uint8_t> stk500{0x20, 0x30, 0x31, 0x40, 0x41, 0x42, 0x45, 0x50, 0x51,
                                           0x52, 0x53, 0x55, 0x56, 0x60, 0x61, 0x62, 0x63, 0x64,
                                           0x70, 0x71, 0x72, 0x73, 0x74, 0x75, 0x76};
    for (const std::uint8_t byte : halloAnfrage())
        EXPECT_EQ(std::count(stk500.begin(), stk500.end(), byte), 0) << int{byte};
    EXPECT_EQ(ampel(6), (std::vector<std::uint8_t>{0xA5, 0x41, 0x01, 0x06, 0xF6, 0xB5}));

    Leser leser;
    const Platinenprotokoll::Meldung meldungen[] = {Hallo{1, 2, 4, 2'000'000, 0x0102030405060708},
                                                    Flanke{3, true, 0xFFFFFFFFFFFF}, Zeit{42},
                                                    Fehler{1, 300}};
    std::vector<std::uint8_t> bytes{0x00, 0xA5};
    for (const Platinenprotokoll::Meldung& m : meldungen) {
        const std::vector<std::uint8_t> k = kodieren(m);
        bytes.insert(bytes.end(), k.begin(), k.end());
    }
    const std::vector<std::uint8_t> ohneTakt = kodieren(Hallo{1, 0, 4, 0, 0});
    bytes.insert(bytes.end(), ohneTakt.begin(), ohneTakt.end());
    std::vector<Platinenprotokoll::Meldung> gelesen;
    for (const std::uint8_t byte : bytes) {
        leser.aufnehmen(byte);
        while (std::optional<Platinenprotokoll::Meldung> m = leser.naechste())
            gelesen.push_back(*m);
    }
    EXPECT_EQ(gelesen,
              std::vector<Platinenprotokoll::Meldung>(std::begin(meldungen), std::end(meldungen)))
        << "a hello without a clock rate is no hello";
}
