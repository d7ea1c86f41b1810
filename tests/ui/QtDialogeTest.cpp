#include "QtDialoge.h"

#include "QtAusgabe.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <gtest/gtest.h>

namespace {
QList<QMessageBox*> offeneHinweise() {
    QList<QMessageBox*> boxen;
    for (QWidget* fenster : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(fenster); box && box->isVisible())
            boxen << box;
    }
    return boxen;
}
} // namespace

// A note opens after the handler that raised it, one at a time, and the same one never
// twice over itself: a box that keeps failing does not pile up messages.
TEST(QtDialoge, HinweiseOeffnenNachDemHandlerEinerNachDemAnderen) {
    QtDialoge dialoge;
    dialoge.hinweis("Fehler von der Box", "");
    dialoge.hinweis("Fehler von der Box", "");
    dialoge.hinweis("Fehlstart von Anna", "Rundomat");
    EXPECT_TRUE(offeneHinweise().isEmpty()) << "not inside the handler";

    ASSERT_TRUE(QTest::qWaitFor([] { return offeneHinweise().size() == 1; }));
    EXPECT_EQ(offeneHinweise()[0]->text(), "Fehler von der Box");
    EXPECT_EQ(offeneHinweise()[0]->windowTitle(), "Rundomat");
    dialoge.hinweis("Fehler von der Box", "");
    QTest::qWait(20);
    ASSERT_EQ(offeneHinweise().size(), 1) << "the open one is not stacked again";

    offeneHinweise()[0]->buttons()[0]->click();
    ASSERT_TRUE(QTest::qWaitFor([] {
        return offeneHinweise().size() == 1 && offeneHinweise()[0]->text() == "Fehlstart von Anna";
    }));
    offeneHinweise()[0]->buttons()[0]->click();
    QTest::qWait(20);
    EXPECT_TRUE(offeneHinweise().isEmpty()) << "each shown once";
}
