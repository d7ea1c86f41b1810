#include "Portangabe.h"
#include "Portbahn.h"

#include <QCoreApplication>
#include <QFile>
#include <gtest/gtest.h>
#include <unistd.h>

TEST(Portangabe, ZahlenSindDieSeriellenPortsUndGeraetepfadeGeltenWieSie) {
    const std::vector<std::pair<QString, std::optional<QString>>> faelle{
        {"1", "/dev/ttyS0"},
        {"3", "/dev/ttyS2"},
        {" 3 ", "/dev/ttyS2"},
        {"32767", "/dev/ttyS32766"},
        {"32768", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"0", std::nullopt},
        {"-1", std::nullopt},
        {"+2", std::nullopt},
        {"3,5", std::nullopt},
        {"abc", std::nullopt},
        {"", std::nullopt},
        {"?", std::nullopt},
        {"/dev/ttyUSB0", "/dev/ttyUSB0"},
        {"/dev/serial/by-id/usb-FTDI_FT232R-if00-port0",
         "/dev/serial/by-id/usb-FTDI_FT232R-if00-port0"},
        {"/dev/", std::nullopt},
        {"ttyUSB0", std::nullopt},
    };
    for (const auto& [text, geraet] : faelle)
        EXPECT_EQ(portGeraet(text), geraet) << text.toStdString();
}

TEST(SchnittstelleOeffnen, EinGespeicherterPortOeffnetOhneFrage) {
    Portbahn b;
    b.speicher.werte["port"] = "3";
    b.boxport.offen = true;
    b.steuerung.SchnittstelleOeffnen(NormalOeffnen);

    EXPECT_TRUE(b.dialoge.eingaben.empty());
    EXPECT_EQ(b.sensoranschluss.versuche, QStringList{"/dev/ttyS2"});
    EXPECT_TRUE(b.sensoranschluss.offen);
    EXPECT_FALSE(b.boxport.offen) << "only one of the two ports is open";
    EXPECT_EQ(b.portfeld(), "Com Port: 3");
    EXPECT_EQ(b.speicher.werte.value("port"), "3");
    EXPECT_EQ(b.ansicht().titel, "Rundomat");
}

TEST(SchnittstelleOeffnen, OhneGespeichertenPortWirdGefragt) {
    for (const bool fragezeichen : {true, false}) {
        Portbahn b;
        if (fragezeichen)
            b.speicher.werte["port"] = "?";
        b.dialoge.eingabeAntworten = {"2"};
        b.steuerung.SchnittstelleOeffnen(NormalOeffnen);

        ASSERT_EQ(b.dialoge.eingaben.size(), 1u);
        EXPECT_EQ(b.dialoge.eingaben[0].text, ErsteFrage);
        EXPECT_EQ(b.dialoge.eingaben[0].titel, "welche Schnittstelle");
        EXPECT_EQ(b.dialoge.vorgaben, QStringList{"1"});
        EXPECT_EQ(b.sensoranschluss.versuche, QStringList{"/dev/ttyS1"});
        EXPECT_EQ(b.speicher.werte.value("port"), "2");
        EXPECT_EQ(b.portfeld(), "Com Port: 2");
    }
}

// Text that is no port, a port in use, and a USB adapter's path, one after the other.
TEST(SchnittstelleOeffnen, FragtNachJedemFehlerBisEinPortOeffnet) {
    Portbahn b;
    b.sensoranschluss.belegt = {"/dev/ttyS0"};
    b.dialoge.eingabeAntworten = {"abc", "?", "1", "/dev/ttyUSB0"};
    b.steuerung.SchnittstelleOeffnen(NormalOeffnen);

    EXPECT_EQ(b.fragen(),
              (QStringList{ErsteFrage, fehlerfrage("abc"), fehlerfrage("?"), fehlerfrage("1")}));
    EXPECT_EQ(b.dialoge.vorgaben, (QStringList{"1", "1", "1", "1"}));
    EXPECT_EQ(b.sensoranschluss.versuche, (QStringList{"/dev/ttyS0", "/dev/ttyUSB0"}));
    EXPECT_TRUE(b.dialoge.meldungen.empty());
    EXPECT_EQ(b.speicher.werte.value("port"), "/dev/ttyUSB0");
    EXPECT_EQ(b.portfeld(), "Com Port: /dev/ttyUSB0");
}

TEST(SchnittstelleOeffnen, EineLeereAntwortGibtAuf) {
    Portbahn b;
    b.speicher.werte["port"] = "7";
    b.sensoranschluss.belegt = {"/dev/ttyS6"};
    b.steuerung.SchnittstelleOeffnen(NormalOeffnen); // the error prompt is cancelled

    EXPECT_EQ(b.fragen(), QStringList{fehlerfrage("7")});
    ASSERT_EQ(b.dialoge.meldungen.size(), 1u);
    EXPECT_EQ(b.dialoge.meldungen[0].text,
              "Fehler beim Öffnen der Schnittstelle (Com Port ), es kann keine Zeitaufnahme über "
              "die serielle Schnittstelle erfolgen.");
    EXPECT_EQ(b.dialoge.meldungen[0].titel, "Rundomat");
    EXPECT_EQ(b.portfeld(), "Com Port: ?");
    EXPECT_EQ(b.ansicht().titel, "Rundomat" + Hinweis);
    EXPECT_EQ(b.speicher.werte.value("port"), "7") << "the setting stays as it was";
    EXPECT_FALSE(b.speicher.geschrieben.contains("port"));

    // A cancelled first prompt is no port either.
    Portbahn c;
    c.steuerung.SchnittstelleOeffnen(NormalOeffnen);
    EXPECT_EQ(c.fragen(), (QStringList{ErsteFrage, fehlerfrage("")}));
    EXPECT_TRUE(c.sensoranschluss.versuche.empty());
}

TEST(SchnittstelleOeffnen, DerHinweisImTitelSagtNurWasGilt) {
    Portbahn b;
    b.steuerung.SchnittstelleOeffnen("");
    b.steuerung.SchnittstelleOeffnen("");
    EXPECT_EQ(b.ansicht().titel, "Rundomat" + Hinweis) << "given once, however often";
    b.steuerung.SchnittstelleOeffnen("4");
    EXPECT_EQ(b.ansicht().titel, "Rundomat") << "a port is open again";
}

TEST(SchnittstelleOeffnen, ImRaceControlModusOeffnetSieDenBoxport) {
    Portbahn b;
    b.steuerung.SchnittstelleOeffnen("2");
    b.rennen.ampelSetzen(Ampel::Gelb);
    b.einstellen([&](Renneinstellungen& e) { e.raceControl = true; });
    b.steuerung.SchnittstelleOeffnen(NormalOeffnen);

    EXPECT_EQ(b.boxport.versuche, QStringList{"/dev/ttyS1"});
    EXPECT_TRUE(b.boxport.offen);
    EXPECT_FALSE(b.sensoranschluss.offen);
    EXPECT_EQ(b.lampen(),
              (Reihe<Lampe, 5>{Lampe::Aus, Lampe::Aus, Lampe::Aus, Lampe::Aus, Lampe::Aus}));

    b.steuerung.aktivenPortSchliessen();
    EXPECT_FALSE(b.boxport.offen);

    b.einstellen([&](Renneinstellungen& e) { e.raceControl = false; });
    b.steuerung.SchnittstelleOeffnen(NormalOeffnen);
    EXPECT_TRUE(b.sensoranschluss.offen);
    EXPECT_FALSE(b.boxport.offen);
}

// An adapter pulled out mid-race: the race goes on by keyboard, and the port reopens from
// the settings dialog without a restart.
TEST(SchnittstelleOeffnen, EinVerlorenerPortLaesstDasRennenWeiterlaufen) {
    Portbahn b;
    b.steuerung.SchnittstelleOeffnen("3");
    b.starten();
    b.signal(1, 0.5);
    b.signal(1, 4.0);

    b.sensoranschluss.verlieren(Stoerung::Getrennt);
    ASSERT_EQ(b.dialoge.meldungen.size(), 1u);
    EXPECT_TRUE(b.dialoge.meldungen[0].text.startsWith(
        "Die Verbindung zur Schnittstelle (Com Port 3) ist unterbrochen"));
    EXPECT_EQ(b.dialoge.meldungen[0].titel, "Rundomat");
    EXPECT_EQ(b.portfeld(), "Com Port: ?");
    EXPECT_EQ(b.ansicht().titel, "Rundomat" + Hinweis);
    EXPECT_EQ(b.ansicht().start.text, "Stop");
    EXPECT_EQ(b.stand().spuren[1].runde, 2);

    b.signal(1, 8.0);
    EXPECT_EQ(b.stand().spuren[1].runde, 3) << "keyboard laps still count";

    b.rennen.startGedrueckt(); // stop, then "COM ändern"
    b.dialoge.eingabeAntworten = {"3"};
    DialogLogik dialog = b.dialog();
    dialog.portWechseln();
    EXPECT_TRUE(b.sensoranschluss.offen);
    EXPECT_EQ(b.sensoranschluss.versuche, (QStringList{"/dev/ttyS2", "/dev/ttyS2"}));
    EXPECT_EQ(b.portfeld(), "Com Port: 3");
    EXPECT_EQ(b.ansicht().titel, "Rundomat");
}

// Lanes 5 to 8 on a port of their own: asked for only where the track has them, like the
// first port, stored, and named in the status bar beside the first.
TEST(SchnittstelleOeffnen, UeberVierSpurenWirdNachDemZweitenPortGefragt) {
    Portbahn b;
    b.einstellen([](Renneinstellungen& e) { e.spuranzahl = 4; });
    b.steuerung.SchnittstelleOeffnen("3");
    EXPECT_TRUE(b.dialoge.eingaben.empty()) << "four lanes fit on one port";
    EXPECT_TRUE(b.zweiterSensorport.versuche.empty());
    EXPECT_EQ(b.portfeld(), "Com Port: 3");

    b.einstellen([](Renneinstellungen& e) { e.spuranzahl = 6; });
    b.zweiterSensorport.belegt = {"/dev/ttyS1"};
    b.dialoge.eingabeAntworten = {"2", "/dev/ttyUSB1"};
    b.steuerung.SchnittstelleOeffnen("3");
    const QString zweiteFrage = QStringLiteral(
        "Geben Sie bitte die Portnummer der seriellen Schnittstelle für die Spuren 5 bis 8 an:");
    EXPECT_EQ(b.fragen(),
              (QStringList{zweiteFrage, fehlerfrage("2").replace("für die Rundomat",
                                                                 "für die Spuren 5 bis 8")}));
    EXPECT_EQ(b.dialoge.vorgaben, (QStringList{"2", "2"}));
    EXPECT_EQ(b.zweiterSensorport.versuche, (QStringList{"/dev/ttyS1", "/dev/ttyUSB1"}));
    EXPECT_TRUE(b.zweiterSensorport.offen);
    EXPECT_EQ(b.speicher.werte.value("port2"), "/dev/ttyUSB1");
    EXPECT_EQ(b.speicher.werte.value("port"), "3");
    EXPECT_EQ(b.portfeld(), "Com Port: 3 + /dev/ttyUSB1");

    // "COM ändern" opens both again, the second from its setting without asking.
    b.dialoge.eingaben.clear();
    b.dialoge.eingabeAntworten = {"4"};
    b.dialog().portWechseln();
    EXPECT_EQ(b.fragen(), QStringList{ErsteFrage});
    EXPECT_TRUE(b.zweiterSensorport.offen);
    EXPECT_EQ(b.zweiterSensorport.versuche.last(), "/dev/ttyUSB1");
    EXPECT_EQ(b.portfeld(), "Com Port: 4 + /dev/ttyUSB1");

    // Back to two lanes: the second port closes.
    b.einstellen([](Renneinstellungen& e) { e.spuranzahl = 2; });
    b.steuerung.zweitenPortAnpassen();
    EXPECT_FALSE(b.zweiterSensorport.offen);
    EXPECT_EQ(b.portfeld(), "Com Port: 4");

    // Where the first port never opened, nobody is asked for the second.
    Portbahn c;
    c.einstellen([](Renneinstellungen& e) { e.spuranzahl = 8; });
    c.steuerung.SchnittstelleOeffnen("");
    c.steuerung.zweitenPortAnpassen();
    EXPECT_EQ(c.fragen(), QStringList{fehlerfrage("")});
    EXPECT_TRUE(c.zweiterSensorport.versuche.empty());
}

// The second port pulled out mid-race: said so, and the first port's lanes go on counting.
// A second port that never opens leaves the first one's lanes timed as well.
TEST(SchnittstelleOeffnen, OhneDenZweitenPortZaehlenDieSpurenDesErsten) {
    Portbahn b;
    b.einstellen([](Renneinstellungen& e) { e.spuranzahl = 8; });
    b.speicher.werte["port2"] = "5";
    b.steuerung.SchnittstelleOeffnen("3");
    ASSERT_TRUE(b.zweiterSensorport.offen);
    b.starten();
    b.signal(6, 0.5);
    b.zweiterSensorport.verlieren(Stoerung::Getrennt);
    ASSERT_EQ(b.dialoge.meldungen.size(), 1u);
    EXPECT_TRUE(b.dialoge.meldungen[0].text.startsWith(
        "Die Verbindung zur Schnittstelle (Com Port 5) der Spuren 5 bis 8 ist unterbrochen"));
    EXPECT_EQ(b.portfeld(), "Com Port: 3 + ?") << "lanes 5 to 8 are timed by hand now";
    EXPECT_EQ(b.ansicht().titel, "Rundomat") << "the sensors still time lanes 1 to 4";
    EXPECT_EQ(b.ansicht().start.text, "Stop");
    b.signal(1, 0.7);
    EXPECT_EQ(b.stand().spuren[1].runde, 1);
    b.signal(6, 4.0);
    EXPECT_EQ(b.stand().spuren[6].runde, 2) << "lanes 5 to 8 by hand";

    Portbahn c;
    c.einstellen([](Renneinstellungen& e) { e.spuranzahl = 5; });
    c.zweiterSensorport.belegt = {"/dev/ttyS4"};
    c.speicher.werte["port2"] = "5";
    c.steuerung.SchnittstelleOeffnen("3"); // the error prompt is cancelled
    ASSERT_EQ(c.dialoge.meldungen.size(), 1u);
    EXPECT_EQ(c.dialoge.meldungen[0].text,
              "Fehler beim Öffnen der Schnittstelle der Spuren 5 bis 8, es kann keine "
              "Zeitaufnahme dieser Spuren über die serielle Schnittstelle erfolgen.");
    EXPECT_TRUE(c.sensoranschluss.offen);
    EXPECT_EQ(c.portfeld(), "Com Port: 3 + ?");
    EXPECT_EQ(c.ansicht().titel, "Rundomat");
    EXPECT_EQ(c.speicher.werte.value("port2"), "5");
}

TEST(SchnittstelleOeffnen, EinGeraetOhneModemleitungenWirdGenannt) {
    Portbahn b;
    b.steuerung.SchnittstelleOeffnen("/dev/pts/4");
    b.sensoranschluss.verlieren(Stoerung::KeineLeitungen);
    ASSERT_EQ(b.dialoge.meldungen.size(), 1u);
    EXPECT_EQ(b.dialoge.meldungen[0].text,
              "An der Schnittstelle (Com Port /dev/pts/4) lassen sich die Leitungen CD und DSR "
              "nicht beobachten, und keine Platine hat sich gemeldet; es kann keine "
              "Zeitaufnahme über die serielle Schnittstelle erfolgen.");
    EXPECT_EQ(b.portfeld(), "Com Port: ?");

    // A board whose firmware is foreign has been named by the board's receiver already.
    b.steuerung.SchnittstelleOeffnen("/dev/pts/4");
    b.sensoranschluss.verlieren(Stoerung::FremdeFirmware);
    EXPECT_EQ(b.dialoge.meldungen.size(), 1u);
    EXPECT_EQ(b.portfeld(), "Com Port: ?");
    EXPECT_TRUE(b.ansicht().titel.endsWith(Hinweis));
}

// A port the user may not open: the prompt says how to get the right. Only a user without
// root's rights sees it; ctest runs this once more as such a user (SchnittstelleOhneRecht).
TEST(SchnittstelleOeffnen, OhneRechtNenntDasPromptDieGruppeDialout) {
    if (geteuid() == 0)
        GTEST_SKIP() << "root may open every port";
    const QString geraet =
        QStringLiteral("/dev/shm/rundomat-port-%1").arg(QCoreApplication::applicationPid());
    QFile port(geraet);
    ASSERT_TRUE(port.open(QIODevice::WriteOnly));
    port.close();
    ASSERT_TRUE(port.setPermissions({}));
    Portbahn b;
    b.sensoranschluss.belegt = {geraet, "/dev/ttyS0"};
    b.dialoge.eingabeAntworten = {geraet, "1"};
    b.steuerung.SchnittstelleOeffnen(NormalOeffnen);
    port.remove();

    const QStringList fragen = b.fragen();
    ASSERT_EQ(fragen.size(), 3);
    EXPECT_EQ(fragen[1], "Fehler beim Öffnen der Schnittstelle (Com Port " + geraet +
                             ").\nIhnen fehlt das Recht, diese Schnittstelle zu öffnen: treten "
                             "Sie mit dem Befehl\nsudo adduser $USER dialout der Gruppe dialout "
                             "bei und melden Sie sich danach neu an.\nGeben Sie bitte eine "
                             "unbelegte und richtig konfigurierte Portnummer der seriellen "
                             "Schnittstelle für die Rundomat an:");
}
