#include "F2SpurRennen.h"

#include "Farben.h"
#include "QtFarbe.h"
#include "Standardschrift.h"
#include "Twips.h"

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

void einrichten(QWidget* widget, const QString& name, const Lage& lage) {
    widget->setObjectName(name);
    platzieren(widget, lage.links, lage.oben, lage.breite, lage.hoehe);
}

QLabel* beschriftung(QWidget* eltern, const QString& name, const QString& text, const Stil& stil,
                     const Lage& lage, Farbe farbe = Farben::Hellgrau) {
    // Names are typed by the users; they must show as typed, never as markup.
    auto* label = new QLabel(eltern);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    // "MS Sans Serif" of the design is a Windows bitmap font; Arial keeps its metrics.
    label->setFont(standardschrift(stil.punkt, stil.fett));
    label->setAlignment(stil.ausrichtung);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, qtFarbe(farbe));
    label->setPalette(palette);
    einrichten(label, name, lage);
    return label;
}

void spalte(QWidget* eltern, const QString& name, const Reihe<QString, 3>& werte, int links,
            const Reihe<int, 3>& oben) {
    for (int zeile = 1; zeile <= 3; ++zeile)
        beschriftung(eltern, name + QStringLiteral("(%1)").arg(zeile), werte[zeile], Tabelle,
                     {links, oben[zeile], 1455, 315}, zeile == 3 ? Farben::Rot : Farben::Hellgrau);
}

QLabel* bild(QWidget* eltern, const QString& name, Bild welches, const Lage& lage) {
    const bool pokal = welches == Bild::Pokal;
    auto* label = new QLabel(eltern);
    // A picture missing from the resources leaves the place empty.
    label->setPixmap(QIcon(pokal ? QStringLiteral(":/bilder/pokal.svg")
                                 : QStringLiteral(":/bilder/warnschild.svg"))
                         .pixmap(QSize(twips(lage.breite), twips(lage.hoehe))));
    label->setAccessibleName(pokal ? QStringLiteral("Pokal") : QStringLiteral("Warnschild"));
    einrichten(label, name, lage);
    return label;
}
} // namespace

F2SpurRennen::F2SpurRennen(const F2SpurRennenInhalt& inhalt, QWidget* eltern) : QDialog(eltern) {
    setWindowTitle(QStringLiteral("Ergebnis Spurwechselmodus"));
    resize(twips(Breite), twips(Hoehe));
    setMinimumSize(size());
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, qtFarbe(Farben::ErgebnisfensterBlau));
    setPalette(palette);
    setAutoFillBackground(true);

    beschriftung(this, QStringLiteral("LaUeberschrift"), inhalt.LaUeberschrift, Ueberschrift,
                 {480, 300, 8355, 615});
    beschriftung(this, QStringLiteral("LaNameSieger"), inhalt.LaNameSieger, Name,
                 {2400, 1320, 3015, 375});
    beschriftung(this, QStringLiteral("LaNameVerlierer"), inhalt.LaNameVerlierer, Name,
                 {5760, 1320, 3015, 375});
    const std::pair<int, QString> koepfe[] = {{2040, QStringLiteral("Zeit")},
                                              {3780, QStringLiteral("Geschw.")},
                                              {5340, QStringLiteral("Zeit")},
                                              {7080, QStringLiteral("Geschw.")}};
    for (int i = 0; i < 4; ++i)
        beschriftung(this, QStringLiteral("LaRennen1(%1)").arg(i + 3), koepfe[i].second, Tabelle,
                     {koepfe[i].first, 1920, 1455, 315});
    beschriftung(this, QStringLiteral("LaRennen1(0)"), QStringLiteral("1. Rennen"), Tabelle,
                 {360, 2640, 1455, 315});
    beschriftung(this, QStringLiteral("LaRennen1(1)"), QStringLiteral("2. Rennen"), Tabelle,
                 {360, 3180, 1455, 315});
    beschriftung(this, QStringLiteral("LaRennen1(2)"), QStringLiteral("Endergebnis"), Tabelle,
                 {180, 3840, 1635, 315}, Farben::Rot);
    const Reihe<int, 3> zeilenSieger{2640, 3180, 3840};
    const Reihe<int, 3> zeilenVerlierer{2700, 3240, 3840};
    spalte(this, QStringLiteral("LaZeitSieger"), inhalt.LaZeitSieger, 2040, zeilenSieger);
    spalte(this, QStringLiteral("LaGeschwSieger"), inhalt.LaGeschwSieger, 3780, zeilenSieger);
    spalte(this, QStringLiteral("LaZeitVerlierer"), inhalt.LaZeitVerlierer, 5340, zeilenVerlierer);
    spalte(this, QStringLiteral("LaGeschwVerlierer"), inhalt.LaGeschwVerlierer, 7080,
           zeilenVerlierer);

    // The pictures lie above the name labels they overlap, so a click on the trophy
    // reaches the trophy.
    m_ImSieger = bild(this, QStringLiteral("ImSieger"), inhalt.ImSieger, {2280, 1200, 480, 480});
    bild(this, QStringLiteral("ImVerlierer"), inhalt.ImVerlierer, {5640, 1260, 480, 480});

    auto* buEnde = new QPushButton(QStringLiteral("OK"), this);
    einrichten(buEnde, QStringLiteral("buEnde"), {6780, 4740, 1335, 255});
    buEnde->setDefault(true);
    buEnde->setFocus();
    connect(buEnde, &QPushButton::clicked, this, &QDialog::accept);
}

void F2SpurRennen::paintEvent(QPaintEvent* ereignis) {
    QDialog::paintEvent(ereignis);
    QPainter maler(this);
    maler.setPen(qtFarbe(Farben::Hellgrau));
    const auto linie = [&maler](int x1, int y1, int x2, int y2) {
        maler.drawLine(twips(x1), twips(y1), twips(x2), twips(y2));
    };
    linie(5520, 1200, 5520, 4080); // between the two drivers
    linie(2160, 1200, 2160, 4080); // after the row titles
    linie(300, 2460, 8640, 2460);  // under the column headings
}

// Labels and pictures leave mouse presses to the window, so the window decides here which
// of them a click closes it from.
bool F2SpurRennen::schliesstBeiKlick(const QWidget* ziel) const {
    return ziel == nullptr || ziel == m_ImSieger;
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

void f2SpurRennenZeigen(const F2SpurRennenInhalt& inhalt, QWidget* eltern) {
    F2SpurRennen fenster(inhalt, eltern);
    fenster.exec();
}
