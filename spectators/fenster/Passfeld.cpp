#include "Passfeld.h"

#include "QtFarbe.h"
#include "Texteinpassung.h"

Passfeld::Passfeld(QWidget* eltern, Qt::Alignment ausrichtung) : QLabel(eltern) {
    setTextFormat(Qt::PlainText); // a winner's name shows as typed, markup and all
    setAlignment(ausrichtung);
    setFocusPolicy(Qt::NoFocus);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

void Passfeld::textSetzen(const QString& text) {
    if (text == m_text)
        return;
    m_text = text;
    einpassen();
}

void Passfeld::grundschriftSetzen(const QFont& schrift) {
    if (schrift == m_grundschrift)
        return;
    m_grundschrift = schrift;
    updateGeometry();
    einpassen();
}

void Passfeld::farbeSetzen(Farbe farbe) {
    const QString blatt = QStringLiteral("color: %1;").arg(qtFarbe(farbe).name());
    if (blatt != m_farbe)
        setStyleSheet(m_farbe = blatt);
}

QSize Passfeld::minimumSizeHint() const {
    return {0, QFontMetrics(m_grundschrift).height()};
}

QSize Passfeld::sizeHint() const {
    return {QFontMetrics(m_grundschrift).horizontalAdvance(m_text), minimumSizeHint().height()};
}

void Passfeld::resizeEvent(QResizeEvent* ereignis) {
    QLabel::resizeEvent(ereignis);
    einpassen();
}

void Passfeld::einpassen() {
    ::einpassen(this, m_text, m_grundschrift, {}, m_grundschrift.pointSizeF() / 2);
}
