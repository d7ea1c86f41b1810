#include "Fensterbahn.h"
#include "QtAusgabe.h"

using Seite = VerlaufAnsicht::Seite;

namespace {
std::vector<Saisonwertung> zweiSaisons() {
    const QStringList kopf{"Platz", "Fahrer", "Punkte", "Abende", "Siege"};
    return {{QStringLiteral("Winter"),
             2,
             kopf,
             {{"1", "Anna", "18", "2", "1"}, {"2", "Bernd", "18", "2", "1"}}},
            {QStringLiteral("Sommer"), 1, kopf, {{"1", "Cleo", "10", "1", "1"}}}};
}
} // namespace

// Ctrl+S shows the newest season's table; ←→ go round the seasons; the page prints as what
// it shows; Esc goes back to the list.
TEST(Saisonseite, NeuesteSaisonZuerstUndRundherumBlaettern) {
    Fensterbahn b;
    b.saisons = [](Verlaufsdatenbank&, QString&) { return zweiSaisons(); };
    EXPECT_TRUE(b.a().tasten.contains("Strg+S: Saisonwertung"));
    b.logik().saisonZeigen();
    ASSERT_EQ(b.a().seite, Seite::Saison);
    EXPECT_EQ(b.a().ueberschrift, "Saison Winter (1 von 2)");
    EXPECT_EQ(b.a().angaben, QStringList{"2 Rennabende"});
    EXPECT_EQ(b.a().tabellenkopf, zweiSaisons()[0].kopf);
    EXPECT_EQ(b.a().tabelle, zweiSaisons()[0].zeilen);
    EXPECT_TRUE(b.a().diagramm.kurven.empty());
    EXPECT_EQ(b.a().tasten,
              "←→: andere Saison   S: Streichresultate   Strg+P: als PDF   Esc: zurück");

    b.logik().saisonWechseln(1);
    EXPECT_EQ(b.a().ueberschrift, "Saison Sommer (2 von 2)");
    EXPECT_EQ(b.a().angaben, QStringList{"1 Rennabend"});
    EXPECT_EQ(b.a().tabelle, zweiSaisons()[1].zeilen);
    EXPECT_EQ(b.logik().saisontabelle().dokumenttitel, "Saison Sommer (2 von 2)");
    const QString html = tabelleAlsHtml(b.logik().saisontabelle());
    EXPECT_TRUE(html.startsWith("<h1>Saison Sommer</h1><p>1 Rennabend</p>")) << html.toStdString();
    EXPECT_TRUE(html.contains("<td>Cleo</td>"));
    b.logik().saisonWechseln(1);
    EXPECT_EQ(b.a().ueberschrift, "Saison Winter (1 von 2)") << "round to the newest";
    b.logik().saisonWechseln(-1);
    EXPECT_EQ(b.a().ueberschrift, "Saison Sommer (2 von 2)");

    EXPECT_TRUE(b.logik().zurueck());
    EXPECT_EQ(b.a().seite, Seite::Liste);
    EXPECT_TRUE(b.a().tabellenkopf.isEmpty());
    EXPECT_TRUE(b.logik().saisontabelle().zeilen.empty());
    EXPECT_TRUE(b.dialoge.meldungen.empty());
}

// Race nights that cannot be read are not "no season yet": the racer is told why, and the
// list stays.
TEST(Saisonseite, LesefehlerDerRennabendeWirdGesagt) {
    Fensterbahn b;
    bool kaputt = true;
    b.saisons = [&kaputt](Verlaufsdatenbank&, QString& fehler) {
        if (kaputt)
            fehler = QStringLiteral("database disk image is malformed");
        return std::vector<Saisonwertung>{};
    };
    b.a();
    b.logik().saisonZeigen();
    EXPECT_EQ(b.a().seite, Seite::Liste);
    ASSERT_EQ(b.dialoge.meldungen.size(), 1u);
    EXPECT_EQ(b.dialoge.meldungen[0].text,
              "Die Rennabende lassen sich nicht lesen: database disk image is malformed");
    EXPECT_EQ(b.dialoge.meldungen[0].titel, "Rennverlauf");

    kaputt = false;
    b.logik().saisonZeigen();
    EXPECT_EQ(b.a().seite, Seite::Liste);
    ASSERT_EQ(b.dialoge.meldungen.size(), 2u);
    EXPECT_TRUE(b.dialoge.meldungen[1].text.startsWith("Noch kein Rennabend hat eine Saison."));
}

// Without race nights to read (the program's tests of the history alone) there is no season
// to offer, and Ctrl+S does nothing.
TEST(Saisonseite, OhneQuelleKeineSaison) {
    Fensterbahn b;
    EXPECT_FALSE(b.a().tasten.contains("Strg+S"));
    b.logik().saisonZeigen();
    EXPECT_EQ(b.a().seite, Seite::Liste);
    EXPECT_TRUE(b.dialoge.meldungen.empty());
}
