#include "DialogFenster.h"

#include "Einstellungsbahn.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {
template <typename T> T* finden(QWidget& fenster, const QString& tipp) {
    for (T* w : fenster.findChildren<T*>())
        if (w->toolTip() == tipp)
            return w;
    return nullptr;
}

void tippenUndWeiter(QWidget* feld, const QString& text) {
    feld->setFocus();
    QTest::keyClick(feld, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(feld, text);
    QTest::keyClick(feld, Qt::Key_Tab);
    QCoreApplication::processEvents();
}
} // namespace

TEST(DialogFenster, FeldWirdBeimVerlassenGeprueft) {
    Einstellungsbahn b;
    DialogLogik logik = b.dialogOeffnen();
    DialogFenster fenster(logik);
    fenster.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenster));
    EXPECT_EQ(fenster.windowTitle(), "Optionen");
    EXPECT_EQ(fenster.size(), QSize(517, 523));

    auto* laenge = finden<QLineEdit>(fenster, "Länge Ihrer Rennbahn in Metern");
    ASSERT_NE(laenge, nullptr);
    EXPECT_EQ(laenge->text(), "5");
    tippenUndWeiter(laenge, "3.75");
    EXPECT_EQ(laenge->text(), "3,75");
    EXPECT_TRUE(b.dialoge.meldungen.empty());

    auto* prellzeit = finden<QComboBox>(
        fenster, "verwährt für die Prellzeit ein weiteres Signal nach einem gültigem Signal");
    ASSERT_NE(prellzeit, nullptr);
    tippenUndWeiter(prellzeit->lineEdit(), "x");
    ASSERT_EQ(b.dialoge.meldungen.size(), 1u);
    EXPECT_EQ(b.dialoge.meldungen[0].titel, "Eingabefehler");
    EXPECT_EQ(prellzeit->currentText(), "2");
    // What is typed stays as typed: "1" is not completed to the list's "10".
    tippenUndWeiter(prellzeit->lineEdit(), "1");
    ASSERT_EQ(b.dialoge.meldungen.size(), 2u);
    EXPECT_EQ(b.dialoge.meldungen[1].titel, "Fehler");
    EXPECT_EQ(prellzeit->currentText(), "2");

    QPushButton* ok = nullptr;
    for (QPushButton* knopf : fenster.findChildren<QPushButton*>())
        if (knopf->text() == "OK")
            ok = knopf;
    ASSERT_NE(ok, nullptr);
    QTest::mouseClick(ok, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(fenster.result(), QDialog::Accepted);
    EXPECT_EQ(b.einstellungen().kurslaenge, 3.75);
    EXPECT_EQ(b.speicher.werte.value("laenge"), "3,75");
}

TEST(DialogFenster, KaestchenFolgenDenKlickregeln) {
    Einstellungsbahn b;
    b.einstellen([&](Renneinstellungen& e) { e.rennmodus = false; });
    DialogLogik logik = b.dialogOeffnen();
    DialogFenster fenster(logik);
    fenster.show();
    auto* spurwechsel = finden<QAbstractButton>(
        fenster, "Gesamtwertung besteht aus 2 Rennen wo die Spuren von den Fahrern nach dem "
                 "ersten Rennen getauscht werden");
    auto* training = finden<QAbstractButton>(fenster, "Trainings- oder Rennmodus");
    ASSERT_TRUE(spurwechsel && training);
    EXPECT_TRUE(training->isChecked());
    QTest::mouseClick(spurwechsel, Qt::LeftButton, {}, QPoint(8, spurwechsel->height() / 2));
    EXPECT_TRUE(spurwechsel->isChecked());
    EXPECT_FALSE(training->isChecked());

    QTest::keyClick(&fenster, Qt::Key_Escape);
    EXPECT_EQ(fenster.result(), QDialog::Rejected);
    EXPECT_TRUE(logik.geschlossen());
    EXPECT_TRUE(b.speicher.geschrieben.isEmpty());
}

// The RaceControl hint appears whenever the focus leaves its box, also for OK, and before
// the dialog closes: by a click on OK, and by Enter with the focus still in the box.
TEST(DialogFenster, RacecontrolHinweisKommtAuchBeiOkVorDemSchliessen) {
    for (const bool mitMaus : {true, false}) {
        Einstellungsbahn b;
        DialogLogik logik = b.dialogOeffnen();
        DialogFenster fenster(logik);
        fenster.show();
        fenster.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&fenster));
        auto* racecontrol =
            finden<QAbstractButton>(fenster, "Als Hardware wird Racecontrol benutzt");
        ASSERT_NE(racecontrol, nullptr);
        QTest::mouseClick(racecontrol, Qt::LeftButton, {}, QPoint(8, racecontrol->height() / 2));
        ASSERT_TRUE(racecontrol->isChecked());
        ASSERT_TRUE(racecontrol->hasFocus());

        bool offenBeimHinweis = false;
        b.dialoge.beimNaechstenModal = [&] { offenBeimHinweis = fenster.isVisible(); };
        if (mitMaus) {
            QPushButton* ok = nullptr;
            for (QPushButton* knopf : fenster.findChildren<QPushButton*>())
                if (knopf->text() == "OK")
                    ok = knopf;
            QTest::mouseClick(ok, Qt::LeftButton);
        } else {
            QTest::keyClick(racecontrol, Qt::Key_Return);
        }
        QCoreApplication::processEvents();
        ASSERT_EQ(b.dialoge.meldungen.size(), 1u) << mitMaus;
        EXPECT_TRUE(b.dialoge.meldungen[0].text.startsWith("Wenn Sie diese Auswahl treffen"));
        EXPECT_TRUE(offenBeimHinweis) << mitMaus;
        EXPECT_EQ(fenster.result(), QDialog::Accepted) << mitMaus;
        EXPECT_TRUE(b.einstellungen().raceControl) << mitMaus;
    }
}

TEST(DialogFenster, AnsagenKnopfOeffnetDasFensterUndLaesstDenDialogOffen) {
    Einstellungsbahn b;
    DialogLogik logik = b.dialogOeffnen();
    DialogFenster fenster(logik);
    fenster.show();
    auto* ansagen =
        finden<QPushButton>(fenster, "was während des Rennens gesprochen wird (Umschalt + A)");
    ASSERT_NE(ansagen, nullptr);
    EXPECT_EQ(ansagen->text(), "Ansagen …");
    QTest::mouseClick(ansagen, Qt::LeftButton);
    EXPECT_EQ(b.dialoge.gezeigteFenster, std::vector<Fenster>{Fenster::fAnsagen});
    EXPECT_TRUE(fenster.isVisible());
}
