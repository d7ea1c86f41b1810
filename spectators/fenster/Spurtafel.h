// The big screen's board for three to eight lanes: a line per lane, lane 1 on top, with
// position, name, note, laps, laps to go, last and best lap and gap in columns as wide on
// every line, under one line of captions and the light and clock over all.
#pragma once

#include "Spurfelder.h"

#include <QWidget>

class QGridLayout;

class Spurtafel : public QWidget {
public:
    // `mitte`, the light and the clock, is the board's while it lives.
    Spurtafel(QWidget* eltern, int spurenzahl, QWidget* mitte);

    int spurenzahl() const { return m_spuren.anzahl(); }
    void darstellen(const Spuren<Zuschauerspur>& spuren);
    // Type of names, figures and captions, and the room around a line's text, in pixels.
    void schriftSetzen(const QFont& name, const QFont& wert, const QFont& beschriftung, int rand);
    // How wide the widest texts of every figure's column are together in this type.
    static int musterbreite(const QFont& wert);

private:
    QGridLayout* m_gitter;
    Spuren<Spurfelder> m_spuren;
};
