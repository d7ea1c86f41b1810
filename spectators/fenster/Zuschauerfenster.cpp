#include "Zuschauerfenster.h"

#include "Abendtabelle.h"
#include "Farbkontrast.h"
#include "Passfeld.h"
#include "QtFarbe.h"
#include "Spurtafel.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QStyle>
#include <QSvgRenderer>
#include <QVBoxLayout>
#include <cmath>

namespace {
// Type sizes in pixels for a window of 640 × 360; they grow with the window.
constexpr double Titel = 14, Name = 30, Position = 16, Vermerk = 18, Beschriftung = 13, Wert = 20;
constexpr double Countdown = 72, Rennuhr = 30, Crash = 36, Ergebnis = 26, Adresse = 12;
constexpr double Lampengroesse = 26;
constexpr double Abendstand = 14, Naechste = 26;

QLabel* feld(QWidget* eltern, Qt::Alignment ausrichtung = Qt::AlignLeft | Qt::AlignVCenter) {
    return zuschauerfeld(eltern, ausrichtung);
}

// In points, which the fitting of names works in, for that many pixels on this screen.
QFont schriftart(const QWidget* fenster, double pixel, bool fett) {
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(std::max(1.0, std::floor(pixel)) * 72 / fenster->logicalDpiY());
    f.setBold(fett);
    return f;
}

void schrift(QLabel* label, double pixel, bool fett) {
    label->setFont(schriftart(label, pixel, fett));
}

void textSetzen(QLabel* label, const QString& text) {
    zuschauertextSetzen(label, text);
}

QString lampenbild(Lampe lampe) {
    switch (lampe) {
    case Lampe::Gruen: return QStringLiteral(":/bilder/kreis-gruen.svg");
    case Lampe::Rot: return QStringLiteral(":/bilder/kreis-rot.svg");
    case Lampe::Gelb: return QStringLiteral(":/bilder/kreis-gelb.svg");
    case Lampe::Aus: break;
    }
    return QStringLiteral(":/bilder/kreis-grau.svg");
}
} // namespace

Zuschauerfenster::Zuschauerfenster(QWidget* tastenziel)
    : QWidget(nullptr, Qt::Window | Qt::WindowDoesNotAcceptFocus), m_tastenziel(tastenziel) {
    setWindowTitle(QStringLiteral("Rundomat – Zuschauer"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    // The program ends with its main window, whether or not this one is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFocusPolicy(Qt::NoFocus);
    setMinimumSize(640, 360);
    setObjectName(QStringLiteral("zuschauer"));
    m_titel = feld(this, Qt::AlignCenter);
    m_titel->setProperty("rolle", QStringLiteral("gedaempft"));
    m_ergebnis = new Passfeld(this, Qt::AlignCenter);
    m_ergebnis->setObjectName(QStringLiteral("ergebnis"));
    m_adresse = feld(this, Qt::AlignCenter);
    m_adresse->setProperty("rolle", QStringLiteral("gedaempft"));
    m_abendstand = new Passfeld(this, Qt::AlignCenter);
    m_abendstand->setObjectName(QStringLiteral("abendstand"));
    m_naechste = new Passfeld(this, Qt::AlignCenter);
    m_naechste->setObjectName(QStringLiteral("naechste"));
    m_abendtabelle = new Abendtabelle(this);
    m_abendtabelle->setObjectName(QStringLiteral("abendtabelle"));

    // Rows with nothing shown take no room: without a night the window is as it always was.
    auto* gitter = m_gitter = new QGridLayout(this);
    gitter->addWidget(m_titel, 0, 0, 1, 3);
    gitter->addWidget(m_abendstand, 1, 0, 1, 3);
    gitter->addWidget(m_naechste, 2, 0, 1, 3);
    gitter->addWidget(spurAufbauen(1), 3, 0);
    gitter->addWidget(mitteAufbauen(), 3, 1);
    gitter->addWidget(spurAufbauen(2), 3, 2);
    gitter->addWidget(m_abendtabelle, 3, 0, 1, 3);
    gitter->addWidget(m_ergebnis, 4, 0, 1, 3);
    gitter->addWidget(m_adresse, 5, 0, 1, 3);
    gitter->setColumnStretch(0, 5);
    gitter->setColumnStretch(1, 2);
    gitter->setColumnStretch(2, 5);
    gitter->setRowStretch(3, 1);
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_adresse, m_abendstand, m_naechste, m_abendtabelle})
        w->hide();
    resize(960, 540);
    masseSetzen();
}

QFrame* Zuschauerfenster::spurAufbauen(int spur) {
    Spurfelder& f = m_spuren[spur];
    f.karte = new QFrame(this);
    f.karte->setProperty("rolle", QStringLiteral("karte"));
    auto* gitter = new QGridLayout(f.karte);
    f.name = new Passfeld(f.karte, Qt::AlignLeft | Qt::AlignVCenter);
    f.name->setObjectName(QStringLiteral("s%1-name").arg(spur));
    f.position = feld(f.karte, Qt::AlignCenter);
    f.position->setProperty("rolle", QStringLiteral("position"));
    f.position->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    f.position->hide();
    f.vermerk = feld(f.karte);
    auto* kopf = new QHBoxLayout;
    kopf->addWidget(f.name, 1);
    kopf->addWidget(f.position, 0, Qt::AlignVCenter);
    gitter->addLayout(kopf, 0, 0, 1, 2);
    gitter->addWidget(f.vermerk, 1, 0, 1, 2);
    const std::pair<QString, QLabel**> zeilen[] = {{QStringLiteral("Runden"), &f.gefahren},
                                                   {QStringLiteral("noch"), &f.zuFahren},
                                                   {QStringLiteral("Letzte Runde"), &f.letzte},
                                                   {QStringLiteral("Beste Runde"), &f.beste},
                                                   {QStringLiteral("Abstand"), &f.abstand}};
    int zeile = 2;
    for (const auto& [beschriftung, wert] : zeilen) {
        auto* text = new QLabel(beschriftung, f.karte);
        text->setProperty("rolle", QStringLiteral("gedaempft"));
        *wert = feld(f.karte, Qt::AlignRight | Qt::AlignVCenter);
        gitter->addWidget(text, zeile, 0);
        gitter->addWidget(*wert, zeile++, 1);
    }
    f.lauf = feld(f.karte);
    f.lauf->setProperty("rolle", QStringLiteral("gedaempft"));
    gitter->addWidget(f.lauf, zeile, 0, 1, 2);
    gitter->setColumnStretch(1, 1); // the values take what the captions leave
    return f.karte;
}

QWidget* Zuschauerfenster::mitteAufbauen() {
    auto* mitte = m_mitte = new QWidget(this);
    auto* spalte = new QVBoxLayout(mitte);
    m_ampel = new QHBoxLayout;
    m_ampel->addStretch();
    for (int lampe = 1; lampe <= 5; ++lampe) {
        m_lampen[lampe] = new QLabel(mitte);
        m_ampel->addWidget(m_lampen[lampe]);
    }
    m_ampel->addStretch();
    spalte->addLayout(m_ampel);
    m_countdown = feld(mitte, Qt::AlignCenter);
    m_countdown->hide();
    m_rennuhr = feld(mitte, Qt::AlignCenter);
    m_rennuhr->setObjectName(QStringLiteral("rennuhr"));
    m_rennuhr->hide();
    m_crash = feld(mitte, Qt::AlignCenter);
    m_crash->setObjectName(QStringLiteral("crash"));
    m_crash->setText(QStringLiteral("CRASH"));
    m_crash->hide();
    spalte->addWidget(m_countdown);
    spalte->addWidget(m_rennuhr);
    spalte->addWidget(m_crash);
    spalte->addStretch();
    return mitte;
}

void Zuschauerfenster::darstellen(const Zuschaueransicht& a) {
    if (m_gezeigt == a)
        return;
    const bool lampenNeu = !m_gezeigt || m_gezeigt->ampel != a.ampel;
    m_gezeigt = a;
    textSetzen(m_titel, a.titel);
    spurenAnordnen(a.spuren.anzahl());
    if (m_tafel)
        m_tafel->darstellen(a.spuren);
    else
        for (int spur = 1; spur <= 2; ++spur)
            spurZeigen(m_spuren[spur], a.spuren[spur]);
    textSetzen(m_countdown, a.countdown);
    m_countdown->setVisible(!a.countdown.isEmpty());
    textSetzen(m_rennuhr, a.rennuhr);
    m_rennuhr->setVisible(!a.rennuhr.isEmpty());
    m_crash->setVisible(a.crash);
    m_ergebnis->textSetzen(a.ergebnis);
    m_ergebnis->setVisible(!a.ergebnis.isEmpty());
    m_abendstand->zeileSetzen(a.abendstand);
    m_abendstand->setVisible(!a.abendstand.empty());
    m_naechste->zeileSetzen(a.alsNaechstes);
    m_naechste->setVisible(!a.alsNaechstes.empty());
    const bool abend = !a.abendtabelle.empty();
    m_abendtabelle->darstellen(a.abendkopf, a.abendtabelle);
    m_abendtabelle->setVisible(abend);
    const std::vector<QWidget*> spuren =
        m_tafel ? std::vector<QWidget*>{m_tafel}
                : std::vector<QWidget*>{m_spuren[1].karte, m_mitte, m_spuren[2].karte};
    for (QWidget* w : spuren)
        w->setVisible(!abend);
    if (lampenNeu)
        lampenZeichnen();
}

void Zuschauerfenster::spurenAnordnen(int spurenzahl) {
    if ((m_tafel ? m_tafel->spurenzahl() : 2) == spurenzahl)
        return;
    // The light and the clock stand between two cards, and in one line over a board.
    auto* mitte = static_cast<QBoxLayout*>(m_mitte->layout());
    if (m_tafel) {
        m_mitte->setParent(this);
        delete std::exchange(m_tafel, nullptr);
        mitte->setDirection(QBoxLayout::TopToBottom);
        delete mitte->takeAt(0);
        m_gitter->addWidget(m_mitte, 3, 1);
    }
    // Beside the light the clock is as wide as its digits; under it, as the column.
    const auto breite = spurenzahl == 2 ? QSizePolicy::Ignored : QSizePolicy::Preferred;
    for (QLabel* feld : {m_countdown, m_rennuhr, m_crash})
        feld->setSizePolicy(breite, QSizePolicy::Preferred);
    for (int spur = 1; spur <= 2; ++spur)
        m_spuren[spur].karte->setVisible(spurenzahl == 2);
    if (spurenzahl == 2) {
        m_mitte->show();
        return;
    }
    m_gitter->removeWidget(m_mitte);
    mitte->setDirection(QBoxLayout::LeftToRight);
    mitte->insertStretch(0);
    m_tafel = new Spurtafel(this, spurenzahl, m_mitte);
    m_gitter->addWidget(m_tafel, 3, 0, 1, 3);
    tafelschriftSetzen();
    m_tafel->show();
    m_mitte->show();
}

void Zuschauerfenster::tafelschriftSetzen() {
    if (!m_tafel)
        return;
    // As large as on the cards, as long as every line fits the board's width and, with
    // the captions', the height the title, the light and the result leave.
    const double e = std::min(width() / 640.0, height() / 360.0);
    const double hoehe = height() - (Titel * 1.3 + Ergebnis * 1.4 + Rennuhr * 1.4 + 40) * e;
    const double breite = width() - 16 * e;
    const double nachHoehe = hoehe / (m_tafel->spurenzahl() + 0.7) / 1.75;
    // In widths of the type: the figures' patterns, a gap at each of the seven and the
    // nine gaps between the columns, each of half the type, and a name of sixteen.
    const double jePixel = m_tafel->musterbreite(schriftart(this, 100, true)) / 100.0 + 8 + 16;
    const double wert = std::min({Wert * e, nachHoehe, breite / jePixel});
    m_tafel->schriftSetzen(
        schriftart(this, std::min(Name * e, wert * 1.25), true), schriftart(this, wert, true),
        schriftart(this, std::min(Beschriftung * e, wert * 0.7), false), int(wert * 0.5));
}

void Zuschauerfenster::adresseZeigen(const QString& adresse) {
    textSetzen(m_adresse, adresse.isEmpty() ? QString() : QStringLiteral("Live: ") + adresse);
    m_adresse->setVisible(!adresse.isEmpty());
}

void Zuschauerfenster::masseSetzen() {
    const double e = std::min(width() / 640.0, height() / 360.0);
    const auto px = [e](double wert) { return QString::number(std::max(1, int(wert * e))); };
    const QString blatt =
        QStringLiteral("#zuschauer { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, "
                       "stop:0 #2c3e57, stop:1 #16202f); }"
                       " QLabel { color: #e8eef5; } QLabel[rolle=\"gedaempft\"] { color: #9fb3c8; }"
                       " QFrame[rolle=\"karte\"] { background: %3; border-radius: %1px; }"
                       " QLabel[neu=\"true\"] { background: #ffd84d; color: #111;"
                       " border-radius: %2px; padding: 0 %2px; }"
                       " QLabel[rolle=\"position\"] { background: #e8eef5; color: #16202f;"
                       " border-radius: %2px; padding: 0 %2px; }"
                       " #crash { background: #e00000; color: white; border-radius: %2px;"
                       " padding: 0 %2px; }"
                       " #ergebnis { background: #ffd84d; color: #111; border-radius: %1px; }")
            .arg(px(10), px(4), qtFarbe(Farben::Zuschauerkarte).name());
    // A new sheet polishes every label again; only when the corners change.
    if (styleSheet() != blatt)
        setStyleSheet(blatt);
    layout()->setContentsMargins(int(8 * e), int(4 * e), int(8 * e), int(4 * e));
    layout()->setSpacing(int(6 * e));
    schrift(m_titel, Titel * e, false);
    for (int spur = 1; spur <= 2; ++spur) {
        Spurfelder& f = m_spuren[spur];
        f.name->grundschriftSetzen(schriftart(this, Name * e, true));
        schrift(f.position, Position * e, true);
        schrift(f.vermerk, Vermerk * e, true);
        for (QLabel* wert : {f.gefahren, f.zuFahren, f.letzte, f.beste, f.abstand})
            schrift(wert, Wert * e, true);
        for (QLabel* label : f.karte->findChildren<QLabel*>())
            if (label->property("rolle").toString() == QStringLiteral("gedaempft"))
                schrift(label, Beschriftung * e, false);
        f.karte->layout()->setContentsMargins(int(12 * e), int(6 * e), int(12 * e), int(6 * e));
    }
    schrift(m_countdown, Countdown * e, true);
    schrift(m_rennuhr, Rennuhr * e, true);
    schrift(m_crash, Crash * e, true);
    m_ergebnis->grundschriftSetzen(schriftart(this, Ergebnis * e, true));
    schrift(m_adresse, Adresse * e, false);
    m_abendstand->grundschriftSetzen(schriftart(this, Abendstand * e, true));
    m_naechste->grundschriftSetzen(schriftart(this, Naechste * e, true));
    abendschriftSetzen();
    tafelschriftSetzen();
    m_ampel->setSpacing(int(4 * e));
    lampenZeichnen();
}

void Zuschauerfenster::abendschriftSetzen() {
    const double e = std::min(width() / 640.0, height() / 360.0);
    m_abendtabelle->schriftSetzen(schriftart(this, Wert * e, true),
                                  schriftart(this, Beschriftung * e, false));
}

void Zuschauerfenster::lampenZeichnen() {
    const double e = std::min(width() / 640.0, height() / 360.0);
    const int seite = std::max(8, static_cast<int>(Lampengroesse * e));
    const qreal dichte = devicePixelRatioF();
    for (int lampe = 1; lampe <= 5; ++lampe) {
        const Lampe l = m_gezeigt ? m_gezeigt->ampel[lampe] : Lampe::Aus;
        // Drawn at the screen's own pixel density, so the discs stay sharp on any screen.
        QPixmap bild(QSize(seite, seite) * dichte);
        bild.fill(Qt::transparent);
        QPainter maler(&bild);
        QSvgRenderer(lampenbild(l)).render(&maler);
        maler.end();
        bild.setDevicePixelRatio(dichte);
        m_lampen[lampe]->setPixmap(bild);
        m_lampen[lampe]->setFixedSize(seite, seite);
    }
}

void Zuschauerfenster::keyPressEvent(QKeyEvent* ereignis) {
    if (ereignis->key() == Qt::Key_F11) {
        emit vollbildGewuenscht();
        return;
    }
    if (m_tastenziel)
        QApplication::sendEvent(m_tastenziel, ereignis);
}

void Zuschauerfenster::mouseDoubleClickEvent(QMouseEvent*) {
    emit vollbildGewuenscht();
}

void Zuschauerfenster::resizeEvent(QResizeEvent* ereignis) {
    QWidget::resizeEvent(ereignis);
    masseSetzen();
}

void Zuschauerfenster::closeEvent(QCloseEvent* ereignis) {
    QWidget::closeEvent(ereignis);
    emit geschlossen();
}
