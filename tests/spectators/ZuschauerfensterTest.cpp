#include "Zuschauerfenster.h"

#include <QFontInfo>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {
// Stands in for the main window: notes the keys it gets.
class Hauptfenster : public QWidget {
protected:
    void keyPressEvent(QKeyEvent* ereignis) override {
        if (ereignis->key() != Qt::Key_Shift)
            tasten << QKeySequence(ereignis->key() | ereignis->modifiers()).toString();
    }

public:
    QStringList tasten;
};

// How many of the widget's pixels show about this colour.
int pixelInFarbe(QWidget* w, const QColor& f) {
    const QImage bild = w->grab().toImage();
    int anzahl = 0;
    for (int i = 0; i < bild.width() * bild.height(); ++i) {
        const QColor p = bild.pixelColor(i % bild.width(), i / bild.width());
        anzahl += std::abs(p.red() - f.red()) + std::abs(p.green() - f.green()) +
                      std::abs(p.blue() - f.blue()) <
                  40;
    }
    return anzahl;
}

Zuschaueransicht vollerStand() {
    Zuschaueransicht a;
    a.titel = QStringLiteral("Spurwechsel, 2. Lauf – 120 Runden");
    const QString namen[] = {QStringLiteral("Maximilian"), QStringLiteral("Jürgen")};
    for (int spur = 1; spur <= 2; ++spur) {
        Zuschauerspur& s = a.spuren[spur];
        s.name = namen[spur - 1];
        s.farbe = spur == 1 ? 0x00FFFF : 0xFF00FF;
        s.gefahren = QStringLiteral("120 / 120");
        s.zuFahren = QStringLiteral("0");
        s.letzte = QStringLiteral("12,345 s");
        s.beste = QStringLiteral("11,111 s");
        s.besteNeu = spur == 1;
        s.vermerk = QStringLiteral("%1. Platz").arg(spur);
        s.lauf = QStringLiteral("Gesamt 2345,678 s");
        s.position = QStringLiteral("P%1").arg(spur);
    }
    a.spuren[1].abstand = QStringLiteral("führt");
    a.spuren[2].abstand = QStringLiteral("+12 Runden");
    a.countdown = QStringLiteral("5");
    a.rennuhr = QStringLiteral("83:12,4");
    a.crash = true;
    a.ergebnis = QStringLiteral("Gesamtsieger: Maximilian");
    return a;
}
} // namespace

TEST(Zuschauerfenster, ZeigtDenStandGanzVon640x360Bis4K) {
    for (const QSize groesse : {QSize(640, 360), QSize(3840, 2160)}) {
        Hauptfenster haupt;
        Zuschauerfenster fenster(&haupt);
        fenster.resize(groesse);
        fenster.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenster));
        fenster.darstellen(vollerStand());
        fenster.adresseZeigen(QStringLiteral("http://192.168.178.20:8080/"));
        QApplication::processEvents();
        EXPECT_EQ(fenster.size(), groesse) << "the layout asks for no more room";

        QStringList texte;
        for (const QLabel* l : fenster.findChildren<QLabel*>()) {
            if (!l->isVisible() || l->text().isEmpty())
                continue;
            texte << l->text();
            const QRect platz = l->contentsRect();
            const QRect noetig = l->fontMetrics().boundingRect(l->text());
            EXPECT_LE(noetig.width(), platz.width())
                << l->text().toStdString() << " at " << groesse.width();
            EXPECT_LE(l->fontMetrics().height(), platz.height() + 2)
                << l->text().toStdString() << " at " << groesse.width();
            EXPECT_TRUE(fenster.rect().contains(QRect(l->mapTo(&fenster, QPoint()), l->size())));
        }
        for (const char* text :
             {"Maximilian", "120 / 120", "12,345 s", "+12 Runden", "führt", "P1", "P2", "CRASH",
              "5", "83:12,4", "Gesamtsieger: Maximilian", "Live: http://192.168.178.20:8080/"})
            EXPECT_TRUE(texte.contains(QString::fromUtf8(text))) << text;
        fenster.grab().save(QStringLiteral("zuschauerfenster-%1x%2.png")
                                .arg(groesse.width())
                                .arg(groesse.height()));
    }
}

TEST(Zuschauerfenster, NimmtKeineTastaturUndGibtJedeTasteDemHauptfenster) {
    Hauptfenster haupt;
    Zuschauerfenster fenster(&haupt);
    EXPECT_TRUE(fenster.windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
    EXPECT_TRUE(fenster.testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_FALSE(fenster.testAttribute(Qt::WA_QuitOnClose)) << "the program ends with ansicht";
    fenster.show();
    QSignalSpy vollbild(&fenster, &Zuschauerfenster::vollbildGewuenscht);
    QTest::keyClick(&fenster, Qt::Key_Return);
    QTest::keyClick(&fenster, Qt::Key_Space);
    QTest::keyClick(&fenster, Qt::Key_Exclam, Qt::ShiftModifier);
    QTest::keyClick(&fenster, Qt::Key_Z, Qt::ShiftModifier);
    EXPECT_EQ(haupt.tasten, (QStringList{"Return", "Space", "Shift+!", "Shift+Z"}));
    QTest::keyClick(&fenster, Qt::Key_F11);
    QTest::mouseDClick(&fenster, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(vollbild.count(), 2);
    EXPECT_EQ(haupt.tasten.size(), 4) << "F11 stays with the window";
}

TEST(Zuschauerfenster, NamenBehaltenDieFahrerfarbeVomErstenBildUeberJedeGroesse) {
    Hauptfenster haupt;
    Zuschauerfenster fenster(&haupt);
    fenster.darstellen(vollerStand()); // as the program does: before the window shows
    fenster.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenster));
    QWidget* name1 = fenster.findChild<QWidget*>(QStringLiteral("s1-name"));
    QWidget* name2 = fenster.findChild<QWidget*>(QStringLiteral("s2-name"));
    ASSERT_TRUE(name1 && name2);
    const QColor gelb(255, 255, 0), pink(255, 0, 255);
    for (const QSize groesse : {QSize(960, 540), QSize(1920, 1080), QSize(700, 400)}) {
        fenster.resize(groesse);
        QApplication::processEvents();
        EXPECT_GT(pixelInFarbe(name1, gelb), 50) << groesse.width();
        EXPECT_GT(pixelInFarbe(name2, pink), 50) << groesse.width();
        EXPECT_EQ(pixelInFarbe(name1, pink), 0) << groesse.width();
    }
}

TEST(Zuschauerfenster, LangeNamenUndSiegerWerdenEingepasstUndVorneNieAbgeschnitten) {
    Hauptfenster haupt;
    Zuschauerfenster fenster(&haupt);
    fenster.resize(640, 360);
    fenster.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenster));
    Zuschaueransicht a = vollerStand();
    const QString lang = QStringLiteral("Maximilian-Alexander von Hohenberg-Südwestfalen");
    a.spuren[1].name = lang;
    a.ergebnis = QStringLiteral("Gesamtsieger: ") + lang + QLatin1Char(' ') + lang;
    fenster.darstellen(a);
    QApplication::processEvents();
    for (const char* name : {"s1-name", "ergebnis"}) {
        const QLabel* l = fenster.findChild<QLabel*>(QString::fromUtf8(name));
        ASSERT_NE(l, nullptr);
        EXPECT_LE(l->fontMetrics().horizontalAdvance(l->text()), l->contentsRect().width()) << name;
        EXPECT_TRUE(l->text().startsWith(QStringLiteral("Maxim")) ||
                    l->text().startsWith(QStringLiteral("Gesamtsieger: Maxim")))
            << l->text().toStdString();
        EXPECT_TRUE(l->text().endsWith(QChar(0x2026))) << l->text().toStdString();
    }

    const QLabel* ergebnis = fenster.findChild<QLabel*>(QStringLiteral("ergebnis"));
    const qsizetype klein = ergebnis->text().size();
    fenster.resize(1280, 360); // as tall, twice as wide: the same type, more room
    QApplication::processEvents();
    EXPECT_GT(ergebnis->text().size(), klein) << "fitted again to the new width";
}

// A race night's lines name two drivers each; long names give way, the words around them
// and the second driver's place or lane never do.
TEST(Zuschauerfenster, DieZeilenDesRennabendsKuerzenNurDieNamen) {
    Hauptfenster haupt;
    Zuschauerfenster fenster(&haupt);
    fenster.resize(640, 360);
    fenster.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenster));
    const QString lang = QStringLiteral("Maximilian-Alexander von Hohenberg-Südwestfalen");
    Zuschaueransicht a = vollerStand();
    a.abendstand = {{QStringLiteral("Rennabend: Begegnung 2 von 28")},
                    {QStringLiteral(" – ")},
                    {(lang + QLatin1Char(' ')).repeated(3), true},
                    {QStringLiteral(" Platz 2")},
                    {QStringLiteral(", ")},
                    {QStringLiteral("Jo"), true},
                    {QStringLiteral(" Platz 1")}};
    fenster.darstellen(a);
    QApplication::processEvents();
    const QLabel* stand = fenster.findChild<QLabel*>(QStringLiteral("abendstand"));
    ASSERT_NE(stand, nullptr);
    EXPECT_LE(stand->fontMetrics().horizontalAdvance(stand->text()), stand->contentsRect().width());
    EXPECT_TRUE(stand->text().startsWith(QStringLiteral("Rennabend: Begegnung 2 von 28 – Maxi")))
        << stand->text().toStdString();
    EXPECT_TRUE(stand->text().endsWith(QStringLiteral("… Platz 2, Jo Platz 1")))
        << stand->text().toStdString();

    a.abendtabelle = {{QStringLiteral("Jo"), {QStringLiteral("1"), QStringLiteral("Jo")}, false}};
    a.alsNaechstes = {{QStringLiteral("Als Nächstes: ")},
                      {lang, true},
                      {QStringLiteral(" (Spur 1) – ")},
                      {lang, true},
                      {QStringLiteral(" (Spur 2)")}};
    fenster.darstellen(a);
    QApplication::processEvents();
    const QLabel* naechste = fenster.findChild<QLabel*>(QStringLiteral("naechste"));
    ASSERT_NE(naechste, nullptr);
    const QString text = naechste->text();
    EXPECT_LE(naechste->fontMetrics().horizontalAdvance(text), naechste->contentsRect().width());
    EXPECT_TRUE(text.startsWith(QStringLiteral("Als Nächstes: Maxi")) &&
                text.contains(QStringLiteral("… (Spur 1) – Maxi")) &&
                text.endsWith(QStringLiteral("… (Spur 2)")))
        << text.toStdString();
    const qsizetype mitte = text.indexOf(QStringLiteral(" (Spur 1) – "));
    EXPECT_EQ(text.mid(14, mitte - 14), text.mid(mitte + 12, text.size() - mitte - 12 - 9))
        << "both names cut alike";
}

namespace {
// The share of the widget's pixels near the colour, from 0 to 1.
double anteilInFarbe(QWidget* w, const QColor& f) {
    return double(pixelInFarbe(w, f)) / (w->width() * w->height());
}
} // namespace

// Who drives next shows each name in its driver's colour, a dark one as a plate; a name is
// shown as typed, never taken for markup.
TEST(Zuschauerfenster, AlsNaechstesInDenFarbenDerFahrer) {
    Hauptfenster haupt;
    Zuschauerfenster fenster(&haupt);
    fenster.resize(960, 540);
    fenster.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenster));
    Zuschaueransicht a = vollerStand();
    a.alsNaechstes = {{QStringLiteral("Als Nächstes: Lauf 2 – ")},
                      {QStringLiteral("<b>Ida</b>"), true, 0x4040FF}, // red
                      {QStringLiteral(" (Spur 1), Spur 2 frei, ")},
                      {QStringLiteral("Max"), true, 0x602020}, // dark blue
                      {QStringLiteral(" (Spur 3)")}};
    fenster.darstellen(a);
    QApplication::processEvents();
    auto* naechste = fenster.findChild<QLabel*>(QStringLiteral("naechste"));
    ASSERT_NE(naechste, nullptr);
    EXPECT_EQ(naechste->textFormat(), Qt::RichText);
    EXPECT_TRUE(naechste->text().contains(QStringLiteral("&lt;b&gt;Ida&lt;/b&gt;")))
        << naechste->text().toStdString();
    EXPECT_TRUE(naechste->text().contains(QStringLiteral("background:#202060")))
        << naechste->text().toStdString();
    EXPECT_GT(anteilInFarbe(naechste, QColor(0xFF4040)), 0.001) << "Ida in her red";
    EXPECT_GT(anteilInFarbe(naechste, QColor(0x202060)), 0.01) << "Max on his blue plate";
}

// Sixteen drivers: the standings fill the room between who drives next and the bottom, and
// a name on a dark colour is written in white.
TEST(Zuschauerfenster, SechzehnFahrerFuellenDieTabelleAufIhrenFarbenLesbar) {
    Hauptfenster haupt;
    Zuschauerfenster fenster(&haupt);
    fenster.resize(960, 540);
    fenster.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenster));
    Zuschaueransicht a = vollerStand();
    a.ergebnis.clear();
    a.abendkopf = QStringList{"Platz", "Fahrer", "Punkte", "Siege", "Beste Runde"};
    for (int i = 1; i <= 16; ++i) {
        const QString name = i == 13 ? QStringLiteral("Marie") : QStringLiteral("Fahrer %1").arg(i);
        a.abendtabelle.push_back({name,
                                  {QString::number(i), name, "0", "0", "–"},
                                  false,
                                  i == 13 ? std::optional<Farbe>(0x808000) : 0x00D0FF});
    }
    a.alsNaechstes = {{QStringLiteral("Als Nächstes: ")}, {QStringLiteral("Anna"), true}};
    fenster.darstellen(a);
    QApplication::processEvents();

    const QWidget* tabelle = fenster.findChild<QWidget*>(QStringLiteral("abendtabelle"));
    ASSERT_NE(tabelle, nullptr);
    QLabel* marie = nullptr;
    QLabel* letzte = nullptr;
    for (QLabel* l : tabelle->findChildren<QLabel*>()) {
        if (l->text() == QStringLiteral("Marie"))
            marie = l;
        if (l->isVisible() && l->text() == QStringLiteral("16"))
            letzte = l;
    }
    ASSERT_TRUE(marie && letzte);
    const int unten = letzte->mapTo(tabelle, QPoint(0, letzte->height())).y();
    EXPECT_GT(unten, 0.85 * tabelle->height()) << "the rows use the height they have";
    EXPECT_LE(unten, tabelle->height()) << "and no more";
    EXPECT_GT(QFontInfo(letzte->font()).pixelSize(), 16) << "not the 11 px of old";

    EXPECT_GT(anteilInFarbe(marie, QColor(0, 128, 128)), 0.4) << "Marie's name on her teal";
    EXPECT_GT(pixelInFarbe(marie, Qt::white), 20) << "written in white";
    EXPECT_EQ(pixelInFarbe(marie, QColor(0x11, 0x11, 0x11)), 0) << "not in black";
}
