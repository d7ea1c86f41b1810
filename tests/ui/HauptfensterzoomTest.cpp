// The main window at a zoom: at 100 % the window as it was designed, pixel for pixel;
// larger, all of it in proportion, in the middle of a race; and the windows it opens grow
// with it.
#include "Hauptfensterzoom.h"

#include "../settings/Einstellungsbahn.h"
#include "DialogFenster.h"
#include "F2SpurRennen.h"
#include "OhneZuschauer.h"
#include "QtDialoge.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QStyle>
#include <QTimer>
#include <cmath>
#include <gtest/gtest.h>

namespace {
// As the program wires it: the keys reach the zoom, which draws the window.
struct Zoombahn : Einstellungsbahn {
    Fahrernamen fahrer{rennen, speicher, dialoge, [] { return std::optional<int>(); }};
    OhneZuschauer zuschauer;
    Zoomstufe stufe{speicher};
    Hauptfensterzoom zoom{stufe, fenster};
    Tastatur tastatur{rennen, start, rekorde, dialoge, fahrer, zuschauer, zoom};
    Hauptfenster fenster{rennen, start, tastatur, fahrer};

    // Two laps into a race: names, times, lap tables, green lamps, the top speed.
    Zoombahn() {
        speicher.werte["fahrer1"] = "Anna";
        speicher.werte["fahrer2"] = "Jürgen";
        starteProgramm();
        starten();
        fahren(1, 0.3, {4.213, 4.087});
        fahren(2, 0.4, {4.6});
        fenster.darstellen();
        fenster.show();
    }
    QImage bild() { return fenster.grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

int abweichendePixel(const QImage& a, const QImage& b) {
    int anzahl = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            anzahl += a.pixel(x, y) != b.pixel(x, y);
    return anzahl;
}

// The mean difference of the colour channels, 0 to 255.
double mittlereAbweichung(const QImage& a, const QImage& b) {
    double summe = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            summe += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                     std::abs(qBlue(p) - qBlue(q));
        }
    return summe / (3.0 * a.width() * a.height());
}
} // namespace

// The picture was taken of the window before it could zoom. A window that differs is saved
// beside the test for a look.
TEST(Hauptfensterzoom, Bei100ProzentPixelgenauWieVorDemZoom) {
    Zoombahn b;
    const QImage vorher(QStringLiteral(HAUPTFENSTER_100));
    ASSERT_FALSE(vorher.isNull());
    const auto vergleichen = [&](const QImage& jetzt, const char* wann) {
        ASSERT_EQ(jetzt.size(), vorher.size()) << wann;
        const int anders = abweichendePixel(jetzt, vorher.convertToFormat(QImage::Format_RGB32));
        if (anders > 0)
            jetzt.save(QStringLiteral("hauptfenster-%1.png").arg(QLatin1String(wann)));
        EXPECT_EQ(anders, 0) << wann;
    };
    vergleichen(b.bild(), "geoeffnet");
    b.fenster.massstabSetzen(Massstab(200));
    EXPECT_EQ(b.fenster.size(), QSize(1500, 990));
    b.fenster.massstabSetzen(Massstab(100));
    vergleichen(b.bild(), "zurueck");
}

namespace {
// Where each visible control lies in the window, how large it writes and draws.
struct Anblick {
    QString art;
    QRect lage;
    double punkt;
    QSize bild;
};

std::vector<Anblick> anblick(const QWidget& fenster) {
    std::vector<Anblick> alle;
    for (const QWidget* w : fenster.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&fenster))
            continue;
        const auto* label = qobject_cast<const QLabel*>(w);
        alle.push_back({QString::fromLatin1(w->metaObject()->className()),
                        QRect(w->mapTo(&fenster, QPoint(0, 0)), w->size()), w->font().pointSizeF(),
                        label ? label->pixmap().size() : QSize(0, 0)});
    }
    return alle;
}
} // namespace

// At 200 % and 300 % every control lies where the designed one lies, as much larger, writes
// in a font as much larger and draws its picture as much larger; shrunk to the designed
// size the window looks like the designed one.
TEST(Hauptfensterzoom, VergroessertBleibtAllesImVerhaeltnis) {
    Zoombahn b;
    const QImage entworfen = b.bild();
    const std::vector<Anblick> vorher = anblick(b.fenster);
    for (const int prozent : {200, 300}) {
        b.fenster.massstabSetzen(Massstab(prozent));
        const double f = prozent / 100.0;
        const std::vector<Anblick> jetzt = anblick(b.fenster);
        ASSERT_EQ(jetzt.size(), vorher.size());
        for (std::size_t i = 0; i < jetzt.size(); ++i) {
            const Anblick &v = vorher[i], &j = jetzt[i];
            ASSERT_EQ(j.art, v.art);
            // Each edge is placed in whole pixels.
            for (const auto& [gross, klein] :
                 {std::pair{j.lage.left(), v.lage.left()}, std::pair{j.lage.top(), v.lage.top()},
                  std::pair{j.lage.right(), v.lage.right()},
                  std::pair{j.lage.bottom(), v.lage.bottom()}})
                EXPECT_NEAR(gross, klein * f, f + 1) << i << " " << j.art.toStdString();
            EXPECT_NEAR(j.punkt, v.punkt * f, 0.5 * f) << i << " " << j.art.toStdString();
            EXPECT_EQ(j.bild, v.bild * f) << i << " " << j.art.toStdString();
        }

        const QImage verkleinert =
            b.bild().scaled(entworfen.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        // 3.6 here; the designed window moved by two pixels differs by 7.3.
        EXPECT_LT(mittlereAbweichung(verkleinert, entworfen), 5.0) << prozent;
    }
}

TEST(Hauptfensterzoom, DieFensterDesHauptfenstersWachsenMit) {
    Zoombahn b;
    const Massstab doppelt(200);
    DialogLogik logik = b.dialogOeffnen();
    DialogFenster optionen(logik, nullptr, doppelt);
    EXPECT_EQ(optionen.size(), QSize(1034, 1046));
    for (QCheckBox* box : optionen.findChildren<QCheckBox*>()) {
        EXPECT_EQ(box->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box),
                  2 * QApplication::style()->pixelMetric(QStyle::PM_IndicatorWidth));
        if (box->text() == "Trainingsmodus") {
            EXPECT_EQ(box->font().pointSizeF(), 24);
        }
    }

    F2SpurRennenInhalt inhalt;
    F2SpurRennen ergebnis(inhalt, nullptr, doppelt);
    EXPECT_EQ(ergebnis.size(), QSize(1232, 682));

    // A message box takes the main window's zoom when it opens.
    QtDialoge dialoge;
    dialoge.zoomVon([] { return Massstab(200); });
    double punkt = 0;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        punkt = box->font().pointSizeF();
        box->accept();
    });
    dialoge.meldung("Gut gefahren", "Rundomat");
    EXPECT_EQ(punkt, 2 * QApplication::font("QMessageBox").pointSizeF());
}
