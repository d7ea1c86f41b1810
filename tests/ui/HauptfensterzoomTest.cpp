// The main window at a zoom: at 100 % the window as it was before it could zoom, pixel for
// pixel; larger, all of it in proportion, in the middle of a race; the options with it.
#include "Hauptfensterzoom.h"

#include "../settings/Einstellungsbahn.h"
#include "DialogFenster.h"
#include "OhneZuschauer.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QStyle>
#include <gtest/gtest.h>

namespace {
// As the program wires it, two laps into a race: names, times, lap tables, green lamps.
struct Zoombahn : Einstellungsbahn {
    Fahrernamen fahrer{rennen, speicher, dialoge};
    OhneZuschauer zuschauer;
    Zoomstufe stufe{speicher};
    Hauptfensterzoom zoom{stufe};
    Tastatur tastatur{rennen, start, dialoge, fahrer, zuschauer, zoom};
    QtDialoge fensterdialoge;
    Hauptfenster fenster{rennen, start, tastatur, fahrer, fensterdialoge};

    Zoombahn() {
        zoom.fensterSetzen(fenster);
        speicher.werte["fahrer1"] = "Anna";
        speicher.werte["fahrer2"] = "Jürgen";
        starteProgramm();
        starten();
        fahren(1, 0.3, {4.213, 4.087});
        fahren(2, 0.4, {4.6});
        fenster.darstellen();
        fenster.show();
    }
};

// Where a visible control lies in the window, how large it writes and draws.
struct Anblick {
    QRect lage;
    double punkt;
    QSize bild;
};

std::vector<Anblick> anblick(const QWidget& fenster) {
    std::vector<Anblick> alle;
    for (const QWidget* w : fenster.findChildren<QWidget*>()) {
        const auto* label = qobject_cast<const QLabel*>(w);
        if (w->isVisibleTo(&fenster))
            alle.push_back({QRect(w->mapTo(&fenster, QPoint()), w->size()), w->font().pointSizeF(),
                            label ? label->pixmap().size() : QSize(0, 0)});
    }
    return alle;
}
} // namespace

// The picture was taken of the window before it could zoom; one that differs is saved
// beside the test for a look.
TEST(Hauptfensterzoom, Bei100ProzentPixelgenauWieVorDemZoom) {
    Zoombahn b;
    const QImage vorher =
        QImage(QStringLiteral(HAUPTFENSTER_100)).convertToFormat(QImage::Format_RGB32);
    for (const int prozent : {100, 200, 100}) {
        b.fenster.massstabSetzen(Massstab(prozent));
        const QImage jetzt = b.fenster.grab().toImage().convertToFormat(QImage::Format_RGB32);
        if (prozent == 100 && !(jetzt == vorher) &&
            jetzt.save(QStringLiteral("hauptfenster-100.png")))
            ADD_FAILURE() << "differs from the window before, see hauptfenster-100.png";
    }
}

// At 200 % and 300 % every control lies where the designed one lies, as much larger, in
// whole pixels; it writes in a font as much larger and draws its picture as much larger.
TEST(Hauptfensterzoom, VergroessertBleibtAllesImVerhaeltnis) {
    Zoombahn b;
    const std::vector<Anblick> vorher = anblick(b.fenster);
    for (const int prozent : {200, 300}) {
        b.fenster.massstabSetzen(Massstab(prozent));
        const double f = prozent / 100.0;
        const std::vector<Anblick> jetzt = anblick(b.fenster);
        ASSERT_EQ(jetzt.size(), vorher.size());
        for (std::size_t i = 0; i < jetzt.size(); ++i) {
            const Anblick &v = vorher[i], &j = jetzt[i];
            EXPECT_LE((j.lage.topLeft() - v.lage.topLeft() * f).manhattanLength(), 2 * (f + 1));
            EXPECT_LE((j.lage.bottomRight() - v.lage.bottomRight() * f).manhattanLength(),
                      2 * (f + 1));
            EXPECT_NEAR(j.punkt, v.punkt * f, 0.5 * f) << i;
            EXPECT_EQ(j.bild, v.bild * f) << i;
        }
    }
}

// The options at 200 %: twice the size, and so are their check boxes.
TEST(Hauptfensterzoom, DieOptionenWachsenMit) {
    Zoombahn b;
    DialogLogik logik = b.dialogOeffnen();
    DialogFenster optionen(logik, nullptr, Massstab(200));
    const auto* box = optionen.findChild<QCheckBox*>();
    EXPECT_EQ(optionen.size(), QSize(1034, 1046));
    EXPECT_EQ(box->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box),
              2 * QApplication::style()->pixelMetric(QStyle::PM_IndicatorWidth));
}
