#include "Labelknopf.h"

#include "QtFarbe.h"

#include <QMouseEvent>

Labelknopf::Labelknopf(QWidget* eltern, bool alsKnopf) : QLabel(eltern), m_alsKnopf(alsKnopf) {
    setAlignment(Qt::AlignCenter);
    setFocusPolicy(Qt::NoFocus);
    if (alsKnopf)
        setCursor(Qt::PointingHandCursor);
}

void Labelknopf::darstellen(const Bezeichnungsfeld& feld) {
    if (text() != feld.Caption)
        setText(feld.Caption);
    if (m_farbe != feld.ForeColor) {
        m_farbe = feld.ForeColor;
        QPalette palette = this->palette();
        palette.setColor(QPalette::Active, QPalette::WindowText, qtFarbe(feld.ForeColor));
        palette.setColor(QPalette::Inactive, QPalette::WindowText, qtFarbe(feld.ForeColor));
        palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x70, 0x70, 0x78));
        setPalette(palette);
    }
    setEnabled(feld.Enabled);
    if (m_alsKnopf)
        setCursor(feld.Enabled ? Qt::PointingHandCursor : Qt::ArrowCursor);
    setVisible(feld.Visible);
}

void Labelknopf::mousePressEvent(QMouseEvent* ereignis) {
    emit gedrueckt(ereignis->button());
    ereignis->accept();
}

void Labelknopf::mouseReleaseEvent(QMouseEvent* ereignis) {
    emit losgelassen(ereignis->modifiers());
    if (ereignis->button() == Qt::LeftButton && rect().contains(ereignis->position().toPoint()))
        emit geklickt();
    ereignis->accept();
}
