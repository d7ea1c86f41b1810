#include "Fhof.h"

#include "Datenordner.h"
#include "Fakes.h"
#include "QtAusgabe.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct FhofTest : ::testing::Test {
    Datenordner ordner;
    FakeDialoge dialoge;
    Hofmodul hof{ordner.daten, dialoge};

    QLabel* label(const Fhof& f, const QString& name) const {
        auto* l = f.findChild<QLabel*>(name);
        EXPECT_NE(l, nullptr) << name.toStdString();
        return l;
    }
    QPushButton* knopf(const Fhof& f, const QString& name) const {
        return f.findChild<QPushButton*>(name);
    }
};

} // namespace

TEST_F(FhofTest, ZeigtDieFuenfRaengeRangEinsInRot) {
    ordner.schreiben("hof.ini", "12,5;J\xFCrgen\r\n9;Anna\r\n");
    hof.HofLesen();
    Fhof f(hof);

    EXPECT_EQ(f.windowTitle(), "Hall of Fame");
    EXPECT_EQ(label(f, "LaName1")->text(), "Jürgen");
    EXPECT_EQ(label(f, "LaZeit1")->text(), "12,5 m/s");
    EXPECT_EQ(label(f, "LaName2")->text(), "Anna");
    EXPECT_EQ(label(f, "LaName5")->text(), "leer");
    EXPECT_EQ(label(f, "LaZeit5")->text(), "0 m/s");
    for (int rang = 1; rang <= 5; ++rang) {
        for (const QString& art : {QStringLiteral("LaName"), QStringLiteral("LaZeit")}) {
            const QLabel* l = label(f, art + QString::number(rang));
            EXPECT_EQ(l->palette().color(QPalette::Window), QColor(0x00, 0x00, 0xC0));
            EXPECT_EQ(l->palette().color(QPalette::WindowText),
                      rang == 1 ? QColor(Qt::red) : QColor(0xC0, 0xC0, 0xC0));
            EXPECT_TRUE(l->autoFillBackground());
            EXPECT_EQ(l->font().pointSize(), 18);
        }
    }
}

TEST_F(FhofTest, NeueHallOfFameLeertDieAnzeigeNurNachOk) {
    ordner.schreiben("hof.ini", "12,5;Jürgen\r\n");
    hof.HofLesen();
    Fhof f(hof);
    QPushButton* neu = knopf(f, "BuNeueHofMachen");
    ASSERT_NE(neu, nullptr);
    EXPECT_EQ(neu->text(), "Neue Hall of Fame anlegen");

    dialoge.fragenAntworten = {false, true};
    QTest::mouseClick(neu, Qt::LeftButton);
    EXPECT_EQ(label(f, "LaZeit1")->text(), "12,5 m/s");
    QTest::mouseClick(neu, Qt::LeftButton);
    EXPECT_EQ(label(f, "LaName1")->text(), "leer");
    EXPECT_EQ(label(f, "LaZeit1")->text(), "0 m/s");
    EXPECT_FALSE(ordner.gibt("hof.ini"));
}

TEST_F(FhofTest, OkSchliesstDasFenster) {
    Fhof f(hof);
    f.show();
    QPushButton* ok = knopf(f, "buOK");
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), "OK");
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.result(), QDialog::Accepted);
}
