#include "Ergebnisexport.h"

#include "Datenordner.h"
#include "Rennbahn.h"

#include <gtest/gtest.h>

namespace {

struct ExportTest : ::testing::Test {
    Datenordner ordner;
    Rennbahn b;
    FesteTagesuhr uhr{QTime(9, 5, 7)};
    Ergebnisexport ergebnis{ordner.daten, b.dialoge, uhr};

    // Five laps: lane 1 is home first after 12 s, lane 2 after 20 s.
    void fuenfRunden() {
        b.runden(5);
        b.rennen.fahrerBenennen(1, QStringLiteral("Jürgen"));
        b.rennen.fahrerBenennen(2, QStringLiteral("Anna"));
        b.starten();
        b.fahren(1, 0.0, {2.5, 2.0, 2.5, 2.5, 2.5});
        b.fahren(2, 0.0, {4, 4, 4, 4, 4});
    }
};

const QByteArray FuenfRunden("\tFahrer 1\tJ\xFCrgen\tFahrer 2\tAnna\t\r\n"
                             "Runde\tZeit 1\tGeschw. 1\tZeit 2\tGeschw. 2\r\n"
                             "1\t2,500\t2,000\t4,000\t1,250\r\n"
                             "2\t2,000\t2,500\t4,000\t1,250\r\n"
                             "3\t2,500\t2,000\t4,000\t1,250\r\n"
                             "4\t2,500\t2,000\t4,000\t1,250\r\n"
                             "5\t2,500\t2,000\t4,000\t1,250\r\n"
                             "->\t12,000\t2,083\t20,000\t1,250\r\n"
                             "\t\t\t\t\r\n"
                             "\t\t\t\t\r\n"
                             "\t\t\t\t\r\n"
                             "\t\t\t\t\r\n"
                             "\t\t\t\t\r\n"
                             "\r\n");

} // namespace

TEST_F(ExportTest, DateiEnthaeltJedeZeileDerTabellenBisZurLetzten) {
    fuenfRunden();
    ASSERT_EQ(b.ansicht().rundentabellen[1].zeilenzahl(), 12);
    b.dialoge.eingabeAntworten = {"Lauf 1"};
    ergebnis.ErgebnisSpeichern(b.rennen);

    EXPECT_EQ(ordner.lesen("Lauf 1.txt"), FuenfRunden);
    ASSERT_EQ(b.dialoge.eingaben.size(), 1u);
    EXPECT_EQ(b.dialoge.eingaben[0].text,
              "Wie soll die Datei heißen, in der das aktuelle Ergebnis gespeichert werden soll?");
    EXPECT_EQ(b.dialoge.eingaben[0].titel, "Dateiname");
    EXPECT_EQ(b.dialoge.vorgaben, QStringList{"Rennergebnis"});
    ASSERT_EQ(b.dialoge.meldungen.size(), 1u);
    EXPECT_EQ(b.dialoge.meldungen[0].text,
              "Das Ergebnis wurde in: " + ordner.daten.anzeigepfad("Lauf 1.txt") + " geschrieben");
    EXPECT_EQ(b.dialoge.meldungen[0].titel, "Rundomat");
}

// The tables stay as they are; the heat's penalties follow them, in the order given, in the
// file's own encoding.
TEST_F(ExportTest, StrafenStehenZeileFuerZeileUnterDenTabellen) {
    b.runden(5);
    b.rennen.fahrerBenennen(1, QStringLiteral("Jürgen"));
    b.rennen.fahrerBenennen(2, QStringLiteral("Anna"));
    b.starten();
    ASSERT_TRUE(b.rennen.strafeGeben(1, Strafart::Zeit, 10, QStringLiteral("Abkürzung")));
    ASSERT_TRUE(b.rennen.strafeGeben(2, Strafart::Runden, 1, QString()));
    b.fahren(1, 0.0, {2.5, 2.0, 2.5, 2.5, 2.5});
    b.fahren(2, 0.0, {4, 4, 4, 4, 4});
    b.dialoge.eingabeAntworten = {"Strafen"};
    ergebnis.ErgebnisSpeichern(b.rennen);

    const QByteArray datei = ordner.lesen("Strafen.txt");
    const QByteArray zeilen = "Strafe Spur 1 (J\xFCrgen): 10 s Zeitstrafe, Abk\xFCrzung\r\n"
                              "Strafe Spur 2 (Anna): 1 Runde Abzug\r\n";
    ASSERT_TRUE(datei.endsWith("\t\t\t\t\r\n\r\n" + zeilen)) << datei.toStdString();
    EXPECT_TRUE(datei.startsWith(FuenfRunden.left(FuenfRunden.indexOf("->"))));
}

TEST_F(ExportTest, PermanentesLoggingBenenntNachDerUhrzeitUndUeberschreibtOhneFrage) {
    b.einstellen([](Renneinstellungen& e) {
        e.permanentesLogging = true;
        e.rundenzahl = 1;
    });
    ergebnis.ErgebnisSpeichern(b.rennen); // empty tables
    fuenfRunden();                        // the race end writes again within the same second
    ergebnis.ErgebnisSpeichern(b.rennen);

    EXPECT_EQ(ordner.dateien(), QStringList{"Rennergebnis090507.txt"});
    EXPECT_EQ(ordner.lesen("Rennergebnis090507.txt"), FuenfRunden);
    EXPECT_TRUE(b.dialoge.eingaben.empty());
    EXPECT_TRUE(b.dialoge.meldungen.empty()) << "no confirmation with permanent logging";

    uhr.zeit = QTime(23, 59, 0);
    ergebnis.ErgebnisSpeichern(b.rennen);
    EXPECT_TRUE(ordner.gibt("Rennergebnis235900.txt"));
}

TEST_F(ExportTest, NameWirdWieGetipptVerwendet) {
    ordner.schreiben("alt.txt", "vorher");
    b.dialoge.eingabeAntworten = {"ergebnis.txt", "alt", "  Größe ü"};
    for (int i = 0; i < 3; ++i)
        ergebnis.ErgebnisSpeichern(b.rennen);
    EXPECT_EQ(ordner.dateien(), (QStringList{"  Größe ü.txt", "alt.txt", "ergebnis.txt.txt"}));
    EXPECT_TRUE(ordner.lesen("alt.txt").startsWith("\tFahrer 1\tFahrer 1\t"))
        << "overwritten without a question";
    EXPECT_EQ(b.dialoge.meldungen.size(), 3u);
}

TEST_F(ExportTest, AbgebrocheneEingabeSchreibtNichtsUndMeldetNichts) {
    b.dialoge.eingabeAntworten = {""};
    ergebnis.ErgebnisSpeichern(b.rennen);
    EXPECT_TRUE(ordner.dateien().isEmpty());
    EXPECT_TRUE(b.dialoge.meldungen.empty());
}

TEST_F(ExportTest, NamenAusserhalbDesDatenverzeichnissesOderVonGeraetenWerdenAbgelehnt) {
    const QStringList namen{"../Rennen", "unter/datei", "unter\\datei", "..",
                            "a..b",      "C:Rennen",    "C:\\Rennen",   "/etc/passwd",
                            "CON",       "nul",         "Com1",         "LPT9",
                            "aux.daten", "PRN ",        "Zeile\nzwei",  "ohne\tTab"};
    for (const QString& name : namen) {
        b.dialoge.meldungen.clear();
        b.dialoge.eingabeAntworten = {name};
        ergebnis.ErgebnisSpeichern(b.rennen);
        ASSERT_EQ(b.dialoge.meldungen.size(), 1u) << name.toStdString();
        EXPECT_EQ(b.dialoge.meldungen[0].text,
                  "Es trat ein Fehler bei der Dateiausgabe auf.\r\n„" + name +
                      ".txt“ ist als Dateiname nicht erlaubt: Er darf kein /, \\, : oder .. und "
                      "keine Steuerzeichen enthalten und kein Gerätename wie CON, NUL oder COM1 "
                      "sein.");
        EXPECT_EQ(b.dialoge.meldungen[0].titel, "Rundomat");
    }
    EXPECT_TRUE(ordner.dateien().isEmpty());
    EXPECT_EQ(QDir(ordner.aussen.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{"daten"})
        << "nothing beside the data directory";

    // Names that merely resemble them are files like any other.
    b.dialoge.eingabeAntworten = {"CONTRA", "COM10", "Com1x", "Rennen.1"};
    for (int i = 0; i < 4; ++i)
        ergebnis.ErgebnisSpeichern(b.rennen);
    EXPECT_EQ(ordner.dateien().size(), 4);
}

// The racers' guide lies beside the result files: no name reaches it, in any letter case,
// nor is a name of blanks only taken; the message says why.
TEST_F(ExportTest, ProgrammdateienUndLeerzeichenSindKeineNamen) {
    ordner.schreiben("readme.txt", "Hinweise");
    b.dialoge.eingabeAntworten = {"readme", "README", "ReadMe", "   "};
    for (int i = 0; i < 4; ++i)
        ergebnis.ErgebnisSpeichern(b.rennen);
    EXPECT_EQ(ordner.lesen("readme.txt"), "Hinweise");
    EXPECT_EQ(ordner.dateien(), QStringList{"readme.txt"});
    ASSERT_EQ(b.dialoge.meldungen.size(), 4u);
    EXPECT_EQ(b.dialoge.meldungen[1].text,
              "Es trat ein Fehler bei der Dateiausgabe auf.\r\n„README.txt“ ist als Dateiname "
              "nicht erlaubt: Die Datei gehört zu Rundomat und wird nicht überschrieben.");
    EXPECT_EQ(b.dialoge.meldungen[3].text,
              "Es trat ein Fehler bei der Dateiausgabe auf.\r\n„   .txt“ ist als Dateiname nicht "
              "erlaubt: Er besteht nur aus Leerzeichen.");
}

TEST_F(ExportTest, SchreibfehlerWirdMitDateiUndGrundGemeldet) {
    ASSERT_TRUE(ordner.entfernen());
    b.dialoge.eingabeAntworten = {"Rennen"};
    ergebnis.ErgebnisSpeichern(b.rennen);
    ASSERT_EQ(b.dialoge.meldungen.size(), 1u);
    const QString text = b.dialoge.meldungen[0].text;
    EXPECT_TRUE(text.startsWith("Es trat ein Fehler bei der Dateiausgabe auf.\r\n" +
                                ordner.daten.anzeigepfad("Rennen.txt") +
                                "\r\nFehlercode: 5 - Die Datei konnte nicht geöffnet werden ("))
        << text.toStdString();
}

// A track of four lanes: a column pair per lane.
TEST_F(ExportTest, VierSpurenHabenJeEinSpaltenpaar) {
    b.spuren(4);
    for (int spur = 1; spur <= 4; ++spur)
        b.rennen.fahrerBenennen(spur, QStringList{"Jürgen", "Anna", "Cleo", "Dora"}[spur - 1]);
    b.gleichmaessigFahren(2, {2.0, 2.5, 4.0, 5.0});
    b.dialoge.eingabeAntworten = {"Vier"};
    ergebnis.ErgebnisSpeichern(b.rennen);

    QByteArray erwartet =
        "\tFahrer 1\tJ\xFCrgen\tFahrer 2\tAnna\tFahrer 3\tCleo\tFahrer 4\tDora\t\r\n"
        "Runde\tZeit 1\tGeschw. 1\tZeit 2\tGeschw. 2\tZeit 3\tGeschw. 3\tZeit 4\t"
        "Geschw. 4\r\n"
        "1\t2,000\t2,500\t2,500\t2,000\t4,000\t1,250\t5,000\t1,000\r\n"
        "2\t2,000\t2,500\t2,500\t2,000\t4,000\t1,250\t5,000\t1,000\r\n"
        "->\t4,000\t2,500\t5,000\t2,000\t8,000\t1,250\t10,000\t1,000\r\n";
    for (int zeile = 4; zeile < 12; ++zeile)
        erwartet += "\t\t\t\t\t\t\t\t\r\n";
    EXPECT_EQ(ordner.lesen("Vier.txt"), erwartet + "\r\n");
}
