#include "Rotationsergebnisfenster.h"

#include "QtFarbe.h"
#include "Standardschrift.h"
#include "Zoomen.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// Names are typed by the users: shown as typed, never as markup.
QLabel* zelle(QWidget* eltern, const QString& text, const QFont& schrift, Farbe farbe,
              Qt::Alignment ausrichtung) {
    auto* label = new QLabel(text, eltern);
    label->setTextFormat(Qt::PlainText);
    label->setFont(schrift);
    label->setAlignment(ausrichtung | Qt::AlignVCenter);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, qtFarbe(farbe));
    label->setPalette(palette);
    return label;
}
} // namespace

void rotationsergebnisZeigen(const RotationsergebnisInhalt& inhalt, QWidget* eltern,
                             const Massstab& m) {
    QDialog fenster(eltern);
    fenster.setWindowTitle(QStringLiteral("Ergebnis Spurwechselmodus"));
    QPalette palette = fenster.palette();
    palette.setColor(QPalette::Window, qtFarbe(Farben::ErgebnisfensterBlau));
    fenster.setPalette(palette);
    fenster.setAutoFillBackground(true);

    auto* spalten = new QVBoxLayout(&fenster);
    spalten->setContentsMargins(m.pixel(300), m.pixel(240), m.pixel(300), m.pixel(180));
    spalten->setSpacing(m.pixel(240));
    QLabel* ueberschrift = zelle(&fenster, inhalt.ueberschrift, standardschrift(m.punkt(24)),
                                 Farben::Hellgrau, Qt::AlignHCenter);
    ueberschrift->setObjectName(QStringLiteral("LaUeberschrift"));
    spalten->addWidget(ueberschrift);

    auto* tabelle = new QGridLayout;
    tabelle->setHorizontalSpacing(m.pixel(360));
    tabelle->setVerticalSpacing(m.pixel(90));
    const QFont schrift = standardschrift(m.punkt(12), true);
    // The driver's name stands left, every number right; the total in red, as in the
    // two-lane window.
    const int gesamtspalte = static_cast<int>(inhalt.kopf.size()) - 2;
    const auto ausrichtung = [](int spalte) {
        return spalte == 1 ? Qt::AlignLeft : Qt::AlignRight;
    };
    for (int spalte = 0; spalte < inhalt.kopf.size(); ++spalte)
        tabelle->addWidget(zelle(&fenster, inhalt.kopf[spalte], schrift,
                                 spalte == gesamtspalte ? Farben::Rot : Farben::Hellgrau,
                                 ausrichtung(spalte)),
                           0, spalte);
    int zeile = 1;
    for (const RotationsergebnisInhalt::Zeile& z : inhalt.zeilen) {
        QStringList werte{z.platz, z.fahrer};
        werte << z.laeufe << z.gesamt << z.geschwindigkeit;
        for (int spalte = 0; spalte < werte.size(); ++spalte) {
            const Farbe farbe = spalte == 1              ? z.farbe
                                : spalte == gesamtspalte ? Farben::Rot
                                                         : Farben::Hellgrau;
            QLabel* label = zelle(&fenster, werte[spalte], schrift, farbe, ausrichtung(spalte));
            label->setObjectName(QStringLiteral("Zeile%1Spalte%2").arg(zeile).arg(spalte));
            tabelle->addWidget(label, zeile, spalte);
        }
        ++zeile;
    }
    spalten->addLayout(tabelle);

    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok, &fenster);
    QPushButton* ok = knoepfe->button(QDialogButtonBox::Ok);
    ok->setText(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("buEnde"));
    ok->setDefault(true);
    ok->setFocus();
    QObject::connect(knoepfe, &QDialogButtonBox::accepted, &fenster, &QDialog::accept);
    spalten->addWidget(knoepfe);
    stilZoomen(&fenster, m);
    fenster.setFixedSize(fenster.sizeHint());
    fenster.exec();
}
