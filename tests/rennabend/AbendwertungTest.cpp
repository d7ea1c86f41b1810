#include "Abendfahrer.h"
#include "Fakes.h"
#include "Punkteliste.h"
#include "Rennabendregeln.h"
#include "Rennabendtabelle.h"
#include "Rennabendzeile.h"

#include <gtest/gtest.h>

namespace {
const QString E = QStringLiteral("Emil");

// A lane of a Lauf by time: laps of this time, and the distance the race gave it.
Spurfahrt zeitfahrt(const QString& fahrer, double runde, double distanz) {
    Spurfahrt f;
    f.fahrer = fahrer;
    f.runden = {{runde, 5 / runde, false}, {runde + 0.5, 5 / (runde + 0.5), false}};
    f.gesamtzeit = 60;
    f.distanz = distanz;
    return f;
}

// One Lauf of a round over four lanes, lane 4 free unless a driver is given.
Abendrennen vierspurig(int nummer, std::vector<Spurfahrt> fahrten, std::optional<QString> sieger,
                       Rennlaenge art = Rennlaenge::Zeit) {
    Abendrennen r{nummer, {}};
    r.rennen.rennart = art;
    Spuren<Spurfahrt> lauf = Spuren<Spurfahrt>::fuer(4);
    for (std::size_t i = 0; i < fahrten.size(); ++i)
        lauf[int(i) + 1] = fahrten[i];
    if (fahrten.size() < 4) {
        r.rennen.freieSpuren = 1U << 3;
        lauf[4].fahrer = QStringLiteral("Fahrer 4"); // the race's name for the empty lane
    }
    r.rennen.laeufe = {lauf};
    r.rennen.sieger = sieger;
    return r;
}

QStringList reihenfolge(const std::vector<Tabellenzeile>& tabelle) {
    QStringList namen;
    for (const Tabellenzeile& z : tabelle)
        namen << z.fahrer;
    return namen;
}

// Three Läufe by time of five drivers on four lanes. Anna wins two Läufe on short distances,
// Bert drives furthest without a win, Carla and Dieter tie on every count but Carla's best
// lap; Emil, last in the roster, ties Dieter in everything.
std::vector<Abendrennen> dreiLaeufe() {
    return {vierspurig(1,
                       {zeitfahrt(A, 3.0, 10.5), zeitfahrt(B, 3.5, 10.25), zeitfahrt(C, 3.2, 9.5),
                        zeitfahrt(D, 3.4, 9.5)},
                       A),
            vierspurig(
                2, {zeitfahrt(B, 3.5, 12.75), zeitfahrt(A, 3.1, 10.5), zeitfahrt(E, 3.4, 10)}, B),
            vierspurig(3,
                       {zeitfahrt(A, 3.0, 11.0), zeitfahrt(B, 3.6, 10.75), zeitfahrt(C, 3.3, 9.5),
                        zeitfahrt(E, 3.4, 9.0)},
                       A)};
}
} // namespace

// The same Läufe ranked three ways, as a club would choose: by wins Anna leads; by the
// distance over every Lauf Bert; by places the list's points, which a free lane does not
// take. Level drivers go by best lap, then by the roster.
TEST(Abendwertung, DieselbenLaeufeDreiWertungen) {
    Rennabendregeln regeln;
    regeln.format = Rennabendformat::Spurrotation;
    const QStringList fahrer{A, B, C, D, E};

    regeln.wertung = Abendwertung::Siege;
    std::vector<Tabellenzeile> t = rennabendtabelle(regeln, fahrer, {}, dreiLaeufe());
    EXPECT_EQ(reihenfolge(t), (QStringList{A, B, C, D, E}));
    EXPECT_EQ(t[0].punkte, 6);
    EXPECT_EQ(t[1].punkte, 3);

    regeln.wertung = Abendwertung::Gesamtrunden;
    t = rennabendtabelle(regeln, fahrer, {}, dreiLaeufe());
    EXPECT_EQ(reihenfolge(t), (QStringList{B, A, C, E, D}));
    EXPECT_DOUBLE_EQ(t[0].distanz, 33.75);
    EXPECT_DOUBLE_EQ(t[2].distanz, 19.0);
    EXPECT_EQ(t[0].punkte, 0);

    regeln.wertung = Abendwertung::Platzpunkte;
    regeln.platzpunkte = {10, 6, 3};
    t = rennabendtabelle(regeln, fahrer, {}, dreiLaeufe());
    // Anna 10+6+10, Bert 6+10+6, Carla 3+3 (level with Dieter in Lauf 1, ahead by her lane),
    // Emil 3+0, Dieter 0.
    EXPECT_EQ(reihenfolge(t), (QStringList{A, B, C, E, D}));
    EXPECT_EQ(t[0].punkte, 26);
    EXPECT_EQ(t[1].punkte, 22);
    EXPECT_EQ(t[2].punkte, 6);
    EXPECT_EQ(t[3].punkte, 3);
    EXPECT_EQ(t[4].punkte, 0);
}

// By laps a Lauf's order is who has more laps, then who was home first; the ranking by
// distance goes by the laps over every Lauf, then the lower total time.
TEST(Abendwertung, NachRundenGesamtzeitUndZieleinlauf) {
    auto fahrt = [](const QString& name, int runden, std::optional<double> ziel) {
        Spurfahrt f;
        f.fahrer = name;
        for (int i = 0; i < runden; ++i)
            f.runden.push_back({4.0, 1.25, false});
        f.gesamtzeit = ziel;
        return f;
    };
    Rennabendregeln regeln;
    regeln.format = Rennabendformat::Spurrotation;
    regeln.platzpunkte = {5, 3, 1};
    regeln.wertung = Abendwertung::Platzpunkte;
    // Bert home before Anna; Carla a lap short when the race ended.
    const std::vector<Abendrennen> rennen{
        vierspurig(1, {fahrt(A, 10, 41.5), fahrt(B, 10, 40.25), fahrt(C, 9, std::nullopt)}, B,
                   Rennlaenge::Runden)};
    std::vector<Tabellenzeile> t = rennabendtabelle(regeln, {A, B, C}, {}, rennen);
    EXPECT_EQ(reihenfolge(t), (QStringList{B, A, C}));
    EXPECT_EQ(t[2].punkte, 1);
    regeln.wertung = Abendwertung::Gesamtrunden;
    t = rennabendtabelle(regeln, {A, B, C}, {}, rennen);
    EXPECT_EQ(reihenfolge(t), (QStringList{B, A, C})) << "a lap short, Carla's time is no gain";
    EXPECT_EQ(t[0].runden, 10);
}

// The club types its list of points; what is not one is turned down with the reason, and a
// list in the store that does not read gives the key's default. Without a choice a two-lane
// night counts wins, a wider one places.
TEST(Abendwertung, PunktelisteUndEinstellungen) {
    EXPECT_FALSE(punktelisteFehler(QStringLiteral("25, 22,20,18,16,15,14,13")));
    EXPECT_EQ(punktelisteFehler(QStringLiteral("25,22,x")),
              QStringLiteral("„x“ ist keine ganze Zahl von 0 bis 100."));
    EXPECT_EQ(punktelisteFehler(QStringLiteral("10,8,9")),
              QStringLiteral("Platz 3 bekäme mehr Punkte (9) als Platz 2 (8)."));
    EXPECT_TRUE(punktelisteFehler(QString()));

    FakeSpeicher speicher;
    Einstellungswerte werte(speicher);
    EXPECT_EQ(rennabendregelnLesen(werte).wertung, Abendwertung::Siege);
    EXPECT_EQ(rennabendregelnLesen(werte, 6).wertung, Abendwertung::Platzpunkte);
    speicher.werte = {{QStringLiteral("RennabendWertung"), QStringLiteral("Gesamtrunden")},
                      {QStringLiteral("RennabendPlatzpunkte"), QStringLiteral("9,4,1")}};
    EXPECT_EQ(rennabendregelnLesen(werte, 6).wertung, Abendwertung::Gesamtrunden);
    EXPECT_EQ(rennabendregelnLesen(werte).platzpunkte, (std::vector<int>{9, 4, 1}));
    speicher.werte[QStringLiteral("RennabendPlatzpunkte")] = QStringLiteral("1,2");
    EXPECT_EQ(rennabendregelnLesen(werte).platzpunkte,
              (std::vector<int>{25, 22, 20, 18, 16, 15, 14, 13}));

    // A qualifying only when the store names one; "Keine" and a typo are none.
    EXPECT_FALSE(rennabendregelnLesen(werte).qualifikation);
    EXPECT_FALSE(rennabendregelnLesen(werte).aufsteiger);
    speicher.werte[QStringLiteral("RennabendQualifikation")] = QStringLiteral("MeisteRunden");
    speicher.werte[QStringLiteral("RennabendAufsteiger")] = QStringLiteral("True");
    EXPECT_EQ(rennabendregelnLesen(werte, 4).qualifikation, Qualifikationsart::MeisteRunden);
    EXPECT_TRUE(rennabendregelnLesen(werte, 4).aufsteiger);
    for (const char* keine : {"Keine", "besterunde"}) {
        speicher.werte[QStringLiteral("RennabendQualifikation")] = QString::fromLatin1(keine);
        EXPECT_FALSE(rennabendregelnLesen(werte).qualifikation) << keine;
    }
}

// The scoring is the night's own and comes back with it from the database; a night scored by
// wins writes its row as nights always did.
TEST(Abendwertung, GespeichertMitDemAbend) {
    Rennabend abend;
    abend.schluessel = QStringLiteral("abend-1");
    abend.beginn = QDateTime(QDate(2026, 3, 6), QTime(19, 30));
    abend.teilnehmer = teilnehmerMitFarben({A, B, C});
    abend.rennformat = Abendrennformat{};
    abend.plan = rennplan({A, B, C}, Rennabendformat::Spurrotation);
    abend.regeln.format = Rennabendformat::Spurrotation;
    EXPECT_FALSE(rennabendzeile(abend).rennformat.toString().contains(QStringLiteral("wertung")));

    abend.regeln.wertung = Abendwertung::Platzpunkte;
    abend.regeln.platzpunkte = {7, 3};
    GespeicherterRennabend g = abendAusZeile(rennabendzeile(abend));
    EXPECT_FALSE(g.beschaedigt);
    EXPECT_EQ(g.abend.regeln.wertung, Abendwertung::Platzpunkte);
    EXPECT_EQ(g.abend.regeln.platzpunkte, (std::vector<int>{7, 3}));
    abend.regeln.wertung = Abendwertung::Gesamtrunden;
    EXPECT_EQ(abendAusZeile(rennabendzeile(abend)).abend.regeln.wertung,
              Abendwertung::Gesamtrunden);

    // The qualifying and its bump-ups come back with the night; a kind no program wrote
    // marks the row damaged.
    EXPECT_FALSE(abendAusZeile(rennabendzeile(abend)).abend.regeln.qualifikation);
    abend.regeln.qualifikation = Qualifikationsart::BesteRunde;
    abend.regeln.aufsteiger = true;
    g = abendAusZeile(rennabendzeile(abend));
    EXPECT_FALSE(g.beschaedigt);
    EXPECT_EQ(g.abend.regeln.qualifikation, Qualifikationsart::BesteRunde);
    EXPECT_TRUE(g.abend.regeln.aufsteiger);
    Rennabendzeile zeile = rennabendzeile(abend);
    zeile.rennformat = zeile.rennformat.toString().replace(QStringLiteral("BesteRunde"),
                                                           QStringLiteral("Schnellste"));
    EXPECT_TRUE(abendAusZeile(zeile).beschaedigt);
}
