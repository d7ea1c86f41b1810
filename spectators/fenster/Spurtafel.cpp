#include "Spurtafel.h"

#include "Passfeld.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {
// The columns, with the widest text each must hold whole; named apart from the spectators'
// window's sizes, which share a name or two.
namespace Tafelspalte {
enum Spalte {
    RandLinks,
    Position,
    Name,
    Vermerk,
    Gefahren,
    ZuFahren,
    Letzte,
    Beste,
    Abstand,
    RandRechts
};
} // namespace Tafelspalte

using Tafelspalte::Spalte;
constexpr std::pair<Spalte, const char*> Muster[] = {
    {Tafelspalte::Position, "P8"},        {Tafelspalte::Vermerk, "Fehlstart"},
    {Tafelspalte::Gefahren, "888 / 888"}, {Tafelspalte::ZuFahren, "888"},
    {Tafelspalte::Letzte, "88,888 s"},    {Tafelspalte::Beste, "88,888 s"},
    {Tafelspalte::Abstand, "+88 Runden"}};
} // namespace

Spurtafel::Spurtafel(QWidget* eltern, int spurenzahl, QWidget* mitte)
    : QWidget(eltern), m_gitter(new QGridLayout), m_spuren(Spuren<Spurfelder>::fuer(spurenzahl)) {
    setObjectName(QStringLiteral("spurtafel"));
    // Over the grid, not in it: the light's stretch would widen every column.
    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->addWidget(mitte);
    spalte->addLayout(m_gitter, 1);
    const std::pair<Spalte, QString> kopf[] = {
        {Tafelspalte::Gefahren, QStringLiteral("Runden")},
        {Tafelspalte::ZuFahren, QStringLiteral("noch")},
        {Tafelspalte::Letzte, QStringLiteral("Letzte Runde")},
        {Tafelspalte::Beste, QStringLiteral("Beste Runde")},
        {Tafelspalte::Abstand, QStringLiteral("Abstand")}};
    for (const auto& [spalte, text] : kopf) {
        QLabel* beschriftung = zuschauerfeld(this, Qt::AlignRight | Qt::AlignBottom);
        beschriftung->setText(text);
        beschriftung->setProperty("rolle", QStringLiteral("gedaempft"));
        beschriftung->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
        m_gitter->addWidget(beschriftung, 1, spalte);
    }
    for (int spur = 1; spur <= spurenzahl; ++spur) {
        Spurfelder& f = m_spuren[spur];
        // The card first, so the fields of its line lie on it.
        f.karte = new QFrame(this);
        f.karte->setProperty("rolle", QStringLiteral("karte"));
        m_gitter->addWidget(f.karte, spur + 1, Tafelspalte::RandLinks, 1,
                            Tafelspalte::RandRechts + 1);
        f.position = zuschauerfeld(this, Qt::AlignCenter);
        f.position->setProperty("rolle", QStringLiteral("position"));
        f.position->hide();
        f.name = new Passfeld(this, Qt::AlignLeft | Qt::AlignVCenter);
        f.name->setObjectName(QStringLiteral("s%1-name").arg(spur));
        f.vermerk = zuschauerfeld(this);
        f.gefahren = zuschauerfeld(this, Qt::AlignRight | Qt::AlignVCenter);
        f.zuFahren = zuschauerfeld(this, Qt::AlignRight | Qt::AlignVCenter);
        f.letzte = zuschauerfeld(this, Qt::AlignRight | Qt::AlignVCenter);
        f.beste = zuschauerfeld(this, Qt::AlignRight | Qt::AlignVCenter);
        f.abstand = zuschauerfeld(this, Qt::AlignRight | Qt::AlignVCenter);
        const std::pair<Spalte, QLabel*> felder[] = {
            {Tafelspalte::Position, f.position}, {Tafelspalte::Name, f.name},
            {Tafelspalte::Vermerk, f.vermerk},   {Tafelspalte::Gefahren, f.gefahren},
            {Tafelspalte::ZuFahren, f.zuFahren}, {Tafelspalte::Letzte, f.letzte},
            {Tafelspalte::Beste, f.beste},       {Tafelspalte::Abstand, f.abstand}};
        for (const auto& [spalte, feld] : felder) {
            if (feld == f.name) {
                m_gitter->addWidget(feld, spur + 1, spalte);
                continue;
            }
            // Each column as wide as its widest text, the name's takes what is left; a field
            // as high as its text, so a best lap's mark stays a mark on a tall line.
            feld->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
            m_gitter->addWidget(feld, spur + 1, spalte, Qt::AlignVCenter);
        }
        m_gitter->setRowStretch(spur + 1, 1);
    }
    m_gitter->setColumnStretch(Tafelspalte::Name, 1); // the name takes what the figures leave
}

void Spurtafel::darstellen(const Spuren<Zuschauerspur>& spuren) {
    for (int spur = 1; spur <= m_spuren.anzahl(); ++spur)
        spurZeigen(m_spuren[spur], spuren[spur]);
}

int Spurtafel::musterbreite(const QFont& wert) {
    const QFontMetrics masse(wert);
    int breite = 0;
    for (const auto& [spalte, text] : Muster)
        breite += masse.horizontalAdvance(QString::fromUtf8(text));
    return breite;
}

void Spurtafel::schriftSetzen(const QFont& name, const QFont& wert, const QFont& beschriftung,
                              int rand) {
    for (Spurfelder& f : m_spuren) {
        f.name->grundschriftSetzen(name);
        for (QLabel* feld :
             {f.position, f.vermerk, f.gefahren, f.zuFahren, f.letzte, f.beste, f.abstand})
            feld->setFont(wert);
    }
    for (QLabel* label : findChildren<QLabel*>())
        if (label->property("rolle").toString() == QStringLiteral("gedaempft"))
            label->setFont(beschriftung);
    const QFontMetrics masse(wert);
    for (const auto& [spalte, text] : Muster)
        m_gitter->setColumnMinimumWidth(spalte,
                                        masse.horizontalAdvance(QString::fromUtf8(text)) + rand);
    m_gitter->setColumnMinimumWidth(Tafelspalte::RandLinks, 0);
    m_gitter->setColumnMinimumWidth(Tafelspalte::RandRechts, 0);
    m_gitter->setHorizontalSpacing(rand);
    m_gitter->setVerticalSpacing(std::max(1, rand / 2));
}
