// The main window on a track of more than two lanes: eight lanes with long names readable
// and whole at the zoom a 1920x1080 screen takes, a row's click showing that lane's lap
// table, and the two-lane window back as it was when the track has two lanes again.
#include "Hauptfensterbahn.h"
#include "Spurentafel.h"
#include "Statusleistenanzeige.h"
#include "Texteinpassung.h"
#include "Zoomstufe.h"

#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
Labelknopf* gezeigt(const QWidget* in, const QString& text) {
    for (Labelknopf* l : in->findChildren<Labelknopf*>())
        if (l->text() == text)
            return l;
    return nullptr;
}

struct Mehrspurbahn : Hauptfensterbahn {
    void spuren(int anzahl) {
        einstellen([&](Renneinstellungen& e) { e.spuranzahl = anzahl; });
    }
    Spurentafel* tafel() const { return fenster->findChild<Spurentafel*>(); }
    // The cell of the lanes' table that shows this text.
    Labelknopf* zelle(const QString& text) const { return gezeigt(tafel(), text); }
};

// Everything the window shows as text, shown whole in its place, in a legible font. The status
// bar is the two-lane window's, whose panels give a long name in the top speed's its tooltip.
void allesLesbar(const QWidget& fenster, double mindestpunkt) {
    for (const QLabel* l : fenster.findChildren<QLabel*>()) {
        if (!l->isVisibleTo(&fenster) || l->text().isEmpty() ||
            qobject_cast<Statusleistenanzeige*>(l->parentWidget()))
            continue;
        const std::string text = l->text().toStdString();
        EXPECT_FALSE(l->text().contains(QChar(0x2026))) << text;
        EXPECT_LE(QFontMetrics(l->font()).horizontalAdvance(l->text()), l->contentsRect().width())
            << text;
        EXPECT_LE(QFontMetrics(l->font()).height(), l->contentsRect().height()) << text;
        EXPECT_GE(l->font().pointSizeF(), mindestpunkt) << text;
        const QRect lage(l->mapTo(&fenster, QPoint()), l->size());
        EXPECT_TRUE(fenster.rect().contains(lage)) << text;
    }
}

// No two controls of the window lie over each other, nor two cells of the lanes' table.
void nichtsUeberlappt(const QWidget& eltern) {
    QList<QWidget*> kinder;
    for (QWidget* w : eltern.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        // The background lies under everything.
        if (w->isVisibleTo(&eltern) && w->geometry() != QRect(QPoint(), w->size()))
            kinder << w;
    for (qsizetype i = 0; i < kinder.size(); ++i)
        for (qsizetype j = i + 1; j < kinder.size(); ++j)
            EXPECT_FALSE(kinder[i]->geometry().intersects(kinder[j]->geometry()))
                << kinder[i]->metaObject()->className() << " " << qobject_cast<QLabel*>(kinder[i])
                << " and " << kinder[j]->metaObject()->className();
}
} // namespace

// Eight drivers of thirty characters, a million laps to go, lapped cars and a false start's
// longest word: at the zoom the largest screen of the usual kind takes, every text whole.
TEST(Mehrspurfenster, AchtSpurenMitLangenNamenBei1920x1080Vollstaendig) {
    Mehrspurbahn b;
    b.spuren(8);
    b.runden(1'000'000);
    for (int spur = 1; spur <= 8; ++spur)
        b.rennen.fahrerBenennen(spur, QStringLiteral("Maximilian Hoffmann-Schwerdt %1").arg(spur));
    b.starten();
    for (int spur = 1; spur <= 8; ++spur)
        b.signal(spur, 0.1 * spur);
    for (int runde = 1; runde <= 12; ++runde)
        b.signal(1, 0.1 + runde * 1.123);
    b.signal(2, 5.555);
    b.signal(3, 5.9);
    b.rennen.crashUmschalten(); // its notice shows, clear of the light and the buttons
    const Massstab gross(Zoomstufe::Kleinste + 4 * Zoomstufe::Schritt);
    ASSERT_TRUE(QRect(0, 0, 1920, 1080 - 60)
                    .contains(QRect(QPoint(), gross.skaliert(Hauptfenster::entwurfsgroesse()))))
        << "the zoom a 1920x1080 screen takes, task bar and title bar aside";
    for (const Massstab m : {gross, Massstab()}) {
        b.fenster->massstabSetzen(m);
        ASSERT_NE(b.tafel(), nullptr);
        EXPECT_EQ(b.fenster->findChildren<QTableView*>().size(), 1);
        for (int spur = 1; spur <= 8; ++spur)
            EXPECT_NE(b.zelle(QStringLiteral("Maximilian Hoffmann-Schwerdt %1").arg(spur)), nullptr)
                << spur;
        EXPECT_NE(b.zelle("+10 Runden"), nullptr);
        EXPECT_NE(b.zelle("999988"), nullptr);
        ASSERT_NE(b.label("CRASH"), nullptr);
        EXPECT_TRUE(b.label("CRASH")->isVisible());
        allesLesbar(*b.fenster, m.punkt(LesbarePunkte));
        nichtsUeberlappt(*b.fenster);
        nichtsUeberlappt(*b.tafel());
    }
}

// A click on a lane's row shows its lap table, a click on its driver renames and the right
// button chooses the colour of its row; the option
// dialog that makes the track two lanes again brings back the two-lane window, pixel for
// pixel, though the click that opened it came through the window's own label.
TEST(Mehrspurfenster, ZeileZeigtIhreRundentabelleUndZurueckZuZweiSpuren) {
    Mehrspurbahn b;
    b.starten();
    b.fahren(1, 0.5, {3});
    b.fenster->darstellen();
    const QImage zweispurig = b.fenster->grab().toImage();
    b.rennen.startGedrueckt(); // stop

    b.spuren(5);
    b.starten();
    ASSERT_NE(b.tafel(), nullptr);
    QTableView* tabelle = b.fenster->findChild<QTableView*>();
    EXPECT_EQ(tabelle->accessibleName(), "Rundentabelle Spur 1");
    QTest::mouseClick(b.zelle("5"), Qt::LeftButton);
    tabelle = b.fenster->findChild<QTableView*>();
    EXPECT_EQ(tabelle->accessibleName(), "Rundentabelle Spur 5");
    EXPECT_NE(b.label("Runden von Spur 5: Fahrer 5"), nullptr);
    b.signal(5, 1);
    b.signal(5, 3.25);
    EXPECT_EQ(tabelle->model()->index(0, 1).data().toString(), "3,250");

    b.dialoge.eingabeAntworten.push_back("Anna");
    QTest::mouseClick(b.zelle("Fahrer 5"), Qt::LeftButton);
    EXPECT_EQ(b.stand().spuren[5].fahrer, "Anna");
    EXPECT_EQ(b.speicher.werte["fahrer5"], "Anna");
    EXPECT_NE(b.zelle("Anna"), nullptr);

    // The right button's menu, answered as soon as it is up: the whole row turns yellow.
    QTimer::singleShot(0, [] {
        auto* menue = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menue, nullptr);
        for (QAction* eintrag : menue->actions())
            if (eintrag->text() == "Gelb")
                menue->setActiveAction(eintrag);
        QTest::keyClick(menue, Qt::Key_Return);
    });
    QTest::mousePress(b.zelle("Anna"), Qt::RightButton);
    EXPECT_EQ(b.stand().spuren[5].farbe, 0x00FFFFu);
    EXPECT_EQ(b.speicher.werte["fahrerfarbe5"], "65535");
    for (const Labelknopf* l : b.tafel()->findChildren<Labelknopf*>())
        if (l->y() == b.zelle("Anna")->y()) {
            EXPECT_EQ(l->palette().color(QPalette::WindowText), QColor(Qt::yellow))
                << l->text().toStdString();
        }

    b.rennen.startGedrueckt(); // stop
    b.rennen.ampelSetzen(Ampel::Gruen);
    b.dialoge.beimNaechstenModal = [&b] { b.spuren(2); };
    Labelknopf* option = b.label("Option");
    ASSERT_NE(option, nullptr);
    QTest::mouseClick(option, Qt::LeftButton);
    EXPECT_EQ(b.tafel(), nullptr);
    EXPECT_EQ(b.fenster->findChildren<QTableView*>().size(), 2);
    b.starten();
    b.fahren(1, 0.5, {3});
    b.fenster->darstellen();
    EXPECT_EQ(b.fenster->grab().toImage(), zweispurig);
}

// A notice the window shows without waiting stays open while the window changes for another
// track and another zoom.
TEST(Mehrspurfenster, EinOffenerHinweisBleibt) {
    Mehrspurbahn b;
    b.fensterdialoge.hinweis("Die Box antwortet nicht.", "Hinweis");
    const auto offen = [&b] {
        for (const QMessageBox* box : b.fenster->findChildren<QMessageBox*>())
            if (box->isVisible() && box->text() == "Die Box antwortet nicht.")
                return true;
        return false;
    };
    ASSERT_TRUE(QTest::qWaitFor(offen)) << "the notice opens once its event has returned";
    b.spuren(6);
    b.fenster->massstabSetzen(Massstab(150));
    EXPECT_NE(b.tafel(), nullptr);
    EXPECT_TRUE(offen());
}
