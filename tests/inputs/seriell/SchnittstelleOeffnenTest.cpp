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
