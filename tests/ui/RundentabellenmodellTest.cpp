#include "Rundentabellenmodell.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

// The program builds its window before the start-up sizes the lap tables: a model made on
// the one-row table must follow every later row count, or the view stays empty.
TEST(Rundentabellenmodell, NeueZeilenzahlSetztDasModellZurueckNeueTexteNicht) {
    Rundentabelle tabelle;
    Rundentabellenmodell modell(tabelle, nullptr);
    QSignalSpy zurueckgesetzt(&modell, &QAbstractItemModel::modelReset);
    QSignalSpy geaendert(&modell, &QAbstractItemModel::dataChanged);
    EXPECT_EQ(modell.rowCount(), 0);

    tabelle.zeilenzahlSetzen(12);
    modell.aktualisieren();
    EXPECT_EQ(zurueckgesetzt.count(), 1);
    EXPECT_EQ(modell.rowCount(), 11);

    tabelle.zelle(1, 1).text = QStringLiteral("3,500");
    modell.aktualisieren();
    modell.aktualisieren();
    EXPECT_EQ(zurueckgesetzt.count(), 1);
    EXPECT_EQ(geaendert.count(), 1) << "once per change, not per call";
    EXPECT_EQ(modell.index(0, 1).data().toString(), QStringLiteral("3,500"));

    tabelle.zeilenzahlSetzen(5);
    modell.aktualisieren();
    EXPECT_EQ(zurueckgesetzt.count(), 2);
    EXPECT_EQ(modell.rowCount(), 4);
}
