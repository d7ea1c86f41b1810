// The background must carry the main window's labels: wherever a label writes, the panel
// beneath it must leave its text readable, and the lamps need their dark strip.
#include "Rendern.h"

#include <QRectF>
#include <cmath>
#include <gtest/gtest.h>

namespace {

// The window's layout is fixed in twips, 15 to the pixel.
QRectF twips(double links, double oben, double breite, double hoehe) {
    return {links / 15, oben / 15, breite / 15, hoehe / 15};
}

// The part of a centred label its text needs, when that is much smaller than the label.
QRectF mitte(const QRectF& feld, double breite, double hoehe) {
    return {feld.center().x() - breite / 2, feld.center().y() - hoehe / 2, breite, hoehe};
}

double leuchtdichte(QColor c) {
    const auto linear = [](double kanal) {
        return kanal <= 0.04045 ? kanal / 12.92 : std::pow((kanal + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

// Lowest contrast ratio between the text colour and any background pixel of the area.
double kleinsterKontrast(const QImage& grund, const QRectF& flaeche, QColor schrift) {
    const double s = leuchtdichte(schrift);
    double kleinster = 21;
    const QRect pixel = flaeche.toAlignedRect();
    for (int y = pixel.top(); y <= pixel.bottom(); ++y)
        for (int x = pixel.left(); x <= pixel.right(); ++x) {
            const double g = leuchtdichte(QColor::fromRgb(grund.pixel(x, y)));
            kleinster = std::min(kleinster, (std::max(s, g) + 0.05) / (std::min(s, g) + 0.05));
        }
    return kleinster;
}

const QColor hellgrau(0xC0, 0xC0, 0xC0);
const QColor blassgelb(0xFF, 0xFF, 0xC0);

} // namespace

TEST(Hintergrund, JedeBeschriftungBleibtAufIhrerTafelLesbar) {
    const GerendertesBild hintergrund = rendern(QStringLiteral(":/bilder/hintergrund.svg"));
    ASSERT_TRUE(hintergrund.gueltig);

    struct Beschriftung {
        const char* name;
        QRectF flaeche;
        QColor farbe;
    };
    const QRectF laRunde1 = twips(1080, 5600, 1815, 975);
    const QRectF laRunde2 = twips(8280, 5600, 1815, 975);
    const Beschriftung beschriftungen[] = {
        {"LaFahrer(1)", twips(420, 300, 3375, 615), hellgrau},
        {"LaFahrer(2)", twips(7560, 315, 3375, 615), hellgrau},
        {"LaZeit(1)", twips(240, 4500, 3495, 570), hellgrau},
        {"LaZeit(2)", twips(7440, 4500, 3615, 570), hellgrau},
        {"LaBestZeit(1)", twips(240, 4500, 3495, 570), blassgelb},
        {"LaBestZeit(2)", twips(7500, 4500, 3495, 570), blassgelb},
        {"LaHof", twips(4440, 2250, 2415, 375), hellgrau},
        {"LaEinstellungen", twips(4440, 3000, 2415, 375), hellgrau},
        {"LaStart", twips(4440, 3780, 2415, 375), hellgrau},
        {"LaCrash", twips(4020, 5880, 3075, 375), QColor(0xFF, 0, 0)},
        // Two digits at 48 pt, a single one at 24 pt: the discs hold those, not the corners
        // of their labels.
        {"LaRunde(1)", mitte(laRunde1, 74, 48), hellgrau},
        {"LaRunde(2)", mitte(laRunde2, 74, 48), hellgrau},
        {"LaCountdown", mitte(twips(5040, 5000, 1095, 570), 22, 28), hellgrau},
    };
    // Large text: a contrast of 3 to 1 keeps it readable.
    for (const Beschriftung& b : beschriftungen)
        EXPECT_GE(kleinsterKontrast(hintergrund.bild, b.flaeche, b.farbe), 3.0) << b.name;
}

TEST(Hintergrund, HinterDenFuenfLampenLiegtEinDunklerStreifen) {
    const GerendertesBild hintergrund = rendern(QStringLiteral(":/bilder/hintergrund.svg"));
    ASSERT_TRUE(hintergrund.gueltig);
    for (const int links : {4020, 4680, 5340, 6000, 6660}) {
        const QRect lampe = twips(links, 6300, 480, 480).toAlignedRect();
        for (int y = lampe.top(); y <= lampe.bottom(); ++y)
            for (int x = lampe.left(); x <= lampe.right(); ++x)
                ASSERT_LT(leuchtdichte(QColor::fromRgb(hintergrund.bild.pixel(x, y))), 0.02)
                    << "lamp at " << links << " twips, pixel " << x << "," << y;
    }
}
