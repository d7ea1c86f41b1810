#include "Bilddateien.h"
#include "Bilder.h"
#include "Hauptfensterbahn.h"
#include "Labelknopf.h"
#include "OhneZuschauer.h"
#include "Texteinpassung.h"
#include "Twips.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {
struct Fensterbahn : Hauptfensterbahn {
    QImage lampe(int nummer) {
        const int links[] = {4020, 4680, 5340, 6000, 6660};
        QWidget* w = fenster->childAt(twips(links[nummer - 1]) + 16, twips(6300) + 16);
        auto* l = qobject_cast<QLabel*>(w);
        return l ? l->pixmap().toImage() : QImage();
    }
    void taste(int key, Qt::KeyboardModifiers mod = Qt::NoModifier) {
        QTest::keyClick(fenster.get(), Qt::Key(key), mod);
    }
    QList<QLabel*> statusfelder() const {
        QList<QLabel*> felder;
        for (QLabel* l : fenster->findChildren<QLabel*>())
            if (l->frameStyle() == (QFrame::Panel | QFrame::Sunken))
                felder << l;
        return felder;
    }
};

// What a tooltip in rich text reads as.
QString alsText(const QString& tipp) {
    QTextDocument dokument;
    dokument.setHtml(tipp);
    return dokument.toPlainText();
}

// The label's text, in the label's font, fits inside it.
void passtHinein(const QLabel* l) {
    const int rand = std::max(0, l->indent()) + 2 * l->margin();
    EXPECT_LE(QFontMetrics(l->font()).horizontalAdvance(l->text()),
              l->contentsRect().width() - rand)
        << l->text().toStdString();
}

QImage erwartet(Lampensatz satz, Lampe lampe) {
    return bild(bilddatei(Lampenbild{satz, lampe}), QSize(32, 32)).toImage();
}
} // namespace

TEST(Hauptfenster, AmpelZeigtJedeLampeImGewaehltenBildsatz) {
    Fensterbahn b;
    for (const Lampensatz satz : {Lampensatz::Ampel, Lampensatz::Kreis}) {
        b.einstellen([&](Renneinstellungen& e) { e.ampelbilder = satz == Lampensatz::Ampel; });
        for (int zustand = 0; zustand <= 8; ++zustand) {
            const auto ampel = static_cast<Ampel>(zustand);
            b.rennen.ampelSetzen(ampel);
            b.fenster->darstellen();
            const Reihe<Lampe, 5> lampen = ampelLampen(ampel);
            for (int i = 1; i <= 5; ++i)
                EXPECT_EQ(b.lampe(i), erwartet(satz, lampen[i])) << zustand << " lamp " << i;
        }
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

// The port panel shows the port whatever the font: it takes the width its text needs from
// the speed panel, a device path too long even then loses its middle, never its name, nor
// does it lose the name of the second port of lanes 5 to 8.
TEST(Hauptfenster, PortfeldZeigtDenPortUndKuerztPfadeInDerMitte) {
    Fensterbahn b;
    const auto zeigen = [&b](const QString& port) {
        if (port == "?")
            b.rennen.portFehlt();
        else
            b.rennen.portGeoeffnet(port);
        b.fenster->darstellen();
        const QList<QLabel*> felder = b.statusfelder();
        for (int i = 1; i < felder.size(); ++i)
            EXPECT_LE(felder[i - 1]->geometry().right(), felder[i]->geometry().left()) << i;
        EXPECT_LE(felder.back()->geometry().right(), b.fenster->width());
        passtHinein(felder[1]);
        return felder[1];
    };
    for (const QString port : {"1", "?", "/dev/ttyUSB0", "/dev/rfcomm0 geschlossen"})
        EXPECT_EQ(zeigen(port)->text(), "Com Port: " + port);

    const QString geraet = "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0";
    const QString pfad = "Com Port: " + geraet;
    QLabel* port = zeigen(geraet);
    EXPECT_TRUE(port->text().startsWith(QString("Com Port: /dev/") + QChar(0x2026) + "/usb-FTDI"))
        << port->text().toStdString();
    EXPECT_TRUE(port->text().endsWith("port0")) << port->text().toStdString();
    EXPECT_EQ(alsText(port->toolTip()), pfad + "\nwelche serielle Schnittstelle");

    b.rennen.zweiterPortGesetzt("/dev/ttyUSB1");
    port = zeigen(geraet);
    EXPECT_TRUE(port->text().startsWith(QString("Com Port: /dev/") + QChar(0x2026)))
        << port->text().toStdString();
    EXPECT_TRUE(port->text().contains("/us")) << port->text().toStdString();
    EXPECT_TRUE(port->text().endsWith("0 + /dev/ttyUSB1")) << port->text().toStdString();
    b.rennen.zweiterPortGesetzt("?");
    EXPECT_EQ(zeigen("/dev/ttyUSB0")->text(), "Com Port: /dev/ttyUSB0 + ?");
}

// Two long names in a race of a million laps: every name and number shows whole in its
// place, a name too long even for the smallest legible font ends in "…" and shows whole,
// as typed, in its tooltip.
TEST(Hauptfenster, LangeNamenUndEineMillionRundenPassenInIhreFelder) {
    Fensterbahn b;
    const QString name1 = "Maximilian Hoffmann-Schwerdtfeg"; // 31 characters
    const QString name2 = "Wolfgang-Amadeus Grünewald-Lemm";
    const QString markup = "<u>Tom</u><br>Jerry, der Schnellste vom ganzen Bahnclub Nordwest";
    b.rennen.fahrerBenennen(1, name1);
    b.rennen.fahrerBenennen(2, name2);
    b.runden(1'000'000);
    b.starten();
    b.fenster->darstellen();

    for (const QString& name : {name1, name2}) {
        Labelknopf* l = b.label(name);
        ASSERT_NE(l, nullptr) << name.toStdString();
        passtHinein(l);
        EXPECT_GE(l->font().pointSizeF(), LesbarePunkte);
    }
    Labelknopf* zaehler = b.label("1000000");
    ASSERT_NE(zaehler, nullptr);
    passtHinein(zaehler);
    EXPECT_EQ(b.statusfelder()[3]->text(), "Rundenzahl: 1000000");
    passtHinein(b.statusfelder()[3]);

    b.rennen.fahrerBenennen(2, markup);
    b.fenster->darstellen();
    QLabel* lang = b.fenster->findChildren<Labelknopf*>().at(1);
    passtHinein(lang);
    EXPECT_TRUE(lang->text().startsWith("<u>Tom</u><br>Jerry")) << lang->text().toStdString();
    EXPECT_TRUE(lang->text().endsWith(QChar(0x2026)));
    EXPECT_EQ(lang->textFormat(), Qt::PlainText);
    EXPECT_EQ(alsText(lang->toolTip()), markup);
}

// The header, ten laps and the summary row stand whole in the window's fixed size.
TEST(Hauptfenster, ZehnRundenUndSummeOhneBlaettern) {
    Fensterbahn b;
    b.runden(10);
    b.starten();
    b.fahren(1, 0.5, {3, 3, 3, 3, 3, 3, 3, 3, 3, 3});
    b.fenster->darstellen();
    for (QTableView* tabelle : b.fenster->findChildren<QTableView*>()) {
        const QRect sichtbar = tabelle->viewport()->rect();
        for (int zeile = 0; zeile < 11; ++zeile) {
            const QRect r = tabelle->visualRect(tabelle->model()->index(zeile, 0));
            EXPECT_TRUE(sichtbar.contains(r)) << zeile;
            EXPECT_GE(r.height(), tabelle->fontMetrics().height()) << zeile;
        }
        EXPECT_GE(tabelle->horizontalHeader()->height(), tabelle->fontMetrics().height());
        EXPECT_EQ(tabelle->verticalScrollBar()->maximum(), 0);
    }
}

// Holding a key repeats it; only the press acts. A held Enter neither starts nor stops,
// a held Shift+1 drives no laps.
TEST(Hauptfenster, GehalteneTasteWirktNurEinmal) {
    Fensterbahn b;
    const auto halten = [&b](int key, Qt::KeyboardModifiers mod, int wiederholungen) {
        for (int i = 0; i < wiederholungen; ++i) {
            QKeyEvent wiederholt(QEvent::KeyPress, key, mod, QString(), true);
            QApplication::sendEvent(b.fenster.get(), &wiederholt);
        }
    };
    halten(Qt::Key_Return, Qt::NoModifier, 3);
    EXPECT_EQ(b.ansicht().start.text, "Start");

    b.bei(-5);
    b.taste(Qt::Key_Return);
    halten(Qt::Key_Return, Qt::NoModifier, 3);
    EXPECT_EQ(b.ansicht().start.text, "Stop");
    b.countdown(50);
    b.bei(1);
    b.taste(Qt::Key_Exclam, Qt::ShiftModifier);
    halten(Qt::Key_Exclam, Qt::ShiftModifier, 20);
    b.bei(4);
    b.taste(Qt::Key_Exclam, Qt::ShiftModifier);
    halten(Qt::Key_Space, Qt::NoModifier, 1);
    EXPECT_FALSE(b.stand().crashPause);
    EXPECT_EQ(b.ansicht().rundentabellen[1].zelle(1, 1).text, "4,000")
        << "timed from the race start";
    EXPECT_TRUE(b.ansicht().rundentabellen[1].zelle(2, 1).text.isEmpty());
}

TEST(Hauptfenster, TastenWirkenWieDieTabelleSagt) {
    Fensterbahn b;
    b.taste(Qt::Key_Space);
    EXPECT_FALSE(b.stand().crashPause);
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
    EXPECT_EQ(b.ansicht().rundentabellen[2].zelle(1, 1).text, "4,000");
    b.taste(Qt::Key_M, Qt::ShiftModifier);
    EXPECT_NE(b.stand().maxGeschw, 0) << "Shift+M only between races";
    b.taste(Qt::Key_Space);
    EXPECT_TRUE(b.label("CRASH")->isVisible());
    b.taste(Qt::Key_Space);
    b.taste(Qt::Key_Return); // stop
    b.taste(Qt::Key_M, Qt::ShiftModifier);
    EXPECT_EQ(b.stand().maxGeschw, 0);
    QTest::mouseClick(b.label("Option"), Qt::LeftButton);
    EXPECT_EQ(b.dialoge.gezeigteFenster, std::vector<Fenster>{Fenster::Dialog});
}

TEST(Hauptfenster, TabellenZeigenZeilenFettUndHintergrund) {
    Fensterbahn b;
    b.runden(1);
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

// Nobody tells the window to draw: the race's changes, a timer's countdown and the laps,
// show as they happen.
TEST(Hauptfenster, FolgtDemRennenOhneZuruf) {
    Fensterbahn b;
    b.starten();
    EXPECT_NE(b.label("Stop"), nullptr);
    const Lampensatz satz =
        b.stand().einstellungen.ampelbilder ? Lampensatz::Ampel : Lampensatz::Kreis;
    EXPECT_EQ(b.lampe(5), erwartet(satz, ampelLampen(Ampel::Gruen)[5]));
    b.fahren(1, 0.5, {3});
    EXPECT_NE(b.label("3,500 sec"), nullptr); // lap 1 runs from the green light
    EXPECT_NE(b.label("9"), nullptr);
    b.rennen.fahrerBenennen(2, "Jürgen");
    EXPECT_NE(b.label("Jürgen"), nullptr);
}

// A window opened inside one of the race's events, before the race has told its change,
// opens over the race as it now stands: Start has become Stop.
TEST(Hauptfenster, ZeigtVorJedemFensterWasDazuFuehrte) {
    Fensterbahn b;
    struct Fensteroeffner : Rennbeobachter {
        QtDialoge& dialoge;
        explicit Fensteroeffner(QtDialoge& d) : dialoge(d) {}
        void rennenGestartet(const Rennen&) override { dialoge.fensterZeigen(Fenster::Info); }
    } oeffner{b.fensterdialoge};
    b.rennen.beobachterAnmelden(oeffner);
    QStringList knopfBeimOeffnen;
    QWidget* elternfenster = nullptr;
    b.fensterdialoge.fensterAnmelden(Fenster::Info, [&](QWidget* eltern) {
        elternfenster = eltern;
        for (const QString text : {"Start", "Stop"})
            if (b.label(text))
                knopfBeimOeffnen << text;
    });
    b.rennen.startGedrueckt();
    EXPECT_EQ(knopfBeimOeffnen, QStringList{"Stop"});
    EXPECT_EQ(elternfenster, b.fenster.get());
    b.rennen.beobachterAbmelden(oeffner);
}
