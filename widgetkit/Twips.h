// The windows' fixed layouts are given in twips, 15 to a pixel.
#pragma once

#include <QRect>
#include <QWidget>

constexpr int twips(int wert) {
    return (wert + 7) / 15;
}

inline void platzieren(QWidget* widget, int links, int oben, int breite, int hoehe) {
    widget->setGeometry(twips(links), twips(oben), twips(breite), twips(hoehe));
}
