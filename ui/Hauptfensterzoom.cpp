#include "Hauptfensterzoom.h"

#include <QScreen>
#include <algorithm>

QSize Hauptfensterzoom::platz() const {
    const QScreen* bildschirm = m_fenster ? m_fenster->screen() : nullptr;
    if (!bildschirm)
        return Hauptfenster::entwurfsgroesse();
    const QSize rahmen = m_fenster->frameGeometry().size() - m_fenster->geometry().size();
    return bildschirm->availableGeometry().size() - rahmen;
}

void Hauptfensterzoom::zeigen() {
    if (!m_fenster)
        return;
    m_fenster->massstabSetzen(massstab());
    const QScreen* bildschirm = m_fenster->screen();
    if (!bildschirm || !m_fenster->isVisible())
        return;
    // Grown to the right or down beyond the screen: moved back onto it, title bar first.
    const QRect frei = bildschirm->availableGeometry();
    const QRect aussen = m_fenster->frameGeometry();
    const int x = std::max(frei.left(), std::min(aussen.left(), frei.right() + 1 - aussen.width()));
    const int y = std::max(frei.top(), std::min(aussen.top(), frei.bottom() + 1 - aussen.height()));
    if (QPoint(x, y) != aussen.topLeft())
        m_fenster->move(x, y);
}

void Hauptfensterzoom::einpassen() {
    m_stufe.einpassen(Hauptfenster::entwurfsgroesse(), platz());
    zeigen();
}

void Hauptfensterzoom::groesser() {
    if (m_stufe.groesser(Hauptfenster::entwurfsgroesse(), platz()))
        zeigen();
}

void Hauptfensterzoom::kleiner() {
    if (m_stufe.kleiner(Hauptfenster::entwurfsgroesse(), platz()))
        zeigen();
}

void Hauptfensterzoom::zuruecksetzen() {
    if (m_stufe.zuruecksetzen())
        zeigen();
}
