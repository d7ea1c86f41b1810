#include "Sensorport.h"

#include "Datenport.h"
#include "FakeLeitungen.h"
#include "Portbahn.h"

#include <QTest>
#include <QThread>
#include <gtest/gtest.h>
#include <pty.h>
#include <unistd.h>

namespace {

// A sensor port whose devices are fakes playing the given script.
struct Fakeport {
    AtomareUhr uhr;
    std::vector<bool> rts;
    QStringList geoeffnet;
    FakeSensorgeraet* geraet = nullptr;
    std::vector<Weckruf> skript;
    bool oeffnetNicht = false;
    Sensorport port{uhr, [this](const QString& name) -> std::unique_ptr<Sensorgeraet> {
                        geoeffnet << name;
                        if (oeffnetNicht)
                            return nullptr;
                        auto g = std::make_unique<FakeSensorgeraet>(
                            uhr, Lesung{stand(false, false, 0, 0)}, skript, rts);
                        geraet = g.get();
                        return g;
                    }};
    std::vector<Leitungsereignis> ereignisse;
    std::vector<Stoerung> stoerungen;
    bool nurImGuiThread = true;

    Fakeport() {
        port.beiLeitungsereignis([this](const Leitungsereignis& e) {
            nurImGuiThread = nurImGuiThread && QThread::currentThread() == qApp->thread();
            ereignisse.push_back(e);
        });
        port.beiStoerung([this](Stoerung s) { stoerungen.push_back(s); });
    }
};

// A pseudo-terminal: a real tty to open, though without modem lines.
struct Pseudoterminal {
    int master = -1;
    int slave = -1;
    QString name;
    Pseudoterminal() {
        char pfad[256] = {};
        if (openpty(&master, &slave, pfad, nullptr, nullptr) == 0)
            name = QString::fromLocal8Bit(pfad);
    }
    ~Pseudoterminal() {
        if (master >= 0)
            ::close(master);
        if (slave >= 0)
            ::close(slave);
    }
};

} // namespace

TEST(Sensorport, ReichtJedeAenderungImGuiThreadWeiter) {
    Fakeport f;
    f.skript = {{Antwort::Ok, 1234, {stand(true, false, 1, 0)}},
                {Antwort::Ok, 1240, {stand(true, false, 1, 1)}}};
    f.port.RTSEnable(false);
    EXPECT_TRUE(f.rts.empty()) << "no port yet";
    ASSERT_TRUE(f.port.oeffnen("/dev/ttyS0"));
    EXPECT_TRUE(f.port.istOffen());
    EXPECT_EQ(f.rts, std::vector{false}) << "the last RTS state applies when the port opens";

    ASSERT_TRUE(QTest::qWaitFor([&] { return f.ereignisse.size() == 2; }));
    EXPECT_TRUE(f.nurImGuiThread);
    EXPECT_EQ(f.ereignisse[0].zeit, 1234);
    EXPECT_EQ(f.ereignisse[1].leitung, Leitung::DSR);

    f.port.RTSEnable(true);
    EXPECT_EQ(f.rts, (std::vector{false, true}));
    f.port.schliessen(); // ends the watcher blocked in its wait
    EXPECT_FALSE(f.port.istOffen());
}

TEST(Sensorport, NachDemSchliessenKommtNichtsMehrAn) {
    Fakeport f;
    f.skript = {{Antwort::Ok, 10, {stand(true, false, 1, 0)}}};
    ASSERT_TRUE(f.port.oeffnen("/dev/ttyS0"));
    ASSERT_TRUE(f.geraet->quelle.ausgespielt()); // the change is posted, not yet handled
    f.port.schliessen();
    QCoreApplication::processEvents();
    EXPECT_TRUE(f.ereignisse.empty());

    f.oeffnetNicht = true;
    EXPECT_FALSE(f.port.oeffnen("/dev/ttyS1"));
    EXPECT_FALSE(f.port.istOffen());
}

TEST(Sensorport, EinGetrennterAdapterSchliesstDenPortUndWirdGemeldet) {
    Fakeport f;
    f.skript = {{Antwort::Getrennt, 0, {}}};
    ASSERT_TRUE(f.port.oeffnen("/dev/ttyUSB0"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !f.stoerungen.empty(); }));
    EXPECT_EQ(f.stoerungen, std::vector{Stoerung::Getrennt});
    EXPECT_FALSE(f.port.istOffen());

    f.skript = {};
    EXPECT_TRUE(f.port.oeffnen("/dev/ttyUSB0")) << "plugged in again, it reopens";
    EXPECT_TRUE(f.port.istOffen());
}

TEST(Sensorgeraet, OeffnetEinTerminalNurEinmalUndFindetDortKeineLeitungen) {
    Pseudoterminal pty;
    ASSERT_FALSE(pty.name.isEmpty());
    EXPECT_EQ(sensorgeraetOeffnen("/dev/gibt-es-nicht"), nullptr);

    Portbahn b;
    Systemuhr uhr;
    Sensorport sensoranschluss(uhr);
    FakeAnschluss boxport;
    Schnittstellensteuerung steuerung(b.rennen, b.speicher, b.dialoge, sensoranschluss, boxport);
    steuerung.SchnittstelleOeffnen(pty.name);
    EXPECT_EQ(b.portfeld(), "Com Port: " + pty.name);
    EXPECT_EQ(sensorgeraetOeffnen(pty.name), nullptr) << "the port is this program's alone";

    ASSERT_TRUE(QTest::qWaitFor([&] { return !b.dialoge.meldungen.empty(); }));
    EXPECT_TRUE(b.dialoge.meldungen[0].text.contains("Leitungen CD und DSR nicht beobachten"));
    EXPECT_FALSE(sensoranschluss.istOffen());
    EXPECT_EQ(b.portfeld(), "Com Port: ?");
    EXPECT_NE(sensorgeraetOeffnen(pty.name), nullptr) << "closed, it is free again";
}

TEST(Datenport, ReichtDieBytesWeiterUndMerktDasTrennen) {
    Pseudoterminal pty;
    ASSERT_FALSE(pty.name.isEmpty());
    Datenport box(4800);
    QByteArray empfangen;
    std::vector<Stoerung> stoerungen;
    box.beiEmpfang([&](const QByteArray& bytes) { empfangen += bytes; });
    box.beiStoerung([&](Stoerung s) { stoerungen.push_back(s); });
    EXPECT_FALSE(box.oeffnen("/dev/gibt-es-nicht"));
    ASSERT_TRUE(box.oeffnen(pty.name));

    ASSERT_EQ(::write(pty.master, "\x02\x03\xff", 3), 3);
    ASSERT_TRUE(QTest::qWaitFor([&] { return empfangen.size() == 3; }));
    EXPECT_EQ(empfangen, QByteArray("\x02\x03\xff", 3));

    ::close(pty.master); // the far end goes away
    pty.master = -1;
    ASSERT_TRUE(QTest::qWaitFor([&] { return !stoerungen.empty(); }));
    EXPECT_EQ(stoerungen, std::vector{Stoerung::Getrennt});
    EXPECT_FALSE(box.istOffen());
}
