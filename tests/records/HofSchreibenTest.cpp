#include "HofTest.h"
#include "KleinerDatentraeger.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

const QString Meldungsanfang = QStringLiteral(
    "Es ist ein Fehler beim Öffnen der Hall of Fame aufgetreten. Bitte gegebenenfalls die "
    "Datei ");

// Lets writes to regular files fail beyond a few bytes, as on a full disk.
class VolleFestplatte {
public:
    VolleFestplatte() {
        getrlimit(RLIMIT_FSIZE, &m_vorher);
        rlimit grenze = m_vorher;
        grenze.rlim_cur = 8;
        setrlimit(RLIMIT_FSIZE, &grenze);
        m_signal = std::signal(SIGXFSZ, SIG_IGN);
    }
    ~VolleFestplatte() {
        setrlimit(RLIMIT_FSIZE, &m_vorher);
        std::signal(SIGXFSZ, m_signal);
    }
    VolleFestplatte(const VolleFestplatte&) = delete;
    VolleFestplatte& operator=(const VolleFestplatte&) = delete;

private:
    rlimit m_vorher{};
    void (*m_signal)(int) = nullptr;
};

} // namespace

TEST_F(HofTest, VolleFestplatteLaesstDieAlteDateiUnversehrt) {
    hofAnlegen(VolleListe);
    dialoge.eingabeAntworten = {"Zoe"};
    {
        VolleFestplatte voll;
        hof.HofEintragen(20, QStringLiteral("Zoe"));
    }
    EXPECT_EQ(datei(), VolleListe);
    EXPECT_EQ(ordner.dateien(), QStringList{"hof.ini"}) << "no half-written file left behind";
    ASSERT_EQ(dialoge.meldungen.size(), 1u);
    EXPECT_TRUE(dialoge.meldungen[0].text.startsWith(
        Meldungsanfang + ordner.daten.anzeigepfad("hof.ini") + " löschen.\r\nFehlercode: "))
        << dialoge.meldungen[0].text.toStdString();
    EXPECT_EQ(dialoge.meldungen[0].titel, "Rundomat");
    EXPECT_EQ(hof.liste().HofName[1], "Zoe") << "the list in memory keeps the entry";
    EXPECT_EQ(dialoge.gezeigteFenster, std::vector<Fenster>{Fenster::fhof});

    hof.HofSchreiben(); // room again
    EXPECT_TRUE(datei().startsWith("20;Zoe\r\n10;Ada\r\n"));
}

// The prescribed two lines, word for word, and a third that says what went wrong.
TEST(HofSchreiben, VollerDatentraegerWirdAlsUrsacheGenannt) {
    KleinerDatentraeger klein(64);
    if (!klein.bereit())
        GTEST_SKIP() << "no tmpfs of our own (not root)";
    const Datenverzeichnis daten(klein.pfad());
    FakeDialoge dialoge;
    Hofmodul hof(daten, dialoge);
    hof.HofLesen();
    klein.fuellen();
    dialoge.eingabeAntworten = {"Zoe"};
    hof.HofEintragen(20, QStringLiteral("Zoe"));

    ASSERT_EQ(dialoge.meldungen.size(), 1u);
    const QStringList zeilen = dialoge.meldungen[0].text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(zeilen.size(), 3) << dialoge.meldungen[0].text.toStdString();
    EXPECT_EQ(zeilen[0], Meldungsanfang + daten.anzeigepfad("hof.ini") + " löschen.");
    EXPECT_TRUE(zeilen[1].startsWith("Fehlercode: ")) << zeilen[1].toStdString();
    EXPECT_EQ(zeilen[2], "Der Datenträger ist voll.");
    EXPECT_FALSE(QFile::exists(daten.pfad("hof.ini")));

    QFile::remove(klein.pfad(QStringLiteral("fuellung")));
    hof.HofSchreiben();
    EXPECT_EQ(dialoge.meldungen.size(), 1u) << "room again: written without a word";
    EXPECT_TRUE(QFile::exists(daten.pfad("hof.ini")));
}

TEST_F(HofTest, FehlendesDatenverzeichnisWirdGemeldet) {
    hof.HofLesen();
    ASSERT_TRUE(ordner.entfernen());
    hof.HofEintragen(5, QStringLiteral("x"));
    ASSERT_EQ(dialoge.meldungen.size(), 1u);
    const QString text = dialoge.meldungen[0].text;
    EXPECT_TRUE(text.startsWith(Meldungsanfang + ordner.daten.anzeigepfad("hof.ini")));
    EXPECT_TRUE(text.contains(" löschen.\r\nFehlercode: 5 - Die Datei konnte nicht geöffnet "
                              "werden"))
        << text.toStdString();
}

// The racer hears of an unreadable file once, at the start, with the file already safe
// under a name of its own; no copy ever replaces an earlier one.
TEST_F(HofTest, UnlesbareDateiWirdBeimLesenGemeldetUndAlsSicherungBewahrt) {
    const QByteArray kaputt = zufallsbytes(100 * 1024);
    hofAnlegen(kaputt);
    EXPECT_EQ(hof.liste(), Hofliste()) << "read as the empty list";
    EXPECT_EQ(ordner.lesen("hof.ini.bak"), kaputt);
    EXPECT_FALSE(ordner.gibt("hof.ini"));
    ASSERT_EQ(dialoge.meldungen.size(), 1u);
    EXPECT_EQ(dialoge.meldungen[0].text,
              "Die Hall of Fame in " + ordner.daten.anzeigepfad("hof.ini") +
                  " lässt sich nicht lesen. Sie ist jetzt als " +
                  ordner.daten.anzeigepfad("hof.ini.bak") +
                  " aufbewahrt; Rundomat beginnt eine neue Hall of Fame.");

    hof.HofEintragen(7, QStringLiteral("Ida"));
    EXPECT_TRUE(datei().startsWith("7;\r\n0;leer\r\n"));
    hofAnlegen("sechs\r\n");
    EXPECT_EQ(ordner.lesen("hof.ini.bak"), kaputt);
    EXPECT_EQ(ordner.lesen("hof.ini.bak2"), "sechs\r\n");
    EXPECT_EQ(dialoge.meldungen.size(), 2u);
}

// ";" would end the name when the file is read again: it is replaced, nothing is cut.
TEST_F(HofTest, SemikolonImNamenWirdErsetzt) {
    hof.HofLesen();
    dialoge.eingabeAntworten = {"Tom;Jerry;"};
    hof.HofEintragen(7, QStringLiteral("Tom"));
    EXPECT_EQ(hof.liste().HofName[1], "Tom,Jerry,");
    hof.HofLesen();
    EXPECT_EQ(hof.liste().HofName[1], "Tom,Jerry,");
}

TEST_F(HofTest, LeereOderFehlendeDateiBrauchtKeineSicherung) {
    for (const bool leer : {true, false}) {
        if (leer)
            hofAnlegen(QByteArray());
        else
            hof.HofLesen();
        hof.HofEintragen(7, QStringLiteral("Ida"));
        EXPECT_EQ(ordner.dateien(), QStringList{"hof.ini"});
        ASSERT_TRUE(QFile::remove(ordner.pfad("hof.ini")));
    }
}

TEST_F(HofTest, NeueHallOfFameLoeschtNachRueckfrage) {
    hofAnlegen(VolleListe);
    dialoge.fragenAntworten = {false};
    hof.hallOfFameNeuAnlegen();
    EXPECT_EQ(datei(), VolleListe) << "cancelled";
    EXPECT_EQ(hof.liste().HofName[1], "Ada");

    dialoge.fragenAntworten = {true};
    hof.hallOfFameNeuAnlegen();
    ASSERT_EQ(dialoge.meldungen.size(), 2u);
    EXPECT_EQ(dialoge.meldungen[1].text,
              "Wollen Sie wirklich die bestehende Hall of Fame löschen?");
    EXPECT_EQ(dialoge.meldungen[1].titel, "Rundomat");
    EXPECT_EQ(hof.liste(), Hofliste());
    EXPECT_FALSE(ordner.gibt("hof.ini")) << "not written again until the next entry";
}

TEST_F(HofTest, LoeschenOhneDateiLeertDieListeOhneMeldung) {
    hof.HofLesen();
    hof.HofEintragen(6, QStringLiteral("Ida"));
    ASSERT_TRUE(QFile::remove(ordner.pfad("hof.ini")));
    hof.HofDateiLoeschen();
    EXPECT_EQ(hof.liste(), Hofliste());
    EXPECT_TRUE(dialoge.meldungen.empty());
    EXPECT_TRUE(ordner.dateien().isEmpty());
}

// Two programs on one data folder, each with the list it read at its start: neither entry
// drops the other's.
TEST_F(HofTest, ZweiProgrammeBehaltenBeideRekorde) {
    hofAnlegen(VolleListe);
    FakeDialoge dialoge2;
    Hofmodul zweites(ordner.daten, dialoge2);
    zweites.HofLesen();

    dialoge.eingabeAntworten = {"Erster"};
    hof.HofEintragen(9, QStringLiteral("Erster"));
    dialoge2.eingabeAntworten = {"Zweiter"};
    zweites.HofEintragen(6, QStringLiteral("Zweiter"));
    EXPECT_EQ(datei(), "10;Ada\r\n9;Erster\r\n8;Bea\r\n8;Cem\r\n6;Zweiter\r\n");
    EXPECT_EQ(zweites.liste().HofName[2], "Erster") << "the window shows the list as written";

    // The first program's candidate no longer qualifies against what is on disk now.
    hof.HofEintragen(5.5, QStringLiteral("Erster"));
    EXPECT_EQ(dialoge.eingaben.size(), 1u);
    EXPECT_FALSE(ordner.gibt("hof.ini.lock")) << "the lock goes with the entry";
}

// The user's data folder of an installed program is made at the first record; where it
// cannot be made (XDG_DATA_HOME names a file), the racer hears it once, whichever record
// asks, and nothing lands anywhere else.
TEST(Benutzerdatenordner, WirdBeimErstenRekordAngelegtOderEinmalAbgelehnt) {
    QTemporaryDir heim;
    FakeDialoge dialoge;
    const Datenverzeichnis neu(heim.filePath("share/rundomat"), true);
    Hofmodul(neu, dialoge).HofEintragen(5, "Anna");
    EXPECT_TRUE(QFile::exists(heim.filePath("share/rundomat/hof.ini")));
    EXPECT_TRUE(dialoge.meldungen.empty());

    QFile datei(heim.filePath("datei"));
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.close();
    const Datenverzeichnis unmoeglich(heim.filePath("datei/rundomat"), true);
    Hofmodul(unmoeglich, dialoge).HofEintragen(5, "Anna");
    Hofmodul(unmoeglich, dialoge).HofEintragen(6, "Bea");
    EXPECT_FALSE(unmoeglich.bereitstellen(dialoge));
    ASSERT_EQ(dialoge.meldungen.size(), 1u);
    EXPECT_EQ(dialoge.meldungen[0].text,
              "Der Datenordner " + heim.filePath("datei/rundomat") +
                  " lässt sich nicht anlegen: " + heim.filePath("datei") +
                  " ist eine Datei, kein Ordner. Hall of Fame, Ergebnisdateien und Rennverlauf "
                  "werden darum nicht gespeichert; Rundomat läuft weiter. Der Ordner liegt in "
                  "XDG_DATA_HOME (sonst ~/.local/share), mit --data-dir lässt sich ein anderer "
                  "wählen.");
    EXPECT_EQ(QDir(heim.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
              (QStringList{"datei", "share"}));
}
