#include "Abendtabelle.h"

#include "Farbkontrast.h"
#include "Passfeld.h"

#include <QGridLayout>
#include <QVBoxLayout>

namespace {
constexpr int Namensspalte = 1;
// Type on a big screen no smaller than this, in points, however many rows there are.
constexpr double KleinsteTabellenschrift = 6;
} // namespace

Abendtabelle::Abendtabelle(QWidget* eltern) : QWidget(eltern), m_gitter(new QGridLayout) {
    setFocusPolicy(Qt::NoFocus);
    // The rows stand together at the top, however much room is below them.
    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(0, 0, 0, 0);
    // The type follows the height the window gives, not the other way round.
    spalte->setSizeConstraint(QLayout::SetNoConstraint);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Ignored);
    spalte->addLayout(m_gitter);
    spalte->addStretch();
    m_gitter->setColumnStretch(Namensspalte, 1); // the names take what the numbers leave
}

QLabel* Abendtabelle::zelle(std::size_t zeile, int spalte) {
    std::vector<QLabel*>& reihe = m_zellen[zeile];
    while (static_cast<int>(reihe.size()) <= spalte) {
        const int s = static_cast<int>(reihe.size());
        QLabel* label = s == Namensspalte ? new Passfeld(this, Qt::AlignLeft | Qt::AlignVCenter)
                                          : new QLabel(this);
        label->setTextFormat(Qt::PlainText);
        label->setFocusPolicy(Qt::NoFocus);
        if (s != Namensspalte)
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (zeile == 0)
            label->setProperty("rolle", QStringLiteral("gedaempft"));
        m_gitter->addWidget(label, static_cast<int>(zeile), s);
        reihe.push_back(label);
    }
    return reihe[static_cast<std::size_t>(spalte)];
}

QFont Abendtabelle::schrift(std::size_t zeile) const {
    QFont f = zeile == 0 ? m_kopfschrift : m_zeilenschrift;
    f.setItalic(zeile < m_kursiv.size() && m_kursiv[zeile]);
    return f;
}

void Abendtabelle::darstellen(const QStringList& kopf, const std::vector<Abendzeile>& zeilen) {
    const std::size_t reihen = zeilen.size() + 1;
    if (reihen != m_reihen) {
        m_reihen = reihen;
        einpassen();
    }
    if (m_zellen.size() < reihen)
        m_zellen.resize(reihen);
    m_kursiv.assign(m_zellen.size(), false);
    for (std::size_t r = 0; r < m_zellen.size(); ++r) {
        const bool da = r < reihen;
        const QStringList texte = !da ? QStringList() : r == 0 ? kopf : zeilen[r - 1].zellen;
        m_kursiv[r] = r > 0 && da && zeilen[r - 1].ausgeschieden;
        const int spalten =
            std::max(static_cast<int>(texte.size()), static_cast<int>(m_zellen[r].size()));
        for (int s = 0; s < spalten; ++s) {
            QLabel* label = zelle(r, s);
            if (auto* name = dynamic_cast<Passfeld*>(label)) {
                name->grundschriftSetzen(schrift(r));
                name->textSetzen(texte.value(s));
                const std::optional<Farbe> farbe =
                    r > 0 && da ? zeilen[r - 1].farbe : std::optional<Farbe>();
                name->farbeSetzen(farbe ? std::optional(schriftAuf(*farbe)) : std::nullopt, farbe);
            } else {
                label->setFont(schrift(r));
                label->setText(texte.value(s));
            }
            label->setVisible(da);
        }
    }
}

void Abendtabelle::schriftSetzen(const QFont& zeilen, const QFont& kopf) {
    m_groessteZeile = zeilen;
    m_groessterKopf = kopf;
    einpassen();
}

void Abendtabelle::resizeEvent(QResizeEvent* ereignis) {
    QWidget::resizeEvent(ereignis);
    einpassen();
}

void Abendtabelle::einpassen() {
    const double kopfpunkt = m_groessterKopf.pointSizeF();
    QFont zeilen = m_groessteZeile;
    QFont kopf = m_groessterKopf;
    // Down in half points until the heading and every row with its gap fit.
    for (double punkt = zeilen.pointSizeF(); punkt > 0; punkt -= 0.5) {
        zeilen.setPointSizeF(punkt);
        kopf.setPointSizeF(std::min(punkt, kopfpunkt));
        const int zeile = QFontMetrics(zeilen).height();
        const int noetig =
            QFontMetrics(kopf).height() + static_cast<int>(m_reihen - 1) * (zeile + zeile / 5);
        if (noetig <= height() || punkt <= KleinsteTabellenschrift)
            break;
    }
    if (zeilen == m_zeilenschrift && kopf == m_kopfschrift)
        return;
    m_zeilenschrift = zeilen;
    m_kopfschrift = kopf;
    schriftenAnwenden();
}

void Abendtabelle::schriftenAnwenden() {
    const int zeile = QFontMetrics(m_zeilenschrift).height();
    m_gitter->setHorizontalSpacing(zeile);
    m_gitter->setVerticalSpacing(zeile / 5);
    for (std::size_t r = 0; r < m_zellen.size(); ++r)
        for (QLabel* label : m_zellen[r]) {
            if (auto* name = dynamic_cast<Passfeld*>(label))
                name->grundschriftSetzen(schrift(r));
            else
                label->setFont(schrift(r));
        }
}
