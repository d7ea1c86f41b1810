#include "Rundentabellenmodell.h"

#include "Rennbahn.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

// The program builds its window before the start-up sizes the lap tables: a model made on
// the one-row table must follow every later row count, or the view stays empty.
TEST(Rundentabellenmodell, NeueZeilenzahlSetztDasModellZurueckNeueTexteNicht) {
    Rennbahn b;
    Rundentabellenmodell modell(Rundentabelle(b.rennen, 1), nullptr);
    QSignalSpy zurueckgesetzt(&modell, &QAbstractItemModel::modelReset);
    QSignalSpy geaendert(&modell, &QAbstractItemModel::dataChanged);
    EXPECT_EQ(modell.rowCount(), 0);

    b.runden(10);
    modell.aktualisieren();
    EXPECT_EQ(zurueckgesetzt.count(), 1);
    EXPECT_EQ(modell.rowCount(), 11);

    b.starten();
    b.fahren(1, 0.5, {3});
    modell.aktualisieren();
    modell.aktualisieren();
    EXPECT_EQ(zurueckgesetzt.count(), 1);
    EXPECT_EQ(geaendert.count(), 1) << "once per change, not per call";
    EXPECT_EQ(modell.index(0, 1).data().toString(), QStringLiteral("3,500"));

    b.runden(25);
    modell.aktualisieren();
    EXPECT_EQ(zurueckgesetzt.count(), 2);
    EXPECT_EQ(modell.rowCount(), 26);
}
