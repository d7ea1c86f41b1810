#include "F2SpurRennen.h"

#include "QtAusgabe.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {
F2SpurRennenInhalt unentschieden() {
    F2SpurRennenInhalt inhalt;
    inhalt.LaUeberschrift = "Unentschieden";
    inhalt.LaNameSieger = "Anna";
    inhalt.LaNameVerlierer = "<b>Bernd</b>";
    inhalt.LaZeitSieger = {"10,000", "11,000", "21,000"};
    inhalt.LaGeschwSieger = {"5,000", "4,545", "4,762"};
    inhalt.LaZeitVerlierer = {"11,000", "10,000", "21,000"};
    inhalt.LaGeschwVerlierer = {"4,545", "5,000", "4,762"};
    inhalt.ImVerlierer = F2SpurRennenInhalt::Bild::Pokal;
    return inhalt;
}

QWidget* teil(QWidget& fenster, const char* name) {
    QWidget* w = fenster.findChild<QWidget*>(name);
    if (!w)
        ADD_FAILURE() << "kein " << name;
    return w;
}

QString text(QWidget& fenster, const char* name) {
    auto* label = qobject_cast<QLabel*>(teil(fenster, name));
    return label ? label->text() : QString();
}

// Where a control stands, in twips, as the layout gives it.
QRect lage(QWidget& fenster, const char* name) {
    const QRect r = teil(fenster, name)->geometry();
    return {r.x() * 15, r.y() * 15, r.width() * 15, r.height() * 15};
}

QColor textfarbe(QWidget& fenster, const char* name) {
    return teil(fenster, name)->palette().color(QPalette::WindowText);
}

struct OffenesFenster {
    OffenesFenster() : fenster(unentschieden()) {
        fenster.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&fenster));
    }
    void klick(QWidget* ziel, QPoint stelle) {
        QTest::mouseClick(ziel, Qt::LeftButton, {}, stelle);
        QCoreApplication::processEvents();
    }
    bool offen() const { return fenster.isVisible(); }
    F2SpurRennen fenster;
};
} // namespace

TEST(F2SpurRennen, ZeigtDenInhaltAnSeinenPlaetzen) {
    OffenesFenster o;
    F2SpurRennen& f = o.fenster;
    EXPECT_EQ(f.windowTitle(), "Ergebnis Spurwechselmodus");
    EXPECT_EQ(text(f, "LaUeberschrift"), "Unentschieden");
    EXPECT_EQ(text(f, "LaNameSieger"), "Anna");
    EXPECT_EQ(qobject_cast<QLabel*>(teil(f, "LaNameVerlierer"))->textFormat(), Qt::PlainText);
    EXPECT_EQ(text(f, "LaZeitSieger(2)"), "11,000");
    EXPECT_EQ(text(f, "LaGeschwVerlierer(1)"), "4,545");
    EXPECT_EQ(text(f, "LaRennen1(4)"), "Geschw.");
    EXPECT_EQ(text(f, "LaRennen1(2)"), "Endergebnis");
    EXPECT_EQ(lage(f, "LaZeitVerlierer(1)"), QRect(5340, 2700, 1455, 315));
    EXPECT_EQ(lage(f, "LaGeschwSieger(3)"), QRect(3780, 3840, 1455, 315));

    // The overall row in red on dark blue, the rest light grey.
    EXPECT_EQ(f.palette().color(QPalette::Window), QColor(0, 0, 0x80));
    for (const char* rot : {"LaRennen1(2)", "LaZeitSieger(3)", "LaGeschwVerlierer(3)"})
        EXPECT_EQ(textfarbe(f, rot), QColor(255, 0, 0)) << rot;
    for (const char* grau : {"LaRennen1(1)", "LaZeitSieger(2)", "LaNameSieger"})
        EXPECT_EQ(textfarbe(f, grau), QColor(192, 192, 192)) << grau;

    // A draw puts the trophy on both sides.
    EXPECT_EQ(teil(f, "ImSieger")->accessibleName(), "Pokal");
    EXPECT_EQ(teil(f, "ImVerlierer")->accessibleName(), "Pokal");
}

TEST(F2SpurRennen, OkKnopfLiegtImFensterUndNimmtEnter) {
    OffenesFenster o;
    auto* ok = qobject_cast<QPushButton*>(teil(o.fenster, "buEnde"));
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), "OK");
    EXPECT_TRUE(o.fenster.rect().contains(ok->geometry()));
    EXPECT_TRUE(ok->hasFocus());
    QTest::keyClick(&o.fenster, Qt::Key_Return);
    EXPECT_FALSE(o.offen());
}

TEST(F2SpurRennen, KlickAufNamenZahlenOderWarnschildSchliesstNicht) {
    OffenesFenster o;
    for (const char* name :
         {"ImVerlierer", "LaNameSieger", "LaZeitSieger(1)", "LaRennen1(0)", "LaUeberschrift"}) {
        QWidget* w = teil(o.fenster, name);
        o.klick(w, w->rect().center());
        EXPECT_TRUE(o.offen()) << name;
    }
}

TEST(F2SpurRennen, KlickAufHintergrundPokalOderOkSchliesst) {
    const auto schliesst = [](auto klicken) {
        OffenesFenster o;
        klicken(o);
        return !o.offen() && o.fenster.result() == QDialog::Accepted;
    };
    EXPECT_TRUE(schliesst([](OffenesFenster& o) { o.klick(&o.fenster, QPoint(5, 5)); }));
    EXPECT_TRUE(schliesst([](OffenesFenster& o) {
        QWidget* pokal = teil(o.fenster, "ImSieger");
        o.klick(pokal, pokal->rect().bottomRight() - QPoint(2, 2));
    }));
    EXPECT_TRUE(schliesst([](OffenesFenster& o) {
        QWidget* ok = teil(o.fenster, "buEnde");
        o.klick(ok, ok->rect().center());
    }));
    EXPECT_TRUE(schliesst([](OffenesFenster& o) {
        teil(o.fenster, "buEnde")->setFocus();
        QTest::keyClick(teil(o.fenster, "buEnde"), Qt::Key_Space);
    }));
}

// Names of any length stay beside their pictures: shrunk, then cut at the end, never at
// the start; the whole name is the tooltip.
TEST(F2SpurRennen, LangeNamenStehenGanzNebenIhrenBildern) {
    F2SpurRennenInhalt inhalt = unentschieden();
    const QString lang = "Maximilian Hoffmann-Schwerdtfeg";
    const QString sehrLang = "<u>Tom</u><br>Jerry, der Schnellste vom ganzen Bahnclub Nordwest";
    inhalt.LaUeberschrift = lang + " hat gewonnen!";
    inhalt.LaNameSieger = lang;
    inhalt.LaNameVerlierer = sehrLang;
    F2SpurRennen f(inhalt);
    f.show();

    for (const char* name : {"LaNameSieger", "LaNameVerlierer", "LaUeberschrift"}) {
        auto* label = qobject_cast<QLabel*>(teil(f, name));
        EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()),
                  label->contentsRect().width())
            << name;
        EXPECT_GE(label->font().pointSizeF(), 8) << name;
        for (const char* bild : {"ImSieger", "ImVerlierer"})
            EXPECT_FALSE(label->geometry().intersects(teil(f, bild)->geometry()))
                << name << " " << bild;
    }
    EXPECT_EQ(text(f, "LaNameSieger"), lang);
    EXPECT_EQ(text(f, "LaUeberschrift"), lang + " hat gewonnen!");
    const QString gekuerzt = text(f, "LaNameVerlierer");
    EXPECT_TRUE(gekuerzt.startsWith("<u>Tom</u><br>Jerry")) << gekuerzt.toStdString();
    EXPECT_TRUE(gekuerzt.endsWith(QChar(0x2026)));
    QTextDocument tipp;
    tipp.setHtml(teil(f, "LaNameVerlierer")->toolTip());
    EXPECT_EQ(tipp.toPlainText(), sehrLang);
}
