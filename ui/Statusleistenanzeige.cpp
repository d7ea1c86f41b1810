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
        feld->setAttribute(Qt::WA_TransparentForMouseEvents);
        const int breite = i < std::size(Breiten) ? Breiten[i] : 1000;
        platzieren(feld, links, 30, breite - 30, 330);
        links += breite;
        m_felder.push_back(feld);
    }
    darstellen(leiste);
}

// A text wider than its panel (a device path, a long driver name) ends in "…" and shows
// whole as the panel's tooltip, above the panel's description.
void Statusleistenanzeige::darstellen(const Statusleiste& leiste) {
    for (std::size_t i = 0; i < m_felder.size(); ++i) {
        QLabel* feld = m_felder[i];
        const Statusfeld& inhalt = leiste.alle()[i];
        const int platz = feld->contentsRect().width() - feld->indent() - 2;
        const QString gekuerzt = feld->fontMetrics().elidedText(inhalt.Text, Qt::ElideRight, platz);
        if (feld->text() != gekuerzt)
            feld->setText(gekuerzt);
        QString tipp = inhalt.ToolTipText;
        if (gekuerzt != inhalt.Text)
            tipp = tipp.isEmpty() ? inhalt.Text : inhalt.Text + QLatin1Char('\n') + tipp;
        feld->setToolTip(tipp);
    }
}

void Statusleistenanzeige::mouseReleaseEvent(QMouseEvent* ereignis) {
    if (ereignis->button() == Qt::LeftButton)
        emit feldGeklickt();
}
