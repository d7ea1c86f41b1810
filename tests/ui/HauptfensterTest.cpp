#include "Hauptfenster.h"

#include "../settings/Einstellungsbahn.h"
#include "Bilddateien.h"
#include "Bilder.h"
#include "Labelknopf.h"
#include "Twips.h"

#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace {
struct Fensterbahn : Einstellungsbahn {
    Fahrernamen fahrer{rennen, speicher, dialoge, [] { return std::optional<int>(); }};
    Tastatur tastatur{rennen, start, rekorde, dialoge, fahrer};
    std::unique_ptr<Hauptfenster> fenster;

    // As in the program: the window exists before the start-up sizes the lap tables.
    Fensterbahn() {
        fenster = std::make_unique<Hauptfenster>(rennen, start, tastatur, fahrer);
        starteProgramm();
        fenster->darstellen();
        fenster->show();
    }
    Labelknopf* label(const QString& text) {
        for (Labelknopf* l : fenster->findChildren<Labelknopf*>())
            if (l->text() == text)
                return l;
        return nullptr;
    }
    QImage lampe(int nummer) {
        const int links[] = {4020, 4680, 5340, 6000, 6660};
        QWidget* w = fenster->childAt(twips(links[nummer - 1]) + 16, twips(6300) + 16);
        auto* l = qobject_cast<QLabel*>(w);
        return l ? l->pixmap().toImage() : QImage();
    }
    void taste(int key, Qt::KeyboardModifiers mod = Qt::NoModifier) {
        QTest::keyClick(fenster.get(), Qt::Key(key), mod);
    }
};

QImage erwartet(Lampensatz satz, Lampe lampe) {
    return bild(bilddatei(Lampenbild{satz, lampe}), QSize(32, 32)).toImage();
}
} // namespace

TEST(Hauptfenster, AmpelZeigtJedeLampeImGewaehltenBildsatz) {
    Fensterbahn b;
    for (const Lampensatz satz : {Lampensatz::Ampel, Lampensatz::Kreis}) {
        b.rennen.Ampelbilder = satz == Lampensatz::Ampel;
        for (int zustand = 0; zustand <= 8; ++zustand) {
            b.rennen.AmpelSetzen(zustand);
            b.fenster->darstellen();
            const Reihe<Lampe, 5> lampen = *ampelLampen(zustand);
            for (int i = 1; i <= 5; ++i)
                EXPECT_EQ(b.lampe(i), erwartet(satz, lampen[i])) << zustand << " lamp " << i;
        }
        b.rennen.AmpelSetzen(9);
        b.fenster->darstellen();
        EXPECT_EQ(b.lampe(1), erwartet(satz, Lampe::Gruen)) << "state 9 changes nothing";
    }
}

TEST(Hauptfenster, ZeigtDieStatusleisteUndDenTitelNachDemStart) {
    Fensterbahn b;
    EXPECT_EQ(b.fenster->windowTitle(), "Rundomat");
    EXPECT_EQ(b.fenster->size(), QSize(750, 495));
    QStringList texte;
    for (QLabel* l : b.fenster->findChildren<QLabel*>())
        if (l->frameStyle() == (QFrame::Panel | QFrame::Sunken))
            texte << l->text();
    EXPECT_EQ(texte, (QStringList{"© Rundomat", "Com Port:", "Kurslänge: 5 m", "Rundenzahl: 10",
                                  "Maximalgeschwindigkeit:", "Rennmodus"}));
}

TEST(Hauptfenster, ZuLangerStatustextEndetMitAuslassungUndStehtGanzImTipp) {
    Fensterbahn b;
    const QString pfad = "Com Port: /dev/serial/by-id/usb-Adapter_1234-if00-port0";
    b.rennen.fR.StatusBar1.Panels("port").Text = pfad;
    b.fenster->darstellen();
    for (QLabel* l : b.fenster->findChildren<QLabel*>()) {
        if (!l->text().startsWith("Com"))
            continue;
        EXPECT_TRUE(l->text().endsWith(QChar(0x2026))) << l->text().toStdString();
        EXPECT_EQ(l->toolTip(), pfad + "\nwelche serielle Schnittstelle");
    }
}

TEST(Hauptfenster, TastenWirkenWieDieTabelleSagt) {
    Fensterbahn b;
    b.taste(Qt::Key_Space);
    EXPECT_FALSE(b.rennen.CrashPause);
    b.taste(Qt::Key_Exclam, Qt::ShiftModifier); // Shift+1 on a German layout, while idle
    EXPECT_TRUE(b.dialoge.meldungen.empty());

    b.bei(-5);
    b.taste(Qt::Key_Return);
    EXPECT_EQ(b.label("Stop")->text(), "Stop");
    b.taste(Qt::Key_1, Qt::ShiftModifier | Qt::ControlModifier);
    b.taste(Qt::Key_1);
    b.taste(Qt::Key_1, Qt::KeypadModifier | Qt::ShiftModifier);
    EXPECT_TRUE(b.dialoge.meldungen.empty());
    b.taste(Qt::Key_QuoteDbl, Qt::ShiftModifier); // Shift+2, German layout
    ASSERT_EQ(b.dialoge.meldungen.size(), 1u);
    EXPECT_EQ(b.dialoge.meldungen[0].text, "Fehlstart von Fahrer 2");
    EXPECT_NE(b.label("Fehlstart"), nullptr);

    b.taste(Qt::Key_O, Qt::ShiftModifier);
    EXPECT_TRUE(b.dialoge.gezeigteFenster.empty()) << "after a false start: nothing";
    EXPECT_FALSE(b.label("Option")->isEnabled());
    QTest::mouseClick(b.label("Hall of Fame"), Qt::LeftButton);
    EXPECT_TRUE(b.dialoge.gezeigteFenster.empty()) << "a disabled label-button takes no click";

    b.taste(Qt::Key_Return); // the next start
    b.countdown(50);
    b.bei(1);
    b.taste(Qt::Key_At, Qt::ShiftModifier); // Shift+2, US layout
    b.bei(4);
    b.taste(Qt::Key_At, Qt::ShiftModifier);
    EXPECT_EQ(b.rennen.fR.FG[2].zelle(1, 1).text, "4,000");
    b.taste(Qt::Key_M, Qt::ShiftModifier);
    EXPECT_NE(b.rennen.MaxGeschw, 0) << "Shift+M only between races";
    b.taste(Qt::Key_Space);
    EXPECT_TRUE(b.label("CRASH")->isVisible());
    b.taste(Qt::Key_Space);
    b.taste(Qt::Key_Return); // stop
    b.taste(Qt::Key_M, Qt::ShiftModifier);
    EXPECT_EQ(b.rennen.MaxGeschw, 0);
    QTest::mouseClick(b.label("Option"), Qt::LeftButton);
    EXPECT_EQ(b.dialoge.gezeigteFenster, std::vector<Fenster>{Fenster::Dialog});
}

TEST(Hauptfenster, TabellenZeigenZeilenFettUndHintergrund) {
    Fensterbahn b;
    b.rennen.Rundenzahl = 1;
    b.rennen.TabelleDimensionieren();
    b.starten();
    b.fahren(1, 0.5, {3});
    b.fenster->darstellen();
    auto* tabelle = b.fenster->findChildren<QTableView*>().at(0);
    const QAbstractItemModel* m = tabelle->model();
    EXPECT_EQ(m->rowCount(), 11);
    EXPECT_EQ(m->headerData(1, Qt::Horizontal).toString(), "Zeit [sec]");
    EXPECT_EQ(m->index(0, 1).data().toString(), "3,500");
    EXPECT_EQ(m->index(1, 0).data().toString(), "->");
    EXPECT_TRUE(m->index(1, 1).data(Qt::FontRole).value<QFont>().bold());
    EXPECT_EQ(m->index(0, 2).data(Qt::BackgroundRole).value<QColor>(), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(tabelle->focusPolicy(), Qt::NoFocus);
}
