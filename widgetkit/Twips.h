// The windows' fixed layouts are given in twips, 15 to a pixel at the designed size. A zoom
// scales them, with their fonts and pictures, by a percentage.
#pragma once

#include <QFont>
#include <QRect>
#include <QWidget>

class Massstab {
public:
    constexpr Massstab() = default;
    constexpr explicit Massstab(int prozent) : m_prozent(prozent) {}

    constexpr int prozent() const { return m_prozent; }
    constexpr bool entworfen() const { return m_prozent == 100; }
    // Twips as pixels, rounded to the nearest with halves down: at 100 % exactly the
    // designed layout.
    constexpr int pixel(int twips) const { return (twips * m_prozent + 700) / 1500; }
    // A size in pixels of the designed layout, at this zoom.
    constexpr int skaliert(int pixel) const { return (pixel * m_prozent + 50) / 100; }
    constexpr QSize skaliert(QSize groesse) const {
        return {skaliert(groesse.width()), skaliert(groesse.height())};
    }
    constexpr double punkt(double punkte) const { return punkte * m_prozent / 100; }
    QFont schrift(QFont grund) const {
        if (!entworfen())
            grund.setPointSizeF(punkt(grund.pointSizeF()));
        return grund;
    }

    constexpr bool operator==(const Massstab&) const = default;

private:
    int m_prozent = 100;
};

constexpr int twips(int wert) {
    return Massstab().pixel(wert);
}

inline void platzieren(QWidget* widget, int links, int oben, int breite, int hoehe,
                       Massstab massstab = {}) {
    widget->setGeometry(massstab.pixel(links), massstab.pixel(oben), massstab.pixel(breite),
                        massstab.pixel(hoehe));
}
