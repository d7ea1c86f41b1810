#include "Sensoranschluss.h"

#include "Portbahn.h"

#include <gtest/gtest.h>

namespace {

class FakeLeitungsport : public FakeAnschluss, public SerielleSchnittstelle {
public:
    void RTSEnable(bool an) override { rts.push_back(an); }
    std::vector<bool> rts;
};

class FakeDatenleitung : public Datenleitung {
public:
    bool oeffnen(const QString& geraet) override {
        geoeffnet << geraet;
        offen = true;
        return true;
    }
    void schliessen() override { offen = false; }
    bool istOffen() const override { return offen; }
    void senden(const QByteArray& bytes) override {
        if (offen)
            gesendet.emplace_back(bytes.begin(), bytes.end());
    }
    void liefern(const Platinenprotokoll::Meldung& meldung) {
        const std::vector<std::uint8_t> bytes = Platinenprotokoll::kodieren(meldung);
        empfangen(QByteArray(reinterpret_cast<const char*>(bytes.data()),
                             static_cast<qsizetype>(bytes.size())));
    }
    void verlieren() {
        offen = false;
        stoerungMelden(Stoerung::Getrennt);
    }
    QStringList geoeffnet;
    std::vector<std::vector<std::uint8_t>> gesendet;
    bool offen = false;
};

// The port opening of the program with its sensor port: the modem lines and a board's
// line as fakes, the board's receiver real.
// The board clock, built before the race that times with it.
struct Platinentakt {
    std::int64_t hostzeit = 0;
    Platinenuhr platinenuhr{[this] { return hostzeit; }};
};

struct Sensorbahn : Platinentakt, Rennbahn {
    Platinenempfang empfang{rennen, platinenuhr, dialoge};
    FakeLeitungsport leitungen;
    FakeDatenleitung platine;
    FakeAnschluss boxport;
    Sensoranschluss sensoranschluss{leitungen, leitungen, platine, empfang};
    Schnittstellensteuerung steuerung{rennen, speicher, dialoge, sensoranschluss, boxport};

    Sensorbahn() : Rennbahn({.platinenuhr = &platinenuhr}) {
        rennen.beobachterAnmelden(empfang);
        empfang.senden([this](const QByteArray& bytes) { platine.senden(bytes); });
    }
    void hallo(std::uint8_t major = Platinenprotokoll::Major) {
        platine.liefern(Platinenprotokoll::Hallo{major, 0, 4, 2'000'000, 0});
    }
    void warten(int schritte) {
        for (int i = 0; i < schritte; ++i)
            sensoranschluss.weiterfragen();
    }
    std::size_t anfragen() const {
        return static_cast<std::size_t>(std::count(platine.gesendet.begin(), platine.gesendet.end(),
                                                   Platinenprotokoll::halloAnfrage()));
    }
    QString portfeld() const { return ansicht().statusleiste.feld("port").text; }
};

} // namespace

TEST(Sensoranschluss, EinePlatineDieAntwortetBleibtDerSensorport) {
    Sensorbahn b;
    b.steuerung.SchnittstelleOeffnen("/dev/ttyACM0");
    EXPECT_EQ(b.platine.geoeffnet, QStringList{"/dev/ttyACM0"});
    EXPECT_EQ(b.anfragen(), 1u);
    EXPECT_EQ(b.portfeld(), "Com Port: /dev/ttyACM0");
    b.warten(3); // the board is still in its bootloader
    b.hallo();
    EXPECT_EQ(b.portfeld(), "Platine: /dev/ttyACM0");

    b.warten(2 * Sensoranschluss::Fragen);
    EXPECT_EQ(b.anfragen(), 4u) << "no more questions once it answered";
    EXPECT_TRUE(b.leitungen.versuche.isEmpty()) << "the modem lines stay closed";
    EXPECT_TRUE(b.sensoranschluss.istOffen());

    b.platine.gesendet.clear();
    b.rennen.ampelSetzen(Ampel::Gruen);
    EXPECT_EQ(b.platine.gesendet,
              (std::vector<std::vector<std::uint8_t>>{Platinenprotokoll::ampel(6)}));
}

TEST(Sensoranschluss, OhneAntwortUebernehmenDieModemleitungenMitDerSystemuhr) {
    Sensorbahn b;
    b.steuerung.SchnittstelleOeffnen("/dev/ttyUSB0");
    b.hallo();
    ASSERT_EQ(&b.rennen.uhr(), &b.platinenuhr);

    // Another port, where plain sensors sit.
    b.steuerung.SchnittstelleOeffnen("/dev/ttyUSB1");
    b.warten(Sensoranschluss::Fragen - 1);
    EXPECT_EQ(b.anfragen(), 1u + Sensoranschluss::Fragen);
    EXPECT_TRUE(b.leitungen.versuche.isEmpty());
    b.warten(1);
    EXPECT_FALSE(b.platine.offen);
    EXPECT_EQ(b.leitungen.versuche, QStringList{"/dev/ttyUSB1"});
    EXPECT_TRUE(b.sensoranschluss.istOffen());
    EXPECT_EQ(&b.rennen.uhr(), &b.uhr) << "line changes are stamped on the system clock";
    EXPECT_EQ(b.portfeld(), "Com Port: /dev/ttyUSB1");
    EXPECT_TRUE(b.dialoge.meldungen.empty());

    // A port whose lines cannot be opened after all.
    b.steuerung.SchnittstelleOeffnen("/dev/ttyUSB2");
    b.leitungen.belegt << "/dev/ttyUSB2";
    b.warten(Sensoranschluss::Fragen);
    ASSERT_EQ(b.dialoge.meldungen.size(), 1u);
    EXPECT_TRUE(b.dialoge.meldungen[0].text.startsWith(
        "Die Verbindung zur Schnittstelle (Com Port /dev/ttyUSB2) ist unterbrochen"));
    EXPECT_EQ(b.portfeld(), "Com Port: ?");
}

TEST(Sensoranschluss, EinePlatineMitFremderFirmwareWirdGeschlossen) {
    Sensorbahn b;
    b.steuerung.SchnittstelleOeffnen("3");
    b.hallo(2);
    ASSERT_EQ(b.dialoge.meldungen.size(), 1u) << "one message, naming both versions";
    EXPECT_TRUE(b.dialoge.meldungen[0].text.contains("Firmware-Version 2.0"));
    EXPECT_FALSE(b.sensoranschluss.istOffen());
    EXPECT_EQ(b.portfeld(), "Com Port: ?");
    EXPECT_TRUE(b.ansicht().titel.endsWith(Hinweis));
    b.warten(Sensoranschluss::Fragen);
    EXPECT_TRUE(b.leitungen.versuche.isEmpty()) << "it is a board, not modem lines";
}

TEST(Sensoranschluss, EineVerlorenePlatineLaesstDasRennenMitIhrerUhrWeiterlaufen) {
    Sensorbahn b;
    b.einstellen([&](Renneinstellungen& e) { e.ohneCountdown = true; });
    b.einstellen([&](Renneinstellungen& e) { e.prellzeit = 1; });
    b.steuerung.SchnittstelleOeffnen("/dev/ttyUSB0");
    b.hallo();
    b.rennen.startGedrueckt();
    b.hostzeit = 1'000'000'000; // in step with the board
    b.platine.liefern(Platinenprotokoll::Flanke{1, false, 2'000'000});
    ASSERT_TRUE(b.stand().rennuhrGestartet);

    b.hostzeit += 500'000'000;
    b.platine.verlieren();
    ASSERT_EQ(b.dialoge.meldungen.size(), 1u);
    EXPECT_TRUE(b.dialoge.meldungen[0].text.contains("Das Rennen bleibt erhalten"));
    EXPECT_EQ(b.portfeld(), "Com Port: ?");
    EXPECT_EQ(b.ansicht().start.text, "Stop");

    // Laps by hand go on, on the board's clock carried by the host's.
    b.hostzeit += 2'000'000'000;
    b.rennen.handrunde(1);
    EXPECT_EQ(b.stand().spuren[1].runde, 2);
    EXPECT_NEAR(b.rundenzeiten(1)[1], 2.5, 0.001);
    b.warten(Sensoranschluss::Fragen);
    EXPECT_TRUE(b.leitungen.versuche.isEmpty());
}
