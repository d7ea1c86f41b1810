#include "Statusleistenanzeige.h"

#include "Twips.h"

#include <QLabel>
#include <QMouseEvent>

namespace {
// Panel widths in twips, left to right.
constexpr int Breiten[] = {1540, 1000, 1600, 1640, 4000, 1440};
} // namespace

Statusleistenanzeige::Statusleistenanzeige(const Statusleiste& leiste, QWidget* eltern)
    : QWidget(eltern) {
    setAutoFillBackground(true);
    int links = 0;
    for (std::size_t i = 0; i < leiste.alle().size(); ++i) {
        auto* feld = new QLabel(this);
        feld->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        feld->setIndent(3);
        feld->setToolTip(leiste.alle()[i].ToolTipText);
        feld->setAttribute(Qt::WA_TransparentForMouseEvents);
        const int breite = i < std::size(Breiten) ? Breiten[i] : 1000;
        platzieren(feld, links, 30, breite - 30, 330);
        links += breite;
        m_felder.push_back(feld);
    }
    darstellen(leiste);
}

void Statusleistenanzeige::darstellen(const Statusleiste& leiste) {
    for (std::size_t i = 0; i < m_felder.size(); ++i)
        if (m_felder[i]->text() != leiste.alle()[i].Text)
            m_felder[i]->setText(leiste.alle()[i].Text);
}

void Statusleistenanzeige::mouseReleaseEvent(QMouseEvent* ereignis) {
    if (ereignis->button() == Qt::LeftButton)
        emit feldGeklickt();
}
