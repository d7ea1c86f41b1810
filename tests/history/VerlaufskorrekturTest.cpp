#include "Fensterbahn.h"
#include "QtAusgabe.h"

namespace {
const QString AnnaSiegt = QStringLiteral("Sieger: Anna");
const QString BerndSiegtKorrigiert =
    QStringLiteral("Sieger: Bernd – korrigiert, das Original ist gespeichert");
} // namespace

// Del in race 1's correction takes away Anna's first crossing: she is a lap short and
// Bernd wins, stored at once. Ctrl+Z undoes it in the database too; Esc ends the correction
// and leaves the race as corrected; Ctrl+O brings back the race as first stored.
TEST(Verlaufskorrektur, JedeAenderungIstSofortGespeichertUndLaesstSichZuruecknehmen) {
    Fensterbahn b;
    b.a();
    b.logik().auswahlSetzen(1);
    b.logik().oeffnen();
    ASSERT_EQ(b.a().angaben.value(1), AnnaSiegt);
    b.logik().korrigieren();
    EXPECT_TRUE(b.a().korrektur);
    EXPECT_TRUE(b.a().tasten.startsWith("←→: Spur   ↑↓: Runde"));

    b.logik().loeschen();
    EXPECT_EQ(b.a().angaben.value(1), BerndSiegtKorrigiert);
    EXPECT_EQ(b.gespeichert(1)->sieger, "Bernd");
    EXPECT_TRUE(b.gespeichert(1)->korrigiert());

    b.logik().korrekturRueckgaengig();
    EXPECT_EQ(b.a().angaben.value(1), AnnaSiegt);
    EXPECT_FALSE(b.gespeichert(1)->korrigiert()) << "undone to the race as first stored";

    b.logik().loeschen();
    EXPECT_TRUE(b.logik().zurueck());
    EXPECT_FALSE(b.a().korrektur);
    EXPECT_EQ(b.a().seite, VerlaufAnsicht::Seite::Rennen);
    EXPECT_EQ(b.a().angaben.value(1), BerndSiegtKorrigiert);
    EXPECT_TRUE(b.a().tasten.contains("Strg+O: Original wiederherstellen"));

    b.logik().originalWiederherstellen();
    EXPECT_EQ(b.a().angaben.value(1), AnnaSiegt);
    EXPECT_FALSE(b.gespeichert(1)->korrigiert());
    EXPECT_TRUE(b.dialoge.meldungen.empty());
}

// A race the writer still holds is corrected once it is stored; until then K says so and
// leaves the page as it is.
TEST(Verlaufskorrektur, WartendesRennenWirdNichtKorrigiert) {
    Fensterbahn b;
    b.wartende = [] {
        return std::vector{rennen(QStringLiteral("Zoe"), {3}, QStringLiteral("Bernd"), {4})};
    };
    b.a();
    b.logik().oeffnen();
    ASSERT_EQ(b.a().ueberschrift, "Wartendes Rennen vom 01.05.2026 14:03");
    b.logik().korrigieren();
    ASSERT_EQ(b.dialoge.meldungen.size(), 1u);
    EXPECT_EQ(b.dialoge.meldungen[0].text,
              "Das Rennen wartet noch darauf, in der Renndatenbank gespeichert zu werden, und "
              "lässt sich erst danach korrigieren.");
    EXPECT_FALSE(b.a().korrektur);
}
