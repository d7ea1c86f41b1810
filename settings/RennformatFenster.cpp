#include "RennformatFenster.h"

#include "Zoomen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
// In the order of the list.
constexpr Zielregel Regeln[] = {Zielregel::Sofort, Zielregel::RundeBeenden,
                                Zielregel::FuehrenderBeendet};
constexpr Fehlstartregel Fehlstartregeln[] = {Fehlstartregel::Abbruch, Fehlstartregel::Zeitstrafe,
                                              Fehlstartregel::StopAndGo};
// The penalty fields, left to right: what they hold and their label.
constexpr QString RennformatAnsicht::*Strafzeiten[] = {&RennformatAnsicht::fehlstartstrafe,
                                                      &RennformatAnsicht::stopAndGoZeit,
                                                      &RennformatAnsicht::strafzeit};
} // namespace

RennformatFenster::RennformatFenster(RennformatLogik& logik, QWidget* eltern,
                                     const Massstab& massstab)
    : QDialog(eltern), m_logik(logik) {
    setWindowTitle(QStringLiteral("Rennformat"));
    setWindowIcon(QIcon(QStringLiteral(":/bilder/lineale.svg")));
    auto* spalte = new QVBoxLayout(this);
    m_runden =
        new QRadioButton(QStringLiteral("Rennen über Runden (Rundenzahl in den Optionen)"), this);
    m_zeit = new QRadioButton(QStringLiteral("Rennen auf Zeit: die größte Distanz gewinnt"), this);
    spalte->addWidget(m_runden);
    spalte->addWidget(m_zeit);

    auto* formular = new QFormLayout;
    m_dauer = new QLineEdit(this);
    m_dauer->setToolTip(QStringLiteral("m:ss, h:mm:ss oder ganze Minuten; 0:10 bis 10:00:00"));
    formular->addRow(QStringLiteral("Renndauer:"), m_dauer);
    m_regel = new QComboBox(this);
    m_regel->addItem(QStringLiteral("Sofort – bei Null ist das Rennen aus"));
    m_regel->addItem(QStringLiteral("Runde beenden – jeder Wagen fährt seine Runde zu Ende"));
    m_regel->addItem(QStringLiteral("Führender beendet – nach dem Führenden die nächste Runde"));
    formular->addRow(QStringLiteral("Zielregel:"), m_regel);
    bahnAnlegen(formular);
    m_streckenruf = new QCheckBox(QStringLiteral("Automatischer Streckenruf"), this);
    m_streckenruf->setToolTip(QStringLiteral("Das Rennen hält an, wenn ein Wagen überfällig ist"));
    formular->addRow(QString(), m_streckenruf);
    m_faktor = new QLineEdit(this);
    m_faktor->setToolTip(QStringLiteral("Überfällig nach so vielen mittleren Runden (Median) "
                                        "ohne Durchfahrt, ab der dritten Runde; 2 bis 10"));
    formular->addRow(QStringLiteral("Streckenruffaktor:"), m_faktor);
    connect(m_streckenruf, &QCheckBox::toggled, this,
            [this](bool an) { m_logik.ansicht.streckenrufautomatik = an; });
    connect(m_faktor, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_logik.ansicht.streckenruffaktor = text; });
    strafenAnlegen(formular);
    spalte->addLayout(formular);

    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    knoepfe->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    spalte->addWidget(knoepfe);

    connect(m_zeit, &QRadioButton::toggled, this, [this](bool an) {
        m_logik.ansicht.nachZeit = an;
        darstellen();
    });
    connect(m_dauer, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_logik.ansicht.dauer = text; });
    connect(m_regel, &QComboBox::activated, this,
            [this](int zeile) { m_logik.ansicht.zielregel = Regeln[zeile]; });
    connect(knoepfe, &QDialogButtonBox::accepted, this, [this] {
        if (m_logik.okGedrueckt())
            accept();
    });
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);

    zoomen(this, massstab);
    darstellen();
}

void RennformatFenster::bahnAnlegen(QFormLayout* formular) {
    m_spuren = new QSpinBox(this);
    m_spuren->setRange(KleinsteSpurenzahl, GroessteSpurenzahl);
    formular->addRow(QStringLiteral("Spuren:"), m_spuren);
    auto* freie = new QHBoxLayout;
    for (int spur = 1; spur <= GroessteSpurenzahl; ++spur) {
        QCheckBox*& kaestchen = m_frei[static_cast<std::size_t>(spur - 1)];
        kaestchen = new QCheckBox(QString::number(spur), this);
        kaestchen->setToolTip(
            QStringLiteral("Spur %1 bleibt frei: ihre Signale zählen nicht").arg(spur));
        freie->addWidget(kaestchen);
        connect(kaestchen, &QCheckBox::toggled, this, [this, spur](bool an) {
            const std::uint32_t bit = 1U << (spur - 1);
            m_logik.ansicht.freieSpuren =
                an ? m_logik.ansicht.freieSpuren | bit : m_logik.ansicht.freieSpuren & ~bit;
        });
    }
    freie->addStretch();
    formular->addRow(QStringLiteral("Freie Spuren:"), freie);
    m_nachSieger = new QCheckBox(
        QStringLiteral("Nach dem Sieger beendet die nächste Durchfahrt das Rennen jeder Spur"),
        this);
    formular->addRow(QString(), m_nachSieger);
    connect(m_spuren, &QSpinBox::valueChanged, this, [this](int anzahl) {
        m_logik.spuranzahlWaehlen(anzahl);
        darstellen();
    });
    connect(m_nachSieger, &QCheckBox::toggled, this,
            [this](bool an) { m_logik.ansicht.nachSiegerBeenden = an; });
}

void RennformatFenster::strafenAnlegen(QFormLayout* formular) {
    m_fehlstart = new QComboBox(this);
    m_fehlstart->addItem(QStringLiteral("Abbruch – das Rennen wird abgebrochen"));
    m_fehlstart->addItem(QStringLiteral("Zeitstrafe – der Countdown läuft weiter"));
    m_fehlstart->addItem(QStringLiteral("Stop and go – der Countdown läuft weiter"));
    formular->addRow(QStringLiteral("Fehlstart:"), m_fehlstart);
    connect(m_fehlstart, &QComboBox::activated, this,
            [this](int zeile) { m_logik.ansicht.fehlstartregel = Fehlstartregeln[zeile]; });
    const QString namen[] = {QStringLiteral("Fehlstart"), QStringLiteral("Stop and go"),
                             QStringLiteral("Rennleitung (Alt+Ziffer)")};
    auto* zeile = new QHBoxLayout;
    for (std::size_t i = 0; i < m_strafen.size(); ++i) {
        QLineEdit*& feld = m_strafen[i];
        feld = new QLineEdit(this);
        feld->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000")));
        feld->setToolTip(QStringLiteral("Sekunden, 1 bis 600"));
        zeile->addWidget(new QLabel(namen[i], this));
        zeile->addWidget(feld);
        connect(feld, &QLineEdit::textEdited, this,
                [this, i](const QString& text) { m_logik.ansicht.*Strafzeiten[i] = text; });
    }
    zeile->addStretch();
    formular->addRow(QStringLiteral("Strafen [s]:"), zeile);
}

void RennformatFenster::darstellen() {
    const RennformatAnsicht& a = m_logik.ansicht;
    const QSignalBlocker sperre(m_zeit);
    m_zeit->setChecked(a.nachZeit);
    m_runden->setChecked(!a.nachZeit);
    if (m_dauer->text() != a.dauer)
        m_dauer->setText(a.dauer);
    m_regel->setCurrentIndex(static_cast<int>(
        std::find(std::begin(Regeln), std::end(Regeln), a.zielregel) - std::begin(Regeln)));
    m_dauer->setEnabled(m_logik.zeitWaehlbar());
    m_regel->setEnabled(m_logik.zeitWaehlbar());
    {
        const QSignalBlocker spuren(m_spuren);
        m_spuren->setValue(a.spuranzahl);
    }
    for (int spur = 1; spur <= GroessteSpurenzahl; ++spur) {
        QCheckBox* kaestchen = m_frei[static_cast<std::size_t>(spur - 1)];
        const QSignalBlocker stumm(kaestchen);
        kaestchen->setChecked((a.freieSpuren >> (spur - 1)) & 1U);
        kaestchen->setVisible(spur <= a.spuranzahl);
    }
    {
        const QSignalBlocker streckenruf(m_streckenruf);
        m_streckenruf->setChecked(a.streckenrufautomatik);
    }
    if (m_faktor->text() != a.streckenruffaktor)
        m_faktor->setText(a.streckenruffaktor);
    m_fehlstart->setCurrentIndex(static_cast<int>(
        std::find(std::begin(Fehlstartregeln), std::end(Fehlstartregeln), a.fehlstartregel) -
        std::begin(Fehlstartregeln)));
    for (std::size_t i = 0; i < m_strafen.size(); ++i)
        if (m_strafen[i]->text() != a.*Strafzeiten[i])
            m_strafen[i]->setText(a.*Strafzeiten[i]);
    const QSignalBlocker sieger(m_nachSieger);
    m_nachSieger->setChecked(a.nachSiegerBeenden);
    m_nachSieger->setEnabled(m_logik.siegerregelWaehlbar());
}
