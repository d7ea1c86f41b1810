#include "Leitungsbahn.h"

#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <fcntl.h>
#include <future>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

TEST(Leitungsbehandlung, PrellzeitZaehltVomLetztenAngenommenenSignal) {
    Leitungsbahn b;
    b.starten();
    b.cd(10.0);
    b.cd(10.001, false); // the same car leaving the sensor
    b.cd(11.999);
    b.cd(12.0); // exactly Prellzeit after 10.0
    b.cd(13.999);

    EXPECT_EQ(b.ausgaenge(),
              (QStringList{"angenommen", "geprellt", "geprellt", "angenommen", "geprellt"}));
    EXPECT_DOUBLE_EQ(b.stand().spuren[1].letztesSignal, 3612.0);
    EXPECT_EQ(b.stand().spuren[1].runde, 2) << "first crossing at 10, lap 1 done at 12";
    EXPECT_DOUBLE_EQ(b.rundenzeiten(1)[1], 12.0);
}

// (3600.3 + 0.3) comes out above 3600.6 in binary: the debounce must still let it pass.
TEST(Leitungsbehandlung, GenauEinePrellzeitSpaeterZaehltTrotzRundungsfehler) {
    Leitungsbahn b;
    b.einstellen([&](Renneinstellungen& e) { e.prellzeit = 0.3; });
    b.starten();
    b.cd(0.3);
    b.cd(0.6);
    EXPECT_EQ(b.ausgaenge(), (QStringList{"angenommen", "angenommen"}));
    EXPECT_DOUBLE_EQ(b.rundenzeiten(1)[1], 0.6);
}

TEST(Leitungsbehandlung, GesperrteSignaleLassenLetztesSignalUnberuehrt) {
    Leitungsbahn b;
    b.cd(1.0); // idle after program start
    EXPECT_EQ(b.stand().spuren[1].letztesSignal, 0);

    b.starten();
    b.cd(1.0);
    b.bei(2.0);
    b.rennen.crashUmschalten();
    b.cd(4.0);
    b.dsr(4.5);
    EXPECT_EQ(b.ausgaenge(), (QStringList{"gesperrt", "angenommen", "gesperrt", "gesperrt"}));
    EXPECT_DOUBLE_EQ(b.stand().spuren[1].letztesSignal, 3601.0);
    EXPECT_DOUBLE_EQ(b.stand().spuren[2].letztesSignal, -2.0);
    EXPECT_EQ(b.stand().spuren[1].runde, 1);
}

// A lap of 6 s with a 30 s crash pause in it is recorded as 6 s.
TEST(Leitungsbehandlung, DieCrashPauseFehltInDenSignalzeiten) {
    Leitungsbahn b;
    b.starten();
    b.cd(1.0);
    b.bei(2.0);
    b.rennen.crashUmschalten();
    b.bei(32.0);
    b.rennen.crashUmschalten();
    b.cd(36.0);
    EXPECT_DOUBLE_EQ(b.rundenzeiten(1)[1], 6.0);
}

TEST(Leitungsbehandlung, DsrZaehltNurBeimAbfallen) {
    Leitungsbahn b;
    b.starten();
    b.dsr(1.0, true);
    EXPECT_EQ(b.stand().spuren[2].runde, 0);
    b.dsr(1.03, false);
    b.dsr(4.0, true);
    b.dsr(4.03, false);
    EXPECT_EQ(b.ausgaenge(), (QStringList{"ignoriert", "angenommen", "ignoriert", "angenommen"}));
    EXPECT_EQ(b.protokoll[0].spur, 0) << "a rising DSR stands for no lane";
    EXPECT_DOUBLE_EQ(b.rundenzeiten(2)[1], 4.03);
    EXPECT_EQ(b.stand().spuren[1].runde, 0);
}

// Four lanes on one port, four more on the second: every line is its own lane with its own
// debounce, timed by its drop (CD by its first change), and the second port's changes are
// told apart in the log.
TEST(Leitungsbehandlung, AchtSpurenAufDenVierLeitungenZweierPorts) {
    Leitungsbahn b;
    Leitungsbehandlung zweiter(b.rennen, 2);
    zweiter.protokollieren([&](const Signaleintrag& e) { b.protokoll.push_back(e); });
    b.einstellen([](Renneinstellungen& e) {
        e.spuranzahl = 8;
        e.rundenzahl = 2;
    });
    b.starten();
    for (const double runde : {1.0, 4.0, 7.0}) {
        for (Leitungsbehandlung* port : {&b.leitung, &zweiter}) {
            const double versatz = port == &zweiter ? 0.5 : 0;
            port->leitungGeaendert({Leitung::CD, true, Leitungsbahn::ms(runde + versatz)});
            port->leitungGeaendert({Leitung::CD, false, Leitungsbahn::ms(runde + versatz + 0.02)});
            b.durchfahrt(*port, Leitung::DSR, runde + versatz + 0.1);
            b.durchfahrt(*port, Leitung::CTS, runde + versatz + 0.2);
            b.durchfahrt(*port, Leitung::RI, runde + versatz + 0.3);
        }
    }
    for (int spur = 1; spur <= 8; ++spur) {
        // Lap 1 runs from the race's start to the second passage.
        const double ersteRunde = 4.0 + (spur - 1) % 4 * 0.1 + (spur > 4 ? 0.5 : 0);
        ASSERT_EQ(b.rundenzeiten(spur).size(), 3u) << "lane " << spur;
        EXPECT_NEAR(b.rundenzeiten(spur)[1], ersteRunde, 1e-9) << "lane " << spur;
        EXPECT_NEAR(b.rundenzeiten(spur)[2], 3.0, 1e-9) << "lane " << spur;
    }
    EXPECT_EQ(b.rennen.ergebnis().sieger(), 1);

    // The first round of passages: CD both edges, then each line up and down.
    const QStringList ersterPort{"CD steigt",  "CD fällt",  "DSR steigt", "DSR fällt",
                                 "CTS steigt", "CTS fällt", "RI steigt",  "RI fällt"};
    QStringList texte;
    std::vector<int> spuren;
    for (std::size_t i = 0; i < 16; ++i) {
        texte << b.protokoll[i].ereignis;
        spuren.push_back(b.protokoll[i].spur);
    }
    QStringList erwartet = ersterPort;
    for (const QString& t : ersterPort)
        erwartet << "Port 2 " + t;
    EXPECT_EQ(texte, erwartet);
    EXPECT_EQ(spuren, (std::vector<int>{1, 1, 0, 2, 0, 3, 0, 4, 5, 5, 0, 6, 0, 7, 0, 8}));
    EXPECT_EQ(b.ausgaenge().mid(0, 2), (QStringList{"angenommen", "geprellt"}));
}

// Sensors wired to lines the track has no lanes for (a four-lane cable on a two-lane
// evening) are logged and never counted.
TEST(Leitungsbehandlung, LeitungenOhneSpurDerBahnWerdenNurProtokolliert) {
    Leitungsbahn b;
    Leitungsbehandlung zweiter(b.rennen, 2);
    zweiter.protokollieren([&](const Signaleintrag& e) { b.protokoll.push_back(e); });
    b.starten();
    b.durchfahrt(b.leitung, Leitung::CTS, 1.0);
    b.durchfahrt(zweiter, Leitung::RI, 1.1);
    b.cd(1.2);
    EXPECT_EQ(b.ausgaenge(), (QStringList{"ignoriert", "keine Spur der Bahn", "ignoriert",
                                          "keine Spur der Bahn", "angenommen"}));
    EXPECT_EQ(b.protokoll[3].spur, 8);
    EXPECT_EQ(b.stand().spuren[1].runde, 1);
}

// One sensor serves both lanes; the lane of the signalling sensor comes first and so wins
// a race decided on the shared signal.
TEST(Leitungsbehandlung, EinzelmodusGibtDasSignalErstDerEigenenDannDerAnderenSpur) {
    for (const Leitung sensor : {Leitung::CD, Leitung::DSR}) {
        Leitungsbahn b;
        b.runden(1);
        b.rennen.einzelmodusUmschalten();
        b.starten();
        const int eigene = sensor == Leitung::CD ? 1 : 2;
        const auto signal = [&](double s) { sensor == Leitung::CD ? b.cd(s) : b.dsr(s); };
        signal(1.0);
        EXPECT_EQ(b.stand().spuren[1].runde, 1);
        EXPECT_EQ(b.stand().spuren[2].runde, 1);
        signal(5.0);

        EXPECT_EQ(b.ansicht().fahrer[eigene].text, "Sieger!!!");
        EXPECT_EQ(b.ansicht().fahrer[andereSpur(eigene)].text, "Verlierer");
        EXPECT_EQ(b.ansicht().zeit[1].text, b.ansicht().zeit[2].text);
        EXPECT_DOUBLE_EQ(b.stand().spuren[andereSpur(eigene)].letztesSignal, -2.0)
            << "the other lane's debounce memory is not touched";
        EXPECT_EQ(b.protokoll[0].anmerkung,
                  QStringLiteral("Einzelmodus: auch Spur %1").arg(andereSpur(eigene)));
    }
}

TEST(Leitungsbehandlung, EinSignalImCountdownIstEinFehlstart) {
    Leitungsbahn b;
    b.bei(-5);
    b.rennen.startGedrueckt();
    b.countdown(20);
    b.cd(-3.0);
    EXPECT_EQ(b.ausgaenge(), QStringList{"Fehlstart"});
    EXPECT_EQ(b.meldungstexte(), QStringList{"Fehlstart von Fahrer 1"});
    EXPECT_EQ(b.ansicht().fahrer[1].text, "Fehlstart");
}

TEST(Leitungsbehandlung, ImRaceControlModusSchweigenDieLeitungen) {
    Leitungsbahn b;
    b.starten();
    b.einstellen([&](Renneinstellungen& e) { e.raceControl = true; });
    b.cd(1.0);
    EXPECT_EQ(b.ausgaenge(), QStringList{"ignoriert"});
    EXPECT_EQ(b.stand().spuren[1].runde, 0);
}

TEST(Signalprotokoll, SchreibtJedeAenderungAlsEineZeile) {
    QTemporaryDir ordner;
    const QString datei = ordner.filePath("signale.txt");
    Signalprotokoll protokoll;
    ASSERT_TRUE(protokoll.oeffnen(datei));

    Leitungsbahn b;
    b.leitung.protokollieren([&](const Signaleintrag& e) { protokoll.eintragen(e); });
    b.starten();
    b.leitung.leitungGeaendert(
        {Leitung::CD, false, Leitungsbahn::ms(1.25), Zeitgenauigkeit::Zusammengefasst});
    b.dsr(1.5, true);
    b.leitung.leitungGeaendert(
        {Leitung::DSR, false, Leitungsbahn::ms(1.75), Zeitgenauigkeit::Nachgelesen, 2});
    protokoll.eintragen({4800, 4800, "Box 0x202", 2, 1.0, Signalausgang::Geprellt, {}});

    const auto zeilenLesen = [&] {
        QFile f(datei);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly | QIODevice::Text));
        return QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts);
    };
    const QStringList zeilen = zeilenLesen();
    ASSERT_EQ(zeilen.size(), 5);
    EXPECT_TRUE(zeilen[0].startsWith("# Signalprotokoll ab "));
    EXPECT_EQ(zeilen[1], "3601.2500\tCD fällt\tSpur 1\t3601.2500\tangenommen\tZeit ungenau: mit "
                         "einer späteren Änderung zusammengefasst");
    EXPECT_EQ(zeilen[2], "3601.5000\tDSR steigt\t-\t3601.5000\tignoriert");
    EXPECT_EQ(zeilen[3], "3601.7500\tDSR fällt\tSpur 2\t3601.7500\tangenommen\tZeit ungenau: "
                         "ohne eigenen Weckruf gefunden, bis zu 2 ms früher");
    EXPECT_EQ(zeilen[4], "1.0000\tBox 0x202\tSpur 2\t1.0000\tgeprellt");

    Signalprotokoll zweiterLauf;
    ASSERT_TRUE(zweiterLauf.oeffnen(datei));
    const QStringList danach = zeilenLesen();
    ASSERT_EQ(danach.size(), 6) << "a second run appends";
    EXPECT_TRUE(danach[5].startsWith("# Signalprotokoll ab "));

    Signalprotokoll unschreibbar;
    EXPECT_FALSE(unschreibbar.oeffnen(ordner.filePath("fehlt/signale.txt")));
    EXPECT_FALSE(unschreibbar.fehlertext().isEmpty());
}

// A named pipe nobody reads, or a folder, is refused at once with the reason, instead of
// holding up the start; the devices a shell user names keep working, and so does a pipe
// that is read.
TEST(Signalprotokoll, PipeOhneLeserUndOrdnerWerdenSofortAbgelehnt) {
    using namespace std::chrono_literals;
    QTemporaryDir ordner;
    const QByteArray pipe = QFile::encodeName(ordner.filePath("pipe"));
    ASSERT_EQ(mkfifo(pipe.constData(), 0600), 0);
    // Should opening wait for a reader, one comes after two seconds to end the wait.
    std::promise<void> geoeffnet;
    std::thread leser([&, fertig = geoeffnet.get_future()] {
        if (fertig.wait_for(2s) == std::future_status::timeout)
            close(open(pipe.constData(), O_RDONLY | O_NONBLOCK));
    });
    const auto vorher = std::chrono::steady_clock::now();
    Signalprotokoll ohneLeser;
    EXPECT_FALSE(ohneLeser.oeffnen(QFile::decodeName(pipe)));
    EXPECT_LT(std::chrono::steady_clock::now() - vorher, 1s);
    geoeffnet.set_value();
    leser.join();
    EXPECT_EQ(ohneLeser.fehlertext(), "niemand liest aus dieser benannten Pipe");

    Signalprotokoll ordnerziel;
    EXPECT_FALSE(ordnerziel.oeffnen(ordner.path()));
    EXPECT_EQ(ordnerziel.fehlertext(), "das ist ein Ordner");

    for (const char* geraet : {"/dev/null", "/dev/stderr"}) {
        Signalprotokoll protokoll;
        EXPECT_TRUE(protokoll.oeffnen(geraet)) << geraet;
    }

    const int lesende = open(pipe.constData(), O_RDONLY | O_NONBLOCK);
    Signalprotokoll gelesen;
    ASSERT_TRUE(gelesen.oeffnen(QFile::decodeName(pipe)));
    gelesen.eintragen({4800, 4800, "Box 0x202", 1, 1.0, Signalausgang::Angenommen, {}});
    char puffer[512] = {};
    const ssize_t n = read(lesende, puffer, sizeof puffer - 1);
    close(lesende);
    EXPECT_TRUE(QByteArray(puffer, int(std::max<ssize_t>(n, 0))).contains("Box 0x202\tSpur 1"));
}
