#include "FRaceControl.h"

#include "QtAusgabe.h"
#include "Rennbahn.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Einstellfenster : Rennbahn {
    RaceControlEinstellungen logik{rennen, speicher, box, dialoge};
    FRaceControl fenster{logik};

    Einstellfenster() {
        fenster.show();
        fenster.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&fenster));
    }
    template <typename T> T* element(const char* name) {
        T* gefunden = fenster.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(gefunden, nullptr) << name;
        return gefunden;
    }
    QLineEdit* feld(const char* name) { return element<QLineEdit>(name); }
    void eintippen(QLineEdit* feld, const QString& text) {
        feld->setFocus(Qt::TabFocusReason);
        feld->selectAll();
        QTest::keyClicks(feld, text);
    }
    void verlassen() {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCoreApplication::processEvents();
    }
};

} // namespace

TEST(fRaceControlFenster, HaeltDenFokusBeiFalschemEintrag) {
    Einstellfenster f;
    EXPECT_EQ(f.feld("teEmpfindlichkeit")->text(), "0");

    QLineEdit* empfindlichkeit = f.feld("teEmpfindlichkeit");
    f.eintippen(empfindlichkeit, QStringLiteral("131"));
    f.verlassen();
    ASSERT_EQ(f.dialoge.meldungen.size(), 1u);
    EXPECT_EQ(f.dialoge.meldungen[0].text, "Die Empfindlichkeit muß zwischen 0 und 130 liegen");
    EXPECT_EQ(QApplication::focusWidget(), empfindlichkeit);

    QTest::keyClicks(empfindlichkeit, QStringLiteral("130")); // replaces the selected entry
    f.verlassen();
    EXPECT_EQ(f.dialoge.meldungen.size(), 1u);
    EXPECT_EQ(QApplication::focusWidget(), f.feld("teVerzoegerung"));
}

TEST(fRaceControlFenster, EnterBestaetigtUndAbbrechenLaesstAllesWieEsWar) {
    Einstellfenster f;
    f.eintippen(f.feld("teNachlauf"), QStringLiteral("12"));
    QTest::mouseClick(f.element<QCheckBox>("checkSZsensorTausch"), Qt::LeftButton);
    QTest::keyClick(f.feld("teNachlauf"), Qt::Key_Return);
    EXPECT_EQ(f.fenster.result(), QDialog::Accepted);
    EXPECT_EQ(f.speicher.werte.value("RCNachlauf"), "12");
    EXPECT_EQ(f.speicher.werte.value("RCSZsensorTausch"), "True");

    Einstellfenster g;
    g.eintippen(g.feld("teVerzoegerung"), QStringLiteral("99"));
    QTest::mouseClick(g.element<QPushButton>("CancelButton"), Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_TRUE(g.dialoge.meldungen.empty()) << "leaving for Abbrechen checks nothing";
    EXPECT_EQ(g.fenster.result(), QDialog::Rejected);
    EXPECT_FALSE(g.fenster.isVisible());
    EXPECT_TRUE(g.speicher.geschrieben.isEmpty());
}
