#include "Leitungswaechter.h"

#include "FakeLeitungen.h"

#include <gtest/gtest.h>

namespace {

struct Mitschrift {
    std::mutex mutex;
    std::vector<Leitungsereignis> ereignisse;
    std::vector<Stoerung> stoerungen;

    // Waits (a while at most) until the watcher's thread has reported something.
    bool bisGemeldet() {
        const auto frist = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (std::chrono::steady_clock::now() < frist) {
            {
                const std::lock_guard sperre(mutex);
                if (!ereignisse.empty() || !stoerungen.empty())
                    return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return false;
    }

    Leitungswaechter::Meldungen meldungen() {
        return {[this](const Leitungsereignis& e) {
                    const std::lock_guard sperre(mutex);
                    ereignisse.push_back(e);
                },
                [this](Stoerung s) {
                    const std::lock_guard sperre(mutex);
                    stoerungen.push_back(s);
                }};
    }
};

// Plays the script through a real watcher thread and stops it.
struct Waechterlauf {
    AtomareUhr uhr;
    FakeLeitungsquelle quelle;
    Mitschrift mitschrift;

    Waechterlauf(Lesung anfang, std::vector<Weckruf> skript)
        : quelle(uhr, std::move(anfang), std::move(skript)) {}

    void bisAusgespielt() {
        Leitungswaechter waechter(quelle, uhr, mitschrift.meldungen());
        ASSERT_TRUE(quelle.ausgespielt());
        waechter.beenden();
    }
};

} // namespace

TEST(Flanken, ZaehlerGebenJedeAenderungMitRichtungZurueckVomNeuenPegel) {
    const auto f = flankenZwischen(stand(false, true, 10, 4), stand(false, false, 12, 5));
    ASSERT_EQ(f.size(), 3u);
    EXPECT_TRUE(f[0].leitung == Leitung::CD && f[0].pegel && !f[0].letzte);
    EXPECT_TRUE(f[1].leitung == Leitung::CD && !f[1].pegel && f[1].letzte);
    EXPECT_TRUE(f[2].leitung == Leitung::DSR && !f[2].pegel && f[2].letzte);

    const auto ueberlauf =
        flankenZwischen(stand(false, false, 0xFFFFFFFF, 0), stand(true, false, 0, 0));
    ASSERT_EQ(ueberlauf.size(), 1u) << "the counter wraps, one change";

    const auto rauschen = flankenZwischen(stand(false, false, 0, 0), stand(false, false, 1000, 0));
    EXPECT_EQ(rauschen.size(), HoechstensJeLesung);
}

// CTS and RI come after CD and DSR. RI's counter on an 8250-type UART counts only the
// trailing edge; on most USB adapters both. Either way each of its drops is reported.
TEST(Flanken, RiMitZaehlerNurDesAbfallsMeldetJedenAbfall) {
    const auto zwischen = [](Pegel alt, Flankenzaehler altZaehler, Pegel neu,
                             Flankenzaehler neuZaehler) {
        return flankenZwischen({alt, altZaehler}, {neu, neuZaehler});
    };
    const Pegel ruhe;
    // A whole passage, of which the counter saw only the drop: the rise it left out first.
    auto f = zwischen(ruhe, {}, ruhe, {0, 0, 0, 1});
    ASSERT_EQ(f.size(), 2u);
    EXPECT_TRUE(f[0].leitung == Leitung::RI && f[0].pegel && !f[0].letzte);
    EXPECT_TRUE(f[1].leitung == Leitung::RI && !f[1].pegel && f[1].letzte);
    // The same passage where the adapter counts both edges.
    EXPECT_EQ(zwischen(ruhe, {}, ruhe, {0, 0, 0, 2}).size(), 2u);
    // The rise was read before, uncounted: the drop alone.
    f = zwischen({.ri = true}, {}, ruhe, {0, 0, 0, 1});
    ASSERT_EQ(f.size(), 1u);
    EXPECT_FALSE(f[0].pegel);
    // A rise an adapter counts is one edge up, no drop.
    f = zwischen(ruhe, {}, {.ri = true}, {0, 0, 0, 1});
    ASSERT_EQ(f.size(), 1u);
    EXPECT_TRUE(f[0].pegel);
    // A rise no counter saw is no edge until the drop comes.
    EXPECT_TRUE(zwischen(ruhe, {}, {.ri = true}, {}).empty());

    // Every line of a port in one reading, in the lanes' order.
    f = zwischen(ruhe, {}, {.cd = true, .cts = false}, {1, 2, 2, 1});
    ASSERT_EQ(f.size(), 7u);
    const std::vector<Leitung> reihe{Leitung::CD,  Leitung::DSR, Leitung::DSR, Leitung::CTS,
                                     Leitung::CTS, Leitung::RI,  Leitung::RI};
    for (std::size_t i = 0; i < f.size(); ++i)
        EXPECT_EQ(f[i].leitung, reihe[i]) << i;
    EXPECT_TRUE(!f[4].pegel && !f[6].pegel) << "CTS and RI end on their drop";
}

TEST(Flanken, OhneZaehlerZaehltNurEinAndererPegel) {
    EXPECT_TRUE(flankenZwischen(ungezaehlt(true, true), ungezaehlt(true, true)).empty());
    const auto f = flankenZwischen(ungezaehlt(false, true), stand(true, false, 7, 7));
    ASSERT_EQ(f.size(), 2u) << "counters on one reading only are not compared";
    EXPECT_TRUE(f[0].leitung == Leitung::CD && f[0].pegel);
    EXPECT_TRUE(f[1].leitung == Leitung::DSR && !f[1].pegel);
}

TEST(Leitungswaechter, MeldetJedeGezaehlteFlankeMitDerWeckzeit) {
    Waechterlauf lauf({stand(false, false, 0, 0)},
                      {
                          {Antwort::Ok, 1000, {stand(false, false, 0, 0)}}, // woke, nothing new
                          {Antwort::Ok, 2000, {stand(true, false, 1, 0)}},
                          // Two passes of lane 1 and one DSR pulse between two wake-ups.
                          {Antwort::Ok, 3000, {stand(true, false, 3, 2)}},
                      });
    lauf.bisAusgespielt();

    const auto Zusammen = Zeitgenauigkeit::Zusammengefasst;
    const std::vector<Leitungsereignis> erwartet{
        {Leitung::CD, true, 2000},   {Leitung::CD, false, 3000, Zusammen},
        {Leitung::CD, true, 3000},   {Leitung::DSR, true, 3000, Zusammen},
        {Leitung::DSR, false, 3000},
    };
    EXPECT_TRUE(lauf.mitschrift.ereignisse == erwartet);
    EXPECT_TRUE(lauf.mitschrift.stoerungen.empty());
}

// A photo finish: DSR drops microseconds after the CD change that woke the watcher, after
// it read the lines but before it waits again. The kernel's wait would sleep through it.
// Its moment lies between the two readings, which the log tells.
TEST(Leitungswaechter, LiestNachBisSichNichtsMehrAendert) {
    Waechterlauf lauf(
        {stand(false, true, 0, 0)},
        {{Antwort::Ok, 4000, {stand(true, true, 1, 0)}, Lesung{stand(true, false, 1, 1)}}});
    lauf.bisAusgespielt();
    const std::vector<Leitungsereignis> erwartet{
        {Leitung::CD, true, 4000}, {Leitung::DSR, false, 4000, Zeitgenauigkeit::Nachgelesen, 0}};
    EXPECT_TRUE(lauf.mitschrift.ereignisse == erwartet);
}

// The thread was kept from running after its last reading: DSR dropped before its wait
// began, so the wait sleeps on. The second thread reports the drop while the watcher still
// waits, with the time of its reading and the span since the one before. Once the wait has
// surely begun, it looks once more and then no longer.
TEST(Leitungswaechter, EineAenderungVorDemWartenMeldetDerZweiteFaden) {
    AtomareUhr uhr;
    FakeLeitungsquelle quelle(uhr, {stand(false, true, 0, 0)},
                              {{Antwort::Ok, 1000, {stand(true, true, 1, 0)}}});
    quelle.blind = true;
    Mitschrift m;
    Leitungswaechter waechter(quelle, uhr, m.meldungen());
    ASSERT_TRUE(quelle.ausgespielt());
    {
        const std::lock_guard sperre(m.mutex);
        m.ereignisse.clear();
    }
    quelle.lesungSetzen({stand(true, false, 1, 1)}, 1007);
    ASSERT_TRUE(m.bisGemeldet()) << "reported only at the next change";
    {
        const std::lock_guard sperre(m.mutex);
        ASSERT_EQ(m.ereignisse.size(), 1u);
        const Leitungsereignis& e = m.ereignisse[0];
        EXPECT_TRUE(e.leitung == Leitung::DSR && !e.pegel);
        EXPECT_EQ(e.genauigkeit, Zeitgenauigkeit::Nachgelesen);
        // The look that found it may have read the clock just before it moved on.
        EXPECT_TRUE(e.zeit == 1007 || e.zeit == 1000) << e.zeit;
        EXPECT_EQ(e.zeit - e.spielraum, 1000) << "since the look before, which found nothing";
    }
    EXPECT_EQ(quelle.wartende(), 2) << "no wait woke for it";

    quelle.begonnen = true;
    std::this_thread::sleep_for(10 * Leitungswaechter::Nachschauabstand);
    const int lesungen = quelle.zaehlerLesungen();
    std::this_thread::sleep_for(10 * Leitungswaechter::Nachschauabstand);
    EXPECT_EQ(quelle.zaehlerLesungen(), lesungen) << "an idle port is not read over and over";
    waechter.beenden();
}

// The same bound holds for lanes 3 and 4: an RI passage whose drop alone was counted, just
// before the wait began, is found by the second thread as a rise and the drop.
TEST(Leitungswaechter, AuchRiVorDemWartenMeldetDerZweiteFaden) {
    AtomareUhr uhr;
    const Leitungsstand ruhe{Pegel{}, Flankenzaehler{}};
    const Leitungsstand cts{Pegel{.cts = true}, Flankenzaehler{0, 0, 1, 0}};
    const Leitungsstand ri{Pegel{.cts = true}, Flankenzaehler{0, 0, 1, 1}};
    FakeLeitungsquelle quelle(uhr, Lesung{ruhe}, {Weckruf{Antwort::Ok, 1000, Lesung{cts}}});
    quelle.blind = true;
    Mitschrift m;
    Leitungswaechter waechter(quelle, uhr, m.meldungen());
    ASSERT_TRUE(quelle.ausgespielt());
    {
        const std::lock_guard sperre(m.mutex);
        ASSERT_EQ(m.ereignisse.size(), 1u);
        EXPECT_EQ(m.ereignisse[0].leitung, Leitung::CTS);
        m.ereignisse.clear();
    }
    quelle.lesungSetzen(Lesung{ri}, 1004);
    ASSERT_TRUE(m.bisGemeldet());
    waechter.beenden();
    ASSERT_EQ(m.ereignisse.size(), 2u);
    EXPECT_TRUE(m.ereignisse[0].leitung == Leitung::RI && m.ereignisse[0].pegel);
    EXPECT_EQ(m.ereignisse[0].genauigkeit, Zeitgenauigkeit::Zusammengefasst);
    const Leitungsereignis& abfall = m.ereignisse[1];
    EXPECT_TRUE(abfall.leitung == Leitung::RI && !abfall.pegel);
    EXPECT_EQ(abfall.genauigkeit, Zeitgenauigkeit::Nachgelesen);
    EXPECT_LE(abfall.spielraum, 4) << "late by the second thread's look at most";
}

TEST(Leitungswaechter, OhneZaehlerVergleichtErDiePegel) {
    Waechterlauf lauf({ungezaehlt(false, true)}, {
                                                     {Antwort::Ok, 500, {ungezaehlt(true, true)}},
                                                     {Antwort::Ok, 600, {ungezaehlt(true, false)}},
                                                 });
    lauf.bisAusgespielt();
    const std::vector<Leitungsereignis> erwartet{{Leitung::CD, true, 500},
                                                 {Leitung::DSR, false, 600}};
    EXPECT_TRUE(lauf.mitschrift.ereignisse == erwartet);
}

TEST(Leitungswaechter, EinAusgesteckterAdapterBeendetIhnMitGetrennt) {
    for (const Weckruf& w :
         {Weckruf{Antwort::Getrennt, 0, {}},
          Weckruf{Antwort::Ok, 0, {stand(true, false, 1, 0), Antwort::Getrennt}},
          Weckruf{Antwort::Ok, 0, {ungezaehlt(true, false), Antwort::Ok, Antwort::Getrennt}}}) {
        AtomareUhr uhr;
        FakeLeitungsquelle quelle(uhr, {stand(false, false, 0, 0)}, {w});
        Mitschrift m;
        Leitungswaechter waechter(quelle, uhr, m.meldungen());
        ASSERT_TRUE(m.bisGemeldet());
        waechter.beenden(); // returns although the thread ended on its own
        EXPECT_TRUE(m.stoerungen == std::vector{Stoerung::Getrennt});
        EXPECT_TRUE(m.ereignisse.empty()) << "a failed reading reports nothing";
    }
}

TEST(Leitungswaechter, EinGeraetOhneModemleitungenWirdGemeldet) {
    AtomareUhr uhr;
    FakeLeitungsquelle quelle(
        uhr, {ungezaehlt(false, false), Antwort::Ok, Antwort::NichtUnterstuetzt}, {});
    Mitschrift m;
    Leitungswaechter waechter(quelle, uhr, m.meldungen());
    waechter.beenden();
    EXPECT_TRUE(m.stoerungen == std::vector{Stoerung::KeineLeitungen});
    EXPECT_EQ(quelle.wartende(), 0);
}

TEST(Leitungswaechter, EinFremdesSignalWecktIhnOhneFolgen) {
    Waechterlauf lauf({stand(false, false, 0, 0)},
                      {{Antwort::Unterbrochen, 100, {stand(false, false, 0, 0)}},
                       {Antwort::Ok, 200, {stand(true, false, 1, 0)}}});
    lauf.bisAusgespielt();
    EXPECT_EQ(lauf.mitschrift.ereignisse.size(), 1u);
    EXPECT_EQ(lauf.quelle.wartende(), 3) << "it waits again after the interruption";
}

// Drivers without TIOCMIWAIT are read every millisecond instead.
TEST(Leitungswaechter, OhneWartenFragtErDiePegelAb) {
    AtomareUhr uhr;
    FakeLeitungsquelle quelle(uhr, {ungezaehlt(false, false)},
                              {{Antwort::NichtUnterstuetzt, 0, {ungezaehlt(false, false)}}});
    Mitschrift m;
    Leitungswaechter waechter(quelle, uhr, m.meldungen());
    while (quelle.wartende() == 0)
        std::this_thread::yield();
    quelle.lesungSetzen({ungezaehlt(true, false)}, 4711);
    ASSERT_TRUE(m.bisGemeldet());
    waechter.beenden();
    ASSERT_EQ(m.ereignisse.size(), 1u);
    EXPECT_TRUE(m.ereignisse[0].leitung == Leitung::CD && m.ereignisse[0].pegel);
    EXPECT_EQ(quelle.wartende(), 1) << "no further waits once polling";
}
