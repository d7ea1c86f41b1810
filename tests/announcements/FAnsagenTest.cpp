// The "Ansagen" window shows the settings and hands every change to its logic.
#include "FAnsagen.h"

#include "Ansagenfenster.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <gtest/gtest.h>

TEST(FAnsagen, ZeigtDieEinstellungenUndGibtAenderungenWeiter) {
    Ansagenfenster f;
    auto& [speicher, werte, e, sprecher, ansagen, logik] = f;
    FAnsagen fenster(logik);
    fenster.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenster));
    EXPECT_EQ(fenster.windowTitle(), "Ansagen");

    const auto kaestchen = fenster.findChildren<QCheckBox*>();
    ASSERT_EQ(kaestchen.size(), 6);
    QStringList angekreuzt;
    for (QCheckBox* box : kaestchen)
        if (box->isChecked())
            angekreuzt << box->text();
    EXPECT_EQ(angekreuzt,
              (QStringList{"Ansagen einschalten", "Rundenzeit nach jeder Runde",
                           "neue Bestzeit des Rennens", "Restrunden (10, 5, 3 und letzte Runde)",
                           "Fehlstart, Crash, Sieger mit Vorsprung, Hall of Fame"}));

    QTest::mouseClick(kaestchen[0], Qt::LeftButton, {}, QPoint(8, kaestchen[0]->height() / 2));
    EXPECT_FALSE(e.an);
    EXPECT_EQ(speicher.werte["Ansagen"], "False");
    EXPECT_FALSE(kaestchen[1]->isEnabled()) << "the kinds wait for announcements to be on";

    auto* tempo = fenster.findChildren<QSlider*>().at(0);
    tempo->setValue(250);
    EXPECT_EQ(e.tempo, 250);
    bool angezeigt = false;
    for (QLabel* label : fenster.findChildren<QLabel*>())
        angezeigt |= label->text() == "250 Wörter/min";
    EXPECT_TRUE(angezeigt);

    // Without an audio device the sample goes unheard; the window says why.
    sprecher.stumm = "Kein Audiogerät gefunden: die Ansagen bleiben still.";
    for (QPushButton* knopf : fenster.findChildren<QPushButton*>())
        if (knopf->text() == "Probe")
            QTest::mouseClick(knopf, Qt::LeftButton);
    EXPECT_EQ(sprecher.gesagt, QStringList{"vier Komma zwei eins"});
    EXPECT_EQ(sprecher.weise.tempo, 250);
    bool gesagt = false;
    for (QLabel* label : fenster.findChildren<QLabel*>())
        gesagt |= label->isVisible() && label->text() == sprecher.stumm;
    EXPECT_TRUE(gesagt);
}
