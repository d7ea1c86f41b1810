#include "FRaceControl.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {

struct Feldbeschriftung {
    QString name;
    QString label;
    QString tooltip;
};

Feldbeschriftung beschriftung(RaceControlEinstellungen::Feld feld) {
    switch (feld) {
    case RaceControlEinstellungen::Feld::teEmpfindlichkeit:
        return {QStringLiteral("teEmpfindlichkeit"), QStringLiteral("Sensorempfindlichkeit:"),
                QStringLiteral("zwischen 0 und 130")};
    case RaceControlEinstellungen::Feld::teVerzoegerung:
        return {QStringLiteral("teVerzoegerung"), QStringLiteral("Mindestsignaldauer in ms:"),
                QStringLiteral("zwischen 0 und 50")};
    case RaceControlEinstellungen::Feld::teNachlauf:
        return {QStringLiteral("teNachlauf"), QStringLiteral("Signalabschaltung nach Signal:"),
                QStringLiteral("zwischen 0 und 15")};
    }
    return {};
}

// The focus changes the user makes; those the program or another window cause (a message
// box opening, the focus put back) check nothing.
bool vomBenutzer(Qt::FocusReason grund) {
    return grund == Qt::TabFocusReason || grund == Qt::BacktabFocusReason ||
           grund == Qt::MouseFocusReason || grund == Qt::ShortcutFocusReason;
}

} // namespace

FRaceControl::FRaceControl(RaceControlEinstellungen& logik, QWidget* parent)
    : QDialog(parent), m_logik(logik) {
    setObjectName(QStringLiteral("fRaceControl"));
    setWindowTitle(QStringLiteral("Einstellungen für Racecontrol"));
    m_logik.oeffnen();

    auto* raster = new QGridLayout(this);
    for (Feld feld : RaceControlEinstellungen::Felder) {
        const Feldbeschriftung b = beschriftung(feld);
        auto* textfeld = new QLineEdit(m_logik.text(feld), this);
        textfeld->setObjectName(b.name);
        textfeld->setToolTip(b.tooltip);
        textfeld->installEventFilter(this);
        connect(textfeld, &QLineEdit::textChanged, this,
                [this, feld](const QString& text) { m_logik.text(feld) = text; });
        auto* label = new QLabel(b.label, this);
        label->setBuddy(textfeld);
        const int zeile = raster->rowCount();
        raster->addWidget(label, zeile, 0);
        raster->addWidget(textfeld, zeile, 1);
        m_felder[static_cast<std::size_t>(feld)] = textfeld;
    }

    m_checkSZsensorTausch =
        new QCheckBox(QStringLiteral("Start / Ziel Sensor getauscht R/L"), this);
    m_checkSZsensorTausch->setObjectName(QStringLiteral("checkSZsensorTausch"));
    m_checkSZsensorTausch->setChecked(m_logik.checkSZsensorTausch);
    connect(m_checkSZsensorTausch, &QCheckBox::toggled, this,
            [this](bool an) { m_logik.checkSZsensorTausch = an; });
    raster->addWidget(m_checkSZsensorTausch, raster->rowCount(), 0, 1, 2);

    auto* knoepfe = new QDialogButtonBox(this);
    auto* version = knoepfe->addButton(QStringLiteral("Version?"), QDialogButtonBox::ActionRole);
    version->setObjectName(QStringLiteral("buVersionDLL"));
    version->setToolTip(QStringLiteral("Version der Racecontrol-DLL"));
    connect(version, &QPushButton::clicked, this, [this] { m_logik.bibliotheksversionZeigen(); });
    auto* ok = knoepfe->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &FRaceControl::bestaetigen);
    m_cancelButton = knoepfe->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    m_cancelButton->setObjectName(QStringLiteral("CancelButton"));
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    raster->addWidget(knoepfe, raster->rowCount(), 0, 1, 2);
}

QLineEdit* FRaceControl::textfeld(Feld feld) const {
    return m_felder[static_cast<std::size_t>(feld)];
}

bool FRaceControl::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (ereignis->type() == QEvent::FocusOut &&
        vomBenutzer(static_cast<QFocusEvent*>(ereignis)->reason()) &&
        QApplication::focusWidget() != m_cancelButton) {
        for (Feld feld : RaceControlEinstellungen::Felder) {
            // Checked once the focus change is over: a message box must not open in the
            // middle of it.
            if (objekt == textfeld(feld))
                QTimer::singleShot(0, this, [this, feld] { pruefen(feld); });
        }
    }
    return QDialog::eventFilter(objekt, ereignis);
}

void FRaceControl::pruefen(Feld feld) {
    // Meanwhile OK may have checked the field and put the focus back, or closed the window.
    if (!isVisible() || textfeld(feld)->hasFocus())
        return;
    if (!m_logik.Validate(feld))
        fokusHalten(feld);
}

void FRaceControl::bestaetigen() {
    if (const std::optional<Feld> feld = m_logik.okGedrueckt())
        fokusHalten(*feld);
    else
        accept();
}

void FRaceControl::fokusHalten(Feld feld) {
    textfeld(feld)->setFocus();
    textfeld(feld)->selectAll();
}
