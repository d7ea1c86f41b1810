// The big screen with four and eight lanes of a race driven through the model: every lane
// on a line of its own, in lane order, with its position, whole or fitted from 640 × 360 to
// full HD, and two cards again once the track has two lanes.
#include "VieleSpurenBahn.h"
#include "Zuschauerfenster.h"

#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

namespace {
const QString Langname = QStringLiteral("Maximilian-Alexander Hohenberg"); // 30 characters

// Half of a ten-lap race: lane n laps in 2 + n / 10 seconds, lane 1 under a long name.
void halbesRennen(VieleSpurenBahn<>& b, int spurenzahl) {
    b.runden(10);
    b.rennen.fahrerBenennen(1, Langname);
    b.farbenSetzen();
    std::vector<double> zeiten;
    for (int spur = 1; spur <= spurenzahl; ++spur)
        zeiten.push_back(2 + spur / 10.0 + (spur == 4 ? -0.35 : 0));
    b.laeufe(zeiten, 5);
}

// The labels shown whose text does not fit their room, or that lie outside the window.
QStringList ueberstehend(const QWidget& fenster) {
    QStringList texte;
    for (const QLabel* l : fenster.findChildren<QLabel*>()) {
        if (!l->isVisible() || l->text().isEmpty())
            continue;
        const QRect platz = l->contentsRect();
        const QRect noetig = l->fontMetrics().boundingRect(l->text());
        if (noetig.width() > platz.width() || l->fontMetrics().height() > platz.height() + 2 ||
            !fenster.rect().contains(QRect(l->mapTo(&fenster, QPoint()), l->size())))
            texte << l->text();
    }
    return texte;
}
} // namespace

TEST(VieleSpurenFenster, JedeSpurAufEinerZeileGanzVon640x360BisFullHd) {
    for (const int spurenzahl : {4, 8}) {
        VieleSpurenBahn<> b(spurenzahl);
        halbesRennen(b, spurenzahl);
        Zuschauerfenster fenster(nullptr);
        fenster.darstellen(b.ansicht());
        for (const QSize groesse : {QSize(640, 360), QSize(1920, 1080)}) {
            fenster.resize(groesse);
            fenster.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenster));
            QApplication::processEvents();
            EXPECT_EQ(fenster.size(), groesse) << "the layout asks for no more room";
            EXPECT_EQ(ueberstehend(fenster).join(QStringLiteral(" | ")).toStdString(), "")
                << spurenzahl << " at " << groesse.width();

            const QWidget* tafel = fenster.findChild<QWidget*>(QStringLiteral("spurtafel"));
            ASSERT_NE(tafel, nullptr);
            int oben = -1;
            for (int spur = 1; spur <= spurenzahl; ++spur) {
                const QLabel* name =
                    tafel->findChild<QLabel*>(QStringLiteral("s%1-name").arg(spur));
                ASSERT_TRUE(name && name->isVisible()) << spur;
                const int y = name->mapTo(&fenster, QPoint()).y();
                EXPECT_GT(y, oben) << "lane " << spur << " below lane " << spur - 1;
                oben = y;
                EXPECT_TRUE(name->text() == b.zs(spur).name ||
                            (name->text().endsWith(QChar(0x2026)) &&
                             b.zs(spur).name.startsWith(name->text().chopped(1))))
                    << name->text().toStdString();
            }
            EXPECT_EQ(tafel->findChild<QLabel*>(QStringLiteral("s1-name"))->text(), Langname)
                << "thirty characters fit whole on full HD";

            // Each position once, on the lane the standings give it.
            QStringList gezeigt;
            for (const QLabel* l : fenster.findChildren<QLabel*>())
                if (l->isVisible() && l->property("rolle") == QStringLiteral("position"))
                    gezeigt << l->text();
            gezeigt.sort();
            QStringList erwartet = b.spalte(&Zuschauerspur::position);
            erwartet.sort();
            EXPECT_EQ(gezeigt, erwartet);
            EXPECT_EQ(erwartet.count(QStringLiteral("P1")), 1);
        }
        fenster.grab().save(QStringLiteral("zuschauer-%1.png").arg(spurenzahl));

        b.rennen.startGedrueckt(); // Stop
        b.einstellen([](Renneinstellungen& e) { e.spuranzahl = 2; });
        fenster.darstellen(b.ansicht());
        QApplication::processEvents();
        EXPECT_EQ(fenster.findChild<QWidget*>(QStringLiteral("spurtafel")), nullptr);
        EXPECT_TRUE(fenster.findChild<QLabel*>(QStringLiteral("s2-name"))->isVisible());
        EXPECT_EQ(fenster.findChild<QLabel*>(QStringLiteral("s3-name")), nullptr);
    }
}
