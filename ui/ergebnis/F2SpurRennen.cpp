#include "F2SpurRennen.h"

#include "Farben.h"
#include "QtFarbe.h"
#include "Standardschrift.h"
#include "Texteinpassung.h"
#include "Twips.h"
#include "Zoomen.h"

#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace {
using Bild = F2SpurRennenInhalt::Bild;

// The designed client area ends above the OK button; the window reaches below it.
constexpr int Breite = 9240;
constexpr int Hoehe = 4995 + 120;

struct Stil {
    double punkt;
    bool fett;
    Qt::Alignment ausrichtung;
};
const Stil Ueberschrift{24, false, Qt::AlignHCenter | Qt::AlignTop};
const Stil Name{13.5, true, Qt::AlignHCenter | Qt::AlignTop};
const Stil Tabelle{12, true, Qt::AlignRight | Qt::AlignTop};

// Twips: left, top, width, height.
struct Lage {
    int links, oben, breite, hoehe;
};

void einrichten(QWidget* widget, const QString& name, const Lage& lage, const Massstab& m) {
    widget->setObjectName(name);
    platzieren(widget, lage.links, lage.oben, lage.breite, lage.hoehe, m);
}

QLabel* beschriftung(QWidget* eltern, const Massstab& m, const QString& name, const QString& text,
                     const Stil& stil, const Lage& lage, Farbe farbe = Farben::Hellgrau) {
    auto* label = new QLabel(eltern);
    label->setAlignment(stil.ausrichtung);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, qtFarbe(farbe));
    label->setPalette(palette);
    einrichten(label, name, lage, m);
    // Names are typed by the users: shown as typed, never as markup, and a long one shrinks
    // or ends in "…" rather than running past its column. "MS Sans Serif" of the design is
    // a Windows bitmap font; Arial keeps its metrics.
    einpassen(label, text, standardschrift(m.punkt(stil.punkt), stil.fett), QString(),
              m.punkt(LesbarePunkte));
    return label;
}

void spalte(QWidget* eltern, const Massstab& m, const QString& name, const Reihe<QString, 3>& werte,
            int links, const Reihe<int, 3>& oben) {
    for (int zeile = 1; zeile <= 3; ++zeile)
        beschriftung(eltern, m, name + QStringLiteral("(%1)").arg(zeile), werte[zeile], Tabelle,
                     {links, oben[zeile], 1455, 315}, zeile == 3 ? Farben::Rot : Farben::Hellgrau);
}

QLabel* bild(QWidget* eltern, const Massstab& m, const QString& name, Bild welches,
             const Lage& lage) {
    const bool pokal = welches == Bild::Pokal;
    auto* label = new QLabel(eltern);
    // A picture missing from the resources leaves the place empty.
    label->setPixmap(QIcon(pokal ? QStringLiteral(":/bilder/pokal.svg")
                                 : QStringLiteral(":/bilder/warnschild.svg"))
                         .pixmap(QSize(m.pixel(lage.breite), m.pixel(lage.hoehe))));
    label->setAccessibleName(pokal ? QStringLiteral("Pokal") : QStringLiteral("Warnschild"));
    einrichten(label, name, lage, m);
    return label;
}
} // namespace

F2SpurRennen::F2SpurRennen(const F2SpurRennenInhalt& inhalt, QWidget* eltern,
                           const Massstab& massstab)
    : QDialog(eltern), m_massstab(massstab) {
    const Massstab& m = massstab;
    setWindowTitle(QStringLiteral("Ergebnis Spurwechselmodus"));
    resize(m.pixel(Breite), m.pixel(Hoehe));
    setMinimumSize(size());
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, qtFarbe(Farben::ErgebnisfensterBlau));
    setPalette(palette);
    setAutoFillBackground(true);

    beschriftung(this, m, QStringLiteral("LaUeberschrift"), inhalt.LaUeberschrift, Ueberschrift,
                 {480, 300, 8355, 615});
    // Each name stands beside its picture, between the picture and the next line.
    beschriftung(this, m, QStringLiteral("LaNameSieger"), inhalt.LaNameSieger, Name,
                 {2760, 1320, 2700, 375});
    beschriftung(this, m, QStringLiteral("LaNameVerlierer"), inhalt.LaNameVerlierer, Name,
                 {6090, 1320, 3090, 375});
    const std::pair<int, QString> koepfe[] = {{2040, QStringLiteral("Zeit")},
                                              {3780, QStringLiteral("Geschw.")},
                                              {5340, QStringLiteral("Zeit")},
                                              {7080, QStringLiteral("Geschw.")}};
    for (int i = 0; i < 4; ++i)
        beschriftung(this, m, QStringLiteral("LaRennen1(%1)").arg(i + 3), koepfe[i].second, Tabelle,
                     {koepfe[i].first, 1920, 1455, 315});
    beschriftung(this, m, QStringLiteral("LaRennen1(0)"), QStringLiteral("1. Rennen"), Tabelle,
                 {360, 2640, 1455, 315});
    beschriftung(this, m, QStringLiteral("LaRennen1(1)"), QStringLiteral("2. Rennen"), Tabelle,
                 {360, 3180, 1455, 315});
    beschriftung(this, m, QStringLiteral("LaRennen1(2)"), QStringLiteral("Endergebnis"), Tabelle,
                 {180, 3840, 1635, 315}, Farben::Rot);
    const Reihe<int, 3> zeilenSieger{2640, 3180, 3840};
    const Reihe<int, 3> zeilenVerlierer{2700, 3240, 3840};
    spalte(this, m, QStringLiteral("LaZeitSieger"), inhalt.LaZeitSieger, 2040, zeilenSieger);
    spalte(this, m, QStringLiteral("LaGeschwSieger"), inhalt.LaGeschwSieger, 3780, zeilenSieger);
    spalte(this, m, QStringLiteral("LaZeitVerlierer"), inhalt.LaZeitVerlierer, 5340,
           zeilenVerlierer);
    spalte(this, m, QStringLiteral("LaGeschwVerlierer"), inhalt.LaGeschwVerlierer, 7080,
           zeilenVerlierer);

    m_siegerbild = bild(this, m, QStringLiteral("ImSieger"), inhalt.ImSieger, {2220, 1200, 480, 480});
    bild(this, m, QStringLiteral("ImVerlierer"), inhalt.ImVerlierer, {5580, 1260, 480, 480});

    auto* buEnde = new QPushButton(QStringLiteral("OK"), this);
    einrichten(buEnde, QStringLiteral("buEnde"), {6780, 4740, 1335, 255}, m);
    buEnde->setDefault(true);
    buEnde->setFocus();
    connect(buEnde, &QPushButton::clicked, this, &QDialog::accept);
    zoomen(this, m);
}

void F2SpurRennen::paintEvent(QPaintEvent* ereignis) {
    QDialog::paintEvent(ereignis);
    QPainter maler(this);
    const Massstab& m = m_massstab;
    maler.setPen(QPen(qtFarbe(Farben::Hellgrau), m.skaliert(1)));
    const auto linie = [&maler, &m](int x1, int y1, int x2, int y2) {
        maler.drawLine(m.pixel(x1), m.pixel(y1), m.pixel(x2), m.pixel(y2));
    };
    linie(5520, 1200, 5520, 4080); // between the two drivers
    linie(2160, 1200, 2160, 4080); // after the row titles
    linie(300, 2460, 8640, 2460);  // under the column headings
}

// Labels and pictures leave mouse presses to the window, so the window decides here which
// of them a click closes it from.
bool F2SpurRennen::schliesstBeiKlick(const QWidget* ziel) const {
    return ziel == nullptr || ziel == m_siegerbild;
}

void F2SpurRennen::mousePressEvent(QMouseEvent* ereignis) {
    if (ereignis->button() == Qt::LeftButton)
        m_gedrueckt = childAt(ereignis->position().toPoint());
}

void F2SpurRennen::mouseReleaseEvent(QMouseEvent* ereignis) {
    if (ereignis->button() != Qt::LeftButton)
        return;
    const std::optional<const QWidget*> gedrueckt = std::exchange(m_gedrueckt, std::nullopt);
    if (gedrueckt && *gedrueckt == childAt(ereignis->position().toPoint()) &&
        schliesstBeiKlick(*gedrueckt))
        accept();
}

void f2SpurRennenZeigen(const F2SpurRennenInhalt& inhalt, QWidget* eltern,
                        const Massstab& massstab) {
    F2SpurRennen fenster(inhalt, eltern, massstab);
    fenster.exec();
}
