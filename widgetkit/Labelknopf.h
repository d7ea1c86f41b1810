// A label on the main window that may act as a button: it tells about presses, releases
// and clicks; while enabled it shows the hand cursor, disabled it is drawn dimmed and
// takes no clicks at all.
#pragma once

#include "HauptfensterAnsicht.h"

#include <QLabel>

class Labelknopf : public QLabel {
    Q_OBJECT
public:
    explicit Labelknopf(QWidget* eltern, bool alsKnopf = false);

    // Shows a label of the view state: caption, visibility, enabled flag, colour.
    void darstellen(const Bezeichnungsfeld& feld);

signals:
    void gedrueckt(Qt::MouseButton knopf);
    void losgelassen(Qt::KeyboardModifiers umschaltung);
    void geklickt();

protected:
    void mousePressEvent(QMouseEvent* ereignis) override;
    void mouseReleaseEvent(QMouseEvent* ereignis) override;

private:
    bool m_alsKnopf;
    Farbe m_farbe = 0xFFFFFFFF;
};
