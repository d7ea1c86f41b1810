#include "Labelknopf.h"

#include "QtFarbe.h"
#include "Texteinpassung.h"

#include <QMouseEvent>

Labelknopf::Labelknopf(QWidget* eltern, const QFont& schrift, bool alsKnopf, double mindestpunkt)
    : QLabel(eltern), m_alsKnopf(alsKnopf), m_grundschrift(schrift), m_mindestpunkt(mindestpunkt) {
    setFont(schrift);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignCenter);
    setFocusPolicy(Qt::NoFocus);
    if (alsKnopf)
        setCursor(Qt::PointingHandCursor);
}

void Labelknopf::darstellen(const Stand& stand) {
    if (m_text != stand.text) {
        m_text = stand.text;
        einpassen(this, m_text, m_grundschrift, m_tipp, m_mindestpunkt);
    }
    if (m_farbe != stand.farbe) {
        m_farbe = stand.farbe;
        QPalette palette = this->palette();
        palette.setColor(QPalette::Active, QPalette::WindowText, qtFarbe(stand.farbe));
        palette.setColor(QPalette::Inactive, QPalette::WindowText, qtFarbe(stand.farbe));
        palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x70, 0x70, 0x78));
        setPalette(palette);
    }
    setEnabled(stand.enabled);
    if (m_alsKnopf)
        setCursor(stand.enabled ? Qt::PointingHandCursor : Qt::ArrowCursor);
    setVisible(stand.visible);
}

void Labelknopf::tippSetzen(const QString& tipp) {
    m_tipp = tipp;
    einpassen(this, m_text, m_grundschrift, m_tipp, m_mindestpunkt);
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
