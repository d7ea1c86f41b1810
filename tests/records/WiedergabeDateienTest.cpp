#include "Datenordner.h"
#include "Rekordstelle.h"
#include "Zufallsrennen.h"

#include <gtest/gtest.h>

namespace {
// The records the race calls, found only once they are built on the recorded dialogs.
struct Rekordweg final : Rekorde {
    void hofPruefen(const Rennen& rennen) override { ziel->hofPruefen(rennen); }
    void ergebnisSpeichern(const Rennen& rennen) override { ziel->ergebnisSpeichern(rennen); }
    Rekorde* ziel = nullptr;
};

// The Hall of Fame and the result files in a data folder of their own, on a race's dialogs
// and time of day, which the race reaches through the Rekordweg.
struct Ablage {
    Ablage(Rekordweg& weg, Dialoge& dialoge, Tagesuhr& tagesuhr)
        : hof(ordner.daten, dialoge), ergebnis(ordner.daten, dialoge, tagesuhr) {
        weg.ziel = &stelle;
        hof.HofLesen();
    }
    Datenordner ordner;
    Hofmodul hof;
    Ergebnisexport ergebnis;
    Rekordstelle stelle{hof, ergebnis};
};

// Two races with permanent logging: the first takes the Hall of Fame's first rank under
// the name typed, the second is slower; each writes a result file named by the time of day.
void zweiRennen(Rennen& rennen, FakeUhr& uhr, FesteTageszeit& tageszeit) {
    Renneinstellungen e;
    e.rundenzahl = 5;
    e.permanentesLogging = true;
    rennen.einstellungenAnwenden(e);
    for (const double rundenzeit : {2.5, 3.5}) {
        rennen.startGedrueckt();
        for (int tick = 0; tick < 50; ++tick) {
            uhr.stand += 100;
            rennen.countdownTick();
        }
        for (int runde = 0; runde <= 5; ++runde)
            for (int spur = 1; spur <= 2; ++spur) {
                uhr.stand += std::llround(rundenzeit * 500) + spur * 7;
                rennen.handrunde(spur);
            }
        tageszeit.zeit = tageszeit.zeit.addSecs(75);
    }
}
} // namespace

// The replayed race writes the same hof.ini and result files, byte for byte, in a folder
// of its own: the name typed and the time of day come from the record.
TEST(Wiedergabe, HallOfFameUndErgebnisdateienAufsByte) {
    FakeUhr uhr;
    uhr.stand = 7'200'000;
    FakeUhr platinenuhr{1'000'000};
    FakeBox box;
    BoxUhr boxuhr{box};
    FakeZeitgeber countdown;
    FakeZeitgeber boxwacht;
    FakeWecker wecker{uhr};
    FakeDialoge dialoge;
    dialoge.eingabeAntworten = {QStringLiteral("Ida")};
    FakeKlang klang;
    FakeSpeicher speicher;
    FesteTageszeit tageszeit;
    Rekordweg weg;
    Aufnahme aufnahme(
        {uhr, boxuhr, platinenuhr, countdown, boxwacht, wecker, dialoge, klang, box, speicher, weg},
        tageszeit);
    Ablage original(weg, aufnahme.dialoge(), aufnahme.tagesuhr());
    Rennen rennen(aufnahme.anschluesse());
    rennen.aufzeichnen(aufnahme);
    zweiRennen(rennen, uhr, tageszeit);
    ASSERT_EQ(original.ordner.dateien(),
              (QStringList{"Rennergebnis201500.txt", "Rennergebnis201615.txt", "hof.ini"}));
    ASSERT_EQ(original.hof.liste().HofName[1], "Ida");

    FakeKlang klang2;
    FakeSpeicher speicher2;
    Rekordweg weg2;
    Wiedergabe wiedergabe(aufnahme.mitschnitt(), klang2, speicher2, weg2);
    Ablage kopie(weg2, wiedergabe.dialoge(), wiedergabe.tagesuhr());
    Rennen nochmal(wiedergabe.anschluesse());
    ASSERT_TRUE(wiedergabe.abspielen(nochmal));

    ASSERT_EQ(kopie.ordner.dateien(), original.ordner.dateien());
    for (const QString& datei : original.ordner.dateien())
        EXPECT_EQ(kopie.ordner.lesen(datei), original.ordner.lesen(datei)) << datei.toStdString();
    EXPECT_EQ(nochmal.stand(), rennen.stand());
}
