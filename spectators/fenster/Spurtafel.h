// The big screen's board for three to eight lanes: a line per lane, lane 1 on top, with
// position, name, note, laps, laps to go, last and best lap and gap in columns as wide on
// every line, under one line of captions.
#pragma once

#include "Spurfelder.h"

#include <QWidget>

class QGridLayout;

class Spurtafel : public QWidget {
public:
    Spurtafel(QWidget* eltern, int spurenzahl);

    int spurenzahl() const { return m_spuren.anzahl(); }
    void darstellen(const Spuren<Zuschauerspur>& spuren);
    // Type of names, figures and captions, and the room around a line's text, in pixels.
    void schriftSetzen(const QFont& name, const QFont& wert, const QFont& beschriftung, int rand);

private:
    QGridLayout* m_gitter;
    Spuren<Spurfelder> m_spuren;
};
