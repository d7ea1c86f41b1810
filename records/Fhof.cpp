#include "Fhof.h"

#include "FhofAnsicht.h"
#include "QtFarbe.h"
#include "Texteinpassung.h"
#include "Zoomen.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace {
// In pixels at 100 %.
constexpr QMargins Rand(8, 4, 8, 4);
// The widest a name grows the window; a longer one shrinks, then ends in "…".
constexpr int Namensbreite = 420;

QMargins rand(const Massstab& m) {
    return {m.skaliert(Rand.left()), m.skaliert(Rand.top()), m.skaliert(Rand.right()),
            m.skaliert(Rand.bottom())};
}

QLabel* beschriftung(const QString& name, QWidget* eltern, const Massstab& m) {
    auto* label = new QLabel(eltern);
    label->setObjectName(name);
    label->setAutoFillBackground(true);
    label->setContentsMargins(rand(m));
    // Names come from users and from hof.ini: shown as typed, never as markup.
    label->setTextFormat(Qt::PlainText);
    return label;
}

void darstellen(QLabel* label, const HofBeschriftung& b, const Massstab& m,
                int breite = QWIDGETSIZE_MAX) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, qtFarbe(b.BackColor));
    palette.setColor(QPalette::WindowText, qtFarbe(b.ForeColor));
    label->setPalette(palette);
    QFont schrift = label->font();
    schrift.setPointSizeF(m.punkt(b.FontSize));
    const Einpassung e = einpassen(b.Caption, schrift, breite - rand(m).left() - rand(m).right(),
                                   m.punkt(LesbarePunkte));
    label->setFont(e.schrift);
    label->setText(e.text);
    label->setToolTip(e.gekuerzt ? alsKlartext(b.Caption) : QString());
}

} // namespace

Fhof::Fhof(Hofmodul& hof, QWidget* parent, const Massstab& massstab)
    : QDialog(parent), m_hof(hof), m_massstab(massstab) {
    auto* raster = new QGridLayout(this);
    raster->setHorizontalSpacing(0);
    for (int rang = 1; rang <= Hofliste::Raenge; ++rang) {
        m_namensanzeigen[rang] = beschriftung(QStringLiteral("LaName%1").arg(rang), this, massstab);
        m_zeitanzeigen[rang] = beschriftung(QStringLiteral("LaZeit%1").arg(rang), this, massstab);
        m_namensanzeigen[rang]->setMaximumWidth(massstab.skaliert(Namensbreite));
        m_zeitanzeigen[rang]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        raster->addWidget(m_namensanzeigen[rang], rang - 1, 0, 1, 2);
        raster->addWidget(m_zeitanzeigen[rang], rang - 1, 2);
    }

    auto* neu = new QPushButton(QStringLiteral("Neue Hall of Fame anlegen"), this);
    neu->setObjectName(QStringLiteral("BuNeueHofMachen"));
    neu->setAutoDefault(false);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("buOK"));
    ok->setDefault(true);
    raster->addWidget(neu, Hofliste::Raenge, 0);
    raster->addWidget(ok, Hofliste::Raenge, 2);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(neu, &QPushButton::clicked, this, [this] {
        m_hof.hallOfFameNeuAnlegen();
        anzeigen();
    });
    anzeigen();
    zoomen(this, massstab);
}

void Fhof::anzeigen() {
    const FhofAnsicht ansicht = fhofAnsicht(m_hof.liste());
    setWindowTitle(ansicht.Caption);
    for (int rang = 1; rang <= Hofliste::Raenge; ++rang) {
        darstellen(m_namensanzeigen[rang], ansicht.LaName[rang], m_massstab,
                   m_massstab.skaliert(Namensbreite));
        darstellen(m_zeitanzeigen[rang], ansicht.LaZeit[rang], m_massstab);
    }
}
