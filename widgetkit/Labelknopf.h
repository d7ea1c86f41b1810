// A label on the main window that may act as a button: it tells about presses, releases
// and clicks; while enabled it shows the hand cursor, disabled it is drawn dimmed and
// takes no clicks at all. Its text is plain text fitted into its place.
#pragma once

#include "Texteinpassung.h"

#include <QLabel>
#include <cstdint>

class Labelknopf : public QLabel {
    Q_OBJECT
public:
    // A text too wide shrinks down to `mindestpunkt` before it is cut.
    Labelknopf(QWidget* eltern, const QFont& schrift, bool alsKnopf = false,
               double mindestpunkt = LesbarePunkte);

    // What a label of a view state says about it; the colour as 0x00BBGGRR.
    struct Stand {
        QString text;
        std::uint32_t farbe;
        bool enabled;
        bool visible;
    };
    void darstellen(const Stand& stand);
    // The tooltip while the text shows whole.
    void tippSetzen(const QString& tipp);

signals:
    void gedrueckt(Qt::MouseButton knopf);
    void losgelassen(Qt::KeyboardModifiers umschaltung);
    void geklickt();

protected:
    void mousePressEvent(QMouseEvent* ereignis) override;
    void mouseReleaseEvent(QMouseEvent* ereignis) override;

private:
    bool m_alsKnopf;
    QFont m_grundschrift;
    double m_mindestpunkt;
    QString m_tipp;
    // The whole text, of which the label may show less.
    QString m_text;
    std::uint32_t m_farbe = 0xFFFFFFFF;
};
