#include "BoxUhr.h"
#include "Ereignisfolge.h"
#include "Rennbahn.h"

#include <gtest/gtest.h>
#include <limits>

TEST(RaceControl, StartSchaltetDieBoxMitIhrenParameternScharfUndNimmtIhreUhr) {
    Rennbahn b;
    b.einstellen([&](Renneinstellungen& e) { e.raceControl = true; });
    b.rennen.boxparameterSetzen({130, 50, 15, true});
    b.box.zeitstempel = 48000; // 10 s of box time
    b.rennen.startGedrueckt();
    EXPECT_EQ(b.box.aufrufe, (QStringList{"InitBoxes", "OpenBox 0"}));
    EXPECT_EQ(b.box.konfiguration, (BoxKonfiguration{0, 0, 130, 50, 15, 0, -1, -1}));

    b.countdown(50);
    EXPECT_DOUBLE_EQ(b.stand().startzeit, 10.0);

    b.box.zeitstempel = 48000 + 4800 * 3;
    b.rennen.crashUmschalten();
    b.box.zeitstempel += 4800 * 8;
    b.rennen.crashUmschalten();
    EXPECT_EQ(b.stand().pausenzeit, 4800 * 8) << "pauses count in box ticks";
}

TEST(RaceControl, OhneBoxbibliothekStartetKeinRennenUndDasProgrammLaeuftWeiter) {
    Rennbahn b;
    b.einstellen([&](Renneinstellungen& e) { e.raceControl = true; });
    b.box.fehlt = QStringLiteral("Fehlernr: 48");
    b.rennen.startGedrueckt();
    EXPECT_EQ(b.meldungstexte(), QStringList{"Fehlernr: 48"});
    EXPECT_EQ(b.dialoge.meldungen[0].titel, "Rundomat");
    EXPECT_TRUE(b.box.aufrufe.isEmpty()) << "the box is not armed";
    EXPECT_EQ(b.ansicht().start.text, "Start");
    EXPECT_TRUE(b.stand().signaleGesperrt);
    EXPECT_FALSE(b.timer.enabled()) << "no countdown";
    EXPECT_TRUE(b.ansicht().optionen.bedienbar) << "the user can switch the box off";

    b.box.fehlt.reset(); // the user copied the library in
    b.rennen.startGedrueckt();
    EXPECT_EQ(b.ansicht().start.text, "Stop");
    EXPECT_EQ(b.box.aufrufe, (QStringList{"InitBoxes", "OpenBox 0"}));
}

TEST(Zaehlerentfaltung, LaeuftUeberDenUeberlaufWeiterUndVertraegtKleineRueckschritte) {
    Zaehlerentfaltung z;
    const std::int32_t max = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(z.entfalten(max - 10), max - 10);
    EXPECT_EQ(z.entfalten(std::numeric_limits<std::int32_t>::min() + 10), std::int64_t{max} + 11);
    EXPECT_EQ(z.entfalten(max - 5), std::int64_t{max} - 5) << "an older time stamp";
    EXPECT_EQ(z.entfalten(-(1 << 30)), 3 * (std::int64_t{1} << 30));
    EXPECT_EQ(z.entfalten(-1), (std::int64_t{1} << 32) - 1);
    EXPECT_EQ(z.entfalten(1), (std::int64_t{1} << 32) + 1) << "past zero again";
}

TEST(BoxUhr, RennenUeberDenUeberlaufDerBoxuhr) {
    FakeBox box;
    BoxUhr uhr(box);
    box.zeitstempel = std::numeric_limits<std::int32_t>::max() - 4800;
    const std::int64_t vorher = uhr.ticks();
    box.zeitstempel = std::numeric_limits<std::int32_t>::min() + 4800;
    EXPECT_EQ(uhr.ticks() - vorher, 2 * 4800 + 1);
    EXPECT_EQ(uhr.ticksProSekunde(), 4800);
}

TEST(Ereignisfolge, EreignisseAusEinemEreignisLaufenDanachUndEineAusnahmeBlockiertNichts) {
    Ereignisfolge folge;
    QStringList ablauf;
    folge.ausfuehren([&] {
        folge.ausfuehren([&] { ablauf << "innen"; });
        ablauf << "aussen";
    });
    EXPECT_EQ(ablauf, (QStringList{"aussen", "innen"}));

    EXPECT_THROW(folge.ausfuehren([] { throw std::runtime_error("kaputt"); }), std::runtime_error);
    EXPECT_FALSE(folge.beschaeftigt());
    folge.ausfuehren([&] { ablauf << "weiter"; });
    EXPECT_EQ(ablauf.last(), "weiter");
}

TEST(Spuren, NummernAusserhalbDerSpurenSindEinProgrammierfehler) {
    Spuren<int> s{1, 2};
    EXPECT_EQ(s[2], 2);
    EXPECT_THROW(s[0], std::out_of_range);
    EXPECT_THROW(s[3], std::out_of_range);
}

TEST(Sensoruhr, EinWechselMittenInDerCrashpauseLaesstDieRennzeitWeiterlaufen) {
    Rennbahn b;
    FakeUhr& platine = b.platinentakt;
    b.starten();
    b.signal(1, 1.0);
    b.bei(2.0);
    b.rennen.crashUmschalten();
    // A board answers on the sensor port while the race stands; its clock reads 77 s.
    platine.stand = 77'000'000;
    b.rennen.sensoruhrWechseln(Sensoruhr::Platine);
    platine.stand += 3'000'000;
    b.rennen.crashUmschalten();
    EXPECT_EQ(b.stand().pausenzeit, 77'000'000 + 3'000'000 - 2'000'000 - Rennbahn::Basis * 1000)
        << "microseconds now";
    platine.stand += 1'500'000;
    b.rennen.handrunde(1);
    ASSERT_EQ(b.spur(1).runden.size(), 1u);
    EXPECT_EQ(b.spur(1).runden[0].zeit, 3.5) << "2 s before the pause, 1.5 s after it";
}
