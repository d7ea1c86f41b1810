#include "RennformatFenster.h"

#include "Einstellungsbahn.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

// The window as a racer uses it: by time, a length typed, a rule chosen, a false-start rule
// and a penalty time, OK; the time and rule are greyed while the race goes by laps.
TEST(RennformatFenster, ZeitDauerUndRegelWaehlenUndUebernehmen) {
    Einstellungsbahn b;
    b.starteProgramm();
    RennformatLogik logik(b.rennen, b.speicher, b.dialoge);
    RennformatFenster fenster(logik);
    fenster.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenster));
    EXPECT_EQ(fenster.windowTitle(), "Rennformat");
    const QList<QRadioButton*> knoepfe = fenster.findChildren<QRadioButton*>();
    ASSERT_EQ(knoepfe.size(), 2);
    // The race's length, not the track call's factor.
    QLineEdit* dauer = nullptr;
    for (QLineEdit* feld : fenster.findChildren<QLineEdit*>())
        if (feld->toolTip().startsWith("m:ss"))
            dauer = feld;
    ASSERT_TRUE(dauer);
    auto* regel = fenster.findChild<QComboBox*>();
    EXPECT_TRUE(knoepfe[0]->isChecked());
    EXPECT_FALSE(dauer->isEnabled());
    EXPECT_EQ(dauer->text(), "3:00");

    knoepfe[1]->click();
    EXPECT_TRUE(dauer->isEnabled() && regel->isEnabled());
    dauer->setFocus();
    QTest::keyClick(dauer, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(dauer, "2:30");
    regel->setCurrentIndex(2);
    emit regel->activated(2);
    // The false-start rule and the race director's penalty, in their fields.
    QComboBox* fehlstart = fenster.findChildren<QComboBox*>().at(1);
    EXPECT_EQ(fehlstart->currentText(), "Abbruch – das Rennen wird abgebrochen");
    fehlstart->setCurrentIndex(2);
    emit fehlstart->activated(2);
    QLineEdit* strafzeit = nullptr;
    for (QLineEdit* feld : fenster.findChildren<QLineEdit*>())
        if (feld->toolTip() == "Sekunden, 1 bis 600")
            strafzeit = feld; // the last of three: the race director's
    ASSERT_TRUE(strafzeit);
    EXPECT_EQ(strafzeit->text(), "5");
    strafzeit->setFocus();
    QTest::keyClick(strafzeit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(strafzeit, "8");
    fenster.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    EXPECT_EQ(fenster.result(), QDialog::Accepted);
    EXPECT_EQ(b.einstellungen().rennart, Rennlaenge::Zeit);
    EXPECT_EQ(b.einstellungen().renndauer, 150);
    EXPECT_EQ(b.einstellungen().zielregel, Zielregel::FuehrenderBeendet);
    EXPECT_EQ(b.einstellungen().fehlstartregel, Fehlstartregel::StopAndGo);
    EXPECT_EQ(b.einstellungen().strafzeit, 8);
}
