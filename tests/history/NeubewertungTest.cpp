#include "Fensterbahn.h"
#include "QtAusgabe.h"

namespace {
// Race 3: Anna's laps of 3 and 2,5 s and Bernd's of 4 s, with the bouncing contacts they came
// from.
Rennaufzeichnung mitSignalen() {
    Rennaufzeichnung r = rennen(QStringLiteral("Anna"), {3, 2.5}, QStringLiteral("Bernd"), {4, 4},
                                QStringLiteral("2026-05-03T20:00:00+02:00"));
    r.rohsignale = {{{1, 0},
                     {2, 0},
                     {1, 3'000'000},
                     {1, 3'000'400},
                     {2, 4'000'000},
                     {1, 5'500'000},
                     {1, 5'500'300},
                     {2, 8'000'000}}};
    return r;
}
} // namespace

// P judges a race again from its raw signals. A Prellzeit below 0,1 s would take every
// contact bounce for a lap of a millisecond, which Enter would store: it is refused as any
// other entry that is no Prellzeit, and the page stays as it was.
TEST(Neubewertung, NeuBewertenVerweigertEinePrellzeitUnterEinerZehntelsekunde) {
    Fensterbahn b;
    b.speichern(mitSignalen());
    b.a();
    b.logik().oeffnen();
    ASSERT_EQ(b.a().ueberschrift, "Rennen 3 vom 03.05.2026 20:00");
    const QStringList seite = b.a().angaben;
    for (const QString& eingabe : {QStringLiteral("0"), QStringLiteral("0,05"),
                                   QStringLiteral("-1"), QStringLiteral("viel")}) {
        b.dialoge.eingabeAntworten = {eingabe};
        b.logik().neuBewerten();
        ASSERT_FALSE(b.dialoge.meldungen.empty()) << eingabe.toStdString();
        EXPECT_EQ(b.dialoge.meldungen.back().text,
                  "„" + eingabe + "“ ist keine Prellzeit zwischen 0,1 und 60 Sekunden.");
        EXPECT_EQ(b.a().angaben, seite) << eingabe.toStdString();
    }
    b.dialoge.eingabeAntworten = {QStringLiteral("0,1")};
    const std::size_t meldungen = b.dialoge.meldungen.size();
    b.logik().neuBewerten();
    EXPECT_EQ(b.dialoge.meldungen.size(), meldungen);
    EXPECT_TRUE(b.a().angaben.filter(QStringLiteral("Neu bewertet mit Prellzeit 0,1 s: ")).size() ==
                1)
        << b.a().angaben.join(QLatin1Char('\n')).toStdString();
}

// With a Prellzeit longer than Anna's second lap her crossing after it is a bounce: she is
// a lap short and Bernd wins. Esc leaves that unstored; Enter stores it as a correction,
// with the race as first stored kept. A race without raw signals cannot be judged again.
TEST(Neubewertung, EnterSpeichertAlsKorrekturEscVerwirft) {
    Fensterbahn b;
    b.speichern(mitSignalen());
    b.a();
    b.logik().oeffnen();
    const QStringList seite = b.a().angaben;
    EXPECT_TRUE(b.a().tasten.contains("P: mit anderer Prellzeit neu bewerten"));

    b.dialoge.eingabeAntworten = {QStringLiteral("2,6"), QStringLiteral("2,6")};
    b.logik().neuBewerten();
    EXPECT_EQ(b.a().tasten, "Enter: als Korrektur übernehmen   Esc: verwerfen");
    EXPECT_TRUE(b.a().angaben.contains(
        "Neu bewertet mit Prellzeit 2,6 s: Sieger Bernd, bisher (2 s): Sieger Anna"))
        << b.a().angaben.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(b.logik().zurueck());
    EXPECT_EQ(b.a().seite, VerlaufAnsicht::Seite::Rennen);
    EXPECT_EQ(b.a().angaben, seite);
    EXPECT_FALSE(b.gespeichert(3)->korrigiert());

    b.logik().neuBewerten();
    b.logik().oeffnen();
    EXPECT_EQ(b.a().angaben.value(1), "Sieger: Bernd – korrigiert, das Original ist gespeichert");
    const std::optional<Rennaufzeichnung> gespeichert = b.gespeichert(3);
    ASSERT_TRUE(gespeichert);
    EXPECT_TRUE(gespeichert->korrigiert());
    EXPECT_EQ(gespeichert->sieger, "Bernd");
    EXPECT_TRUE(b.a().tasten.contains("Strg+O: Original wiederherstellen"));

    b.logik().zurueck();
    b.logik().auswahlSetzen(2); // race 1
    b.logik().oeffnen();
    ASSERT_EQ(b.a().ueberschrift, "Rennen 1 vom 30.04.2026 20:00");
    EXPECT_FALSE(b.a().tasten.contains("P:"));
    const std::size_t gefragt = b.dialoge.eingaben.size();
    b.logik().neuBewerten();
    EXPECT_TRUE(b.dialoge.meldungen.back().text.startsWith(
        "Von diesem Rennen sind keine Sensorsignale gespeichert"));
    EXPECT_EQ(b.dialoge.eingaben.size(), gefragt) << "no Prellzeit asked for";
}
