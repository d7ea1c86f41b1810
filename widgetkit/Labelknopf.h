// A label on the main window that may act as a button: it tells about presses, releases
// and clicks; while enabled it shows the hand cursor, disabled it is drawn dimmed and
// takes no clicks at all.
#pragma once

#include <QLabel>
#include <cstdint>

class Labelknopf : public QLabel {
    Q_OBJECT
public:
    explicit Labelknopf(QWidget* eltern, bool alsKnopf = false);

    // What a label of a view state says about it; the colour as 0x00BBGGRR.
    struct Stand {
        QString text;
        std::uint32_t farbe;
        bool enabled;
        bool visible;
    };
    void darstellen(const Stand& stand);

signals:
    void gedrueckt(Qt::MouseButton knopf);
    void losgelassen(Qt::KeyboardModifiers umschaltung);
    void geklickt();

protected:
    void mousePressEvent(QMouseEvent* ereignis) override;
    void mouseReleaseEvent(QMouseEvent* ereignis) override;

private:
    bool m_alsKnopf;
    std::uint32_t m_farbe = 0xFFFFFFFF;
};
