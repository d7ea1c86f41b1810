#include "Zufallsrennen.h"

#include <functional>
#include <gtest/gtest.h>
#include <map>

namespace {
// Fewer under the sanitizers, which slow every input down many times; make bench runs
// ten thousand.
#ifdef RUNDOMAT_SANITIZE
constexpr std::uint32_t Zufallsrennen = 200;
#else
constexpr std::uint32_t Zufallsrennen = 2000;
#endif

QStringList texte(const std::vector<Meldung>& meldungen) {
    QStringList t;
    for (const Meldung& m : meldungen)
        t << m.text;
    return t;
}
} // namespace

TEST(Wiedergabe, ZufallsrennenWiederholenSichAufsBit) {
    std::map<int, std::uint32_t> jeSpurenzahl;
    std::uint32_t letzteSpurImZiel = 0;
    std::uint32_t mitStrafen = 0;
    for (std::uint32_t startwert = 1; startwert <= Zufallsrennen; ++startwert) {
        const Zufallsvergleich v = zufallsrennenPruefen(startwert);
        ASSERT_TRUE(v.unterschiede.isEmpty())
            << "seed " << startwert << " (" << v.spurenzahl
            << " lanes): " << v.unterschiede.join(", ").toStdString();
        ++jeSpurenzahl[v.spurenzahl];
        if (v.spurenzahl > KleinsteSpurenzahl && v.hoechsteSpurImZiel == v.spurenzahl)
            ++letzteSpurImZiel;
        mitStrafen += v.strafen > 0;
    }
    // The races cover every track, two-lane ones most, so lane change and single mode
    // keep being driven.
    for (int spuren = KleinsteSpurenzahl; spuren <= GroessteSpurenzahl; ++spuren)
        EXPECT_GT(jeSpurenzahl[spuren], 0u) << spuren << " lanes";
    EXPECT_EQ(jeSpurenzahl.size(), std::size_t{GroessteSpurenzahl - KleinsteSpurenzahl + 1});
    EXPECT_GT(jeSpurenzahl[KleinsteSpurenzahl], Zufallsrennen / 3);
    // On wider tracks the last lane is driven home, not left standing.
    EXPECT_GT(letzteSpurImZiel, Zufallsrennen / 20);
    // Penalties are given in many of them, so their replay is put to the test.
    EXPECT_GT(mitStrafen, Zufallsrennen / 4) << mitStrafen;
}

namespace {
// A lane-change race of one lap per heat, by hand; `imFenster` runs while the result window
// after the second heat is open.
void spurwechselrennen(Aufnahmebahn& a, std::function<void()> imFenster = {}) {
    Renneinstellungen e;
    e.spurwechsel = true;
    e.rundenzahl = 1;
    a.rennen.einstellungenAnwenden(e);
    for (int lauf = 1; lauf <= 2; ++lauf) {
        a.uhr.stand += 1000;
        a.rennen.startGedrueckt();
        for (int tick = 0; tick < 50; ++tick) {
            a.uhr.stand += 100;
            a.rennen.countdownTick();
        }
        if (lauf == 2)
            a.dialoge.beimNaechstenModal = imFenster;
        for (int spur = 1; spur <= 2; ++spur) {
            a.uhr.stand += 500;
            a.rennen.handrunde(spur);
            a.uhr.stand += 2500 + spur * 100;
            a.rennen.handrunde(spur);
        }
    }
}
} // namespace

// The check sees a replay that goes astray: a lap signal at another time gives another
// race, a record that lacks a dialog's close is not replayed to its end.
TEST(Wiedergabe, EinVeraenderterMitschnittGibtEinAnderesRennen) {
    Aufnahmebahn a;
    spurwechselrennen(a);
    // The clock read for the last lap by hand says a quarter second later.
    Mitschnitt spaeter = a.aufnahme.mitschnitt();
    const auto letzteAblesung = std::find_if(
        spaeter.eintraege.rbegin(), spaeter.eintraege.rend(), [](const Mitschnitteintrag& e) {
            return std::holds_alternative<Aufgezeichnet::Ablesung>(e);
        });
    ASSERT_NE(letzteAblesung, spaeter.eintraege.rend());
    std::get<Aufgezeichnet::Ablesung>(*letzteAblesung).ticks += 250;
    Wiedergabebahn w(spaeter);
    EXPECT_TRUE(w.wiedergabe.abspielen(w.rennen));
    EXPECT_NE(w.rennen.stand(), a.rennen.stand());
    EXPECT_EQ(unterschiede(a, w, true),
              (QStringList{"facts", "main window", "events", "result windows"}));

    Mitschnitt ohneAntwort = a.aufnahme.mitschnitt();
    const auto zu = std::find_if(ohneAntwort.eintraege.begin(), ohneAntwort.eintraege.end(),
                                 [](const Mitschnitteintrag& e) {
                                     return std::holds_alternative<Aufgezeichnet::DialogZu>(e);
                                 });
    ASSERT_NE(zu, ohneAntwort.eintraege.end()) << "the result window was shown";
    ohneAntwort.eintraege.erase(zu);
    Wiedergabebahn v(ohneAntwort);
    EXPECT_FALSE(v.wiedergabe.abspielen(v.rennen));
}

// A lap that comes while the result window is open is handled once it has closed, in the
// replay as in the race: it is replayed inside the window, where it came.
TEST(Wiedergabe, EingabenWaehrendEinesDialogsKommenImDialog) {
    Aufnahmebahn a;
    spurwechselrennen(a, [&a] {
        a.uhr.stand += 700;
        a.rennen.handrunde(1);
        a.rennen.startGedrueckt(); // the next heat, started while the window is still open
    });
    ASSERT_EQ(a.dialoge.ergebnisfenster.size(), 1u);
    ASSERT_TRUE(a.rennen.stand().gestartet) << "the next race began after the window closed";

    const std::vector<Mitschnitteintrag>& e = a.aufnahme.mitschnitt().eintraege;
    const auto auf = std::find_if(e.begin(), e.end(), [](const Mitschnitteintrag& x) {
        return std::holds_alternative<Aufgezeichnet::DialogAuf>(x);
    });
    ASSERT_NE(auf, e.end());
    const Renneingabe* drinnen = std::get_if<Renneingabe>(&*(auf + 1));
    ASSERT_NE(drinnen, nullptr);
    EXPECT_TRUE(std::holds_alternative<Eingabe::Handrunde>(*drinnen));

    Wiedergabebahn w(a.aufnahme.mitschnitt());
    EXPECT_TRUE(w.wiedergabe.abspielen(w.rennen));
    EXPECT_EQ(unterschiede(a, w, true), QStringList());
    EXPECT_EQ(texte(a.dialoge.meldungen), w.wiedergabe.meldungen());
}

// A race with a false start under the time penalty rule, a lap penalty on a lane home and
// one taken back replays to the same result, penalties included.
TEST(Wiedergabe, EinRennenMitStrafenWiederholtSich) {
    Aufnahmebahn a;
    Renneinstellungen e;
    e.rundenzahl = 2;
    e.fehlstartregel = Fehlstartregel::Zeitstrafe;
    a.rennen.einstellungenAnwenden(e);
    a.rennen.startGedrueckt();
    const auto ticks = [&a](int anzahl) {
        for (int tick = 0; tick < anzahl; ++tick) {
            a.uhr.stand += 100;
            a.rennen.countdownTick();
        }
    };
    const auto runde = [&a](int spur, std::int64_t ms) {
        a.uhr.stand += ms;
        a.rennen.handrunde(spur);
    };
    ticks(40);
    a.rennen.handrunde(2);
    ticks(10);
    for (int spur = 1; spur <= 2; ++spur)
        runde(spur, 300);
    runde(1, 2000);
    runde(1, 2000);
    EXPECT_TRUE(a.rennen.strafeGeben(1, Strafart::Runden, 1, QStringLiteral("Abkürzung")));
    EXPECT_TRUE(a.rennen.strafeGeben(2, Strafart::Zeit, 3, QString()));
    EXPECT_TRUE(a.rennen.strafeZuruecknehmen());
    runde(2, 1000);
    runde(2, 2500);
    ASSERT_FALSE(a.rennen.stand().gestartet);
    ASSERT_EQ(a.rennen.ergebnis().letzterLauf().strafen.size(), 2u);
    EXPECT_EQ(a.rennen.ergebnis().letzterLauf().sieger, 2);

    Wiedergabebahn w(a.aufnahme.mitschnitt());
    const bool abgespielt = w.wiedergabe.abspielen(w.rennen);
    EXPECT_EQ(unterschiede(a, w, abgespielt), QStringList());
    EXPECT_EQ(w.rennen.ergebnis(), a.rennen.ergebnis());
}
