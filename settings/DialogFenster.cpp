#include "DialogFenster.h"

#include "Standardschrift.h"
#include "Twips.h"
#include "Zoomen.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <functional>

namespace {
QLabel* beschriftung(QWidget* eltern, const Massstab& m, const QString& text, int oben,
                     const QString& tipp = {}) {
    auto* label = new QLabel(text, eltern);
    label->setFont(standardschrift(m.punkt(24)));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setToolTip(tipp);
    platzieren(label, 120, oben, 3360, 600, m);
    return label;
}

QComboBox* auswahl(QWidget* eltern, const Massstab& m, const QStringList& eintraege, int oben,
                   const QString& tipp) {
    auto* combo = new QComboBox(eltern);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    // A number field takes what is typed: "1" completed to "10" would be stored unseen.
    combo->setCompleter(nullptr);
    combo->setFont(standardschrift(m.punkt(24)));
    combo->addItems(eintraege);
    combo->setToolTip(tipp);
    platzieren(combo, 3600, oben, 2280, 600, m);
    return combo;
}

bool innerhalb(const QWidget* widget, const QWidget* feld) {
    return widget && (widget == feld || feld->isAncestorOf(widget));
}
} // namespace

DialogFenster::DialogFenster(DialogLogik& logik, QWidget* eltern, const Massstab& massstab)
    : QDialog(eltern), m_logik(logik), m_massstab(massstab) {
    setWindowTitle(QStringLiteral("Optionen"));
    setWindowIcon(QIcon(QStringLiteral(":/bilder/lineale.svg")));
    setFixedSize(massstab.pixel(7755), massstab.pixel(7845));
    aufbauen();
    zoomen(this, massstab);
    connect(qApp, &QApplication::focusChanged, this, &DialogFenster::fokusGewechselt);
    darstellen();
}

void DialogFenster::aufbauen() {
    const Massstab& m = m_massstab;
    beschriftung(this, m, QStringLiteral("Runden:"), 120);
    m_CoRunden =
        auswahl(this, m,
                {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
                 QStringLiteral("5"), QStringLiteral("10"), QStringLiteral("15"),
                 QStringLiteral("20"), QStringLiteral("25"), QStringLiteral("30"),
                 QStringLiteral("40"), QStringLiteral("50"), QStringLiteral("100")},
                120, QStringLiteral("wieviel Runden soll Ihr Rennen/Training haben"));
    beschriftung(this, m, QStringLiteral("Kurslänge [m]:"), 1020);
    m_TeLaenge = new QLineEdit(this);
    m_TeLaenge->setFont(standardschrift(m.punkt(24)));
    m_TeLaenge->setToolTip(QStringLiteral("Länge Ihrer Rennbahn in Metern"));
    platzieren(m_TeLaenge, 3600, 1020, 2280, 600, m);
    beschriftung(this, m, QStringLiteral("Prellzeit in sec:"), 1980,
                 QStringLiteral("Erklärung der Prellzeit unter Hilfe"));
    QStringList sekunden;
    for (int s = 2; s <= 20; ++s)
        sekunden << QString::number(s);
    m_coPrellZeit =
        auswahl(this, m, sekunden, 1980,
                QStringLiteral(
                    "verwährt für die Prellzeit ein weiteres Signal nach einem gültigem Signal"));

    connect(m_TeLaenge, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_logik.ansicht.kurslaenge = text; });
    for (const auto& [kasten, ansichtsfeld] :
         {std::pair{m_CoRunden, &DialogAnsicht::rundenzahl},
          std::pair{m_coPrellZeit, &DialogAnsicht::prellzeit}}) {
        // Copies: clang 14 cannot capture a structured binding.
        QComboBox* combo = kasten;
        QString DialogAnsicht::*feld = ansichtsfeld;
        connect(combo->lineEdit(), &QLineEdit::textEdited, this,
                [this, feld](const QString& text) { m_logik.ansicht.*feld = text; });
        connect(combo, &QComboBox::activated, this,
                [this, combo, feld] { m_logik.ansicht.*feld = combo->currentText(); });
    }

    kaestchen(&DialogAnsicht::trainingsmodus, QStringLiteral("Trainingsmodus"), 2700,
              QStringLiteral("Trainings- oder Rennmodus"));
    kaestchen(&DialogAnsicht::spurwechsel, QStringLiteral("Spurwechsel Modus"), 3170,
              QStringLiteral("Gesamtwertung besteht aus 2 Rennen wo die Spuren von den Fahrern "
                             "nach dem ersten Rennen getauscht werden"));
    kaestchen(&DialogAnsicht::ohneCountdown, QStringLiteral("ohne Countdown starten"), 3640,
              QStringLiteral("der erste Fahrer der über Start fährt startet damit das Rennen"));
    kaestchen(&DialogAnsicht::klang, QStringLiteral("mit Soundausgaben"), 4080);
    kaestchen(&DialogAnsicht::beep, QStringLiteral("Ton nach jeder Runde"), 4470);
    kaestchen(&DialogAnsicht::schnellsterBeep,
              QStringLiteral("Ton nach schnellster Maximalgeschw."), 4935);
    kaestchen(&DialogAnsicht::permanentesLogging, QStringLiteral("permanentes Logging"), 5415,
              QStringLiteral("nach jedem Rennen wird das Ergebnis gespeichert"));
    kaestchen(&DialogAnsicht::hoechstgeschwindigkeit, QStringLiteral("Maximalgeschw. manuell"), 5880,
              QStringLiteral("Maximalgeschwindigkeit wird nicht automatisch nach jedem Rennen zu "
                             "Null gesetzt sondern mit Umschalt + M"));

    // The traffic-light button stays pressed while the plain discs are chosen.
    auto* ampel = new QPushButton(this);
    ampel->setCheckable(true);
    ampel->setIcon(QIcon(QStringLiteral(":/bilder/ampel-gruen.svg")));
    ampel->setIconSize(QSize(m.pixel(480), m.pixel(480)));
    ampel->setToolTip(QStringLiteral("wählt die Darstellung der Ampel"));
    platzieren(ampel, 300, 6360, 675, 675, m);
    connect(ampel, &QPushButton::clicked, this, [this](bool gedrueckt) {
        m_logik.ankreuzen(&DialogAnsicht::kreisscheiben, gedrueckt);
        nachAktion();
    });
    m_kaestchen.emplace_back(ampel, &DialogAnsicht::kreisscheiben);
    auto* label4 = new QLabel(QStringLiteral("Darstellung der Startampel"), this);
    label4->setToolTip(QStringLiteral(
        "Ampel- oder Kreisdarstellung (klicke einfach auf den Button mit der Grafik)"));
    platzieren(label4, 1080, 6540, 4800, 300, m);

    knopf(QStringLiteral("Rennergebnis in Datei speichern"), 300, 7260, 2760, 495,
          &DialogLogik::ergebnisSpeichern,
          QStringLiteral("speichert das aktuelle Rennergebnis in eine Textdatei (Umschalt + D)"));
    knopf(QStringLiteral("Maximalgeschw. zu Null setzen"), 3180, 7260, 2760, 495,
          &DialogLogik::hoechstgeschwindigkeitZuruecksetzen,
          QStringLiteral("setzt Maximalgeschwindigkeit zu Null (Umschalt + M)"));

    auto* linie = new QFrame(this);
    linie->setFrameShape(QFrame::VLine);
    linie->setFrameShadow(QFrame::Sunken);
    platzieren(linie, 6030, 0, 60, 7845, m);

    QPushButton* ok =
        knopf(QStringLiteral("OK"), 6300, 120, 1335, 375, &DialogLogik::okGedrueckt);
    ok->setDefault(true);
    auto* abbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    platzieren(abbrechen, 6300, 600, 1335, 375, m);
    connect(abbrechen, &QPushButton::clicked, this, &DialogFenster::reject);
    knopf(QStringLiteral("Hilfe"), 6300, 1440, 1335, 375, &DialogLogik::hilfeZeigen);
    knopf(QStringLiteral("Info"), 6300, 1920, 1335, 375, &DialogLogik::infoZeigen);
    knopf(QStringLiteral("Ansagen …"), 6300, 2400, 1335, 375, &DialogLogik::ansagenOeffnen,
          QStringLiteral("was während des Rennens gesprochen wird (Umschalt + A)"));
    auto* label5 = new QLabel(QStringLiteral("Hardware Setup:"), this);
    platzieren(label5, 6300, 2940, 1335, 240, m);
    knopf(QStringLiteral("COM ändern"), 6300, 3180, 1335, 375, &DialogLogik::portWechseln,
          QStringLiteral("ändern der seriellen Schnittstelle"));
    knopf(QStringLiteral("Sensortest"), 6300, 3660, 1335, 375, &DialogLogik::sensortestOeffnen,
          QStringLiteral("zeigt, was die Sensoren melden, und prüft die Prellzeit (Umschalt + T)"));

    m_checkRaceControl = new QCheckBox(QStringLiteral("Racecontrol"), this);
    m_checkRaceControl->setToolTip(QStringLiteral("Als Hardware wird Racecontrol benutzt"));
    platzieren(m_checkRaceControl, 6300, 6780, 1335, 375, m);
    connect(m_checkRaceControl, &QCheckBox::clicked, this, [this](bool an) {
        m_logik.ankreuzen(&DialogAnsicht::raceControl, an);
        nachAktion();
    });
    m_kaestchen.emplace_back(m_checkRaceControl, &DialogAnsicht::raceControl);
    // The caption wraps like a classic command button's.
    m_buRaceControl = knopf(QStringLiteral("Racecontrol\nkonfigurieren"), 6300, 7200, 1335, 555,
                            &DialogLogik::raceControlEinstellen);
}

QAbstractButton* DialogFenster::kaestchen(Kontrollkaestchen feld, const QString& text, int oben,
                                          const QString& tipp) {
    auto* box = new QCheckBox(text, this);
    box->setFont(standardschrift(m_massstab.punkt(12), true));
    box->setToolTip(tipp);
    platzieren(box, 300, oben, 5600, 420, m_massstab);
    connect(box, &QCheckBox::clicked, this, [this, feld](bool an) {
        m_logik.ankreuzen(feld, an);
        nachAktion();
    });
    m_kaestchen.emplace_back(box, feld);
    return box;
}

QPushButton* DialogFenster::knopf(const QString& text, int links, int oben, int breite, int hoehe,
                                  void (DialogLogik::*aktion)(), const QString& tipp) {
    auto* button = new QPushButton(text, this);
    button->setToolTip(tipp);
    button->setAutoDefault(false);
    platzieren(button, links, oben, breite, hoehe, m_massstab);
    connect(button, &QPushButton::clicked, this, [this, aktion] {
        vorKnopf(aktion);
        if (m_logik.geschlossen())
            return;
        // Not (m_logik.*aktion)(): GCC 12's vptr check misreads that form inside a lambda.
        std::invoke(aktion, m_logik);
        nachAktion();
    });
    return button;
}

std::vector<DialogFenster::Feldpruefung> DialogFenster::felder() const {
    return {{m_CoRunden, &DialogLogik::rundenzahlPruefen},
            {m_TeLaenge, &DialogLogik::kurslaengePruefen},
            {m_coPrellZeit, &DialogLogik::prellzeitPruefen},
            {m_checkRaceControl, &DialogLogik::raceControlVerlassen}};
}

// A field is checked when the focus moves from it to another control of this dialog, not
// when a message box or another window takes the focus. The check runs once the focus
// change is complete, so a message it shows does not interrupt it.
void DialogFenster::fokusGewechselt(QWidget* vorher, QWidget* jetzt) {
    if (!jetzt || jetzt->window() != this)
        return;
    for (const auto& [feld, pruefung] : felder()) {
        if (innerhalb(vorher, feld) && !innerhalb(jetzt, feld)) {
            m_offenePruefungen.push_back(pruefung);
            QMetaObject::invokeMethod(
                this, [this] { pruefungenNachholen(); }, Qt::QueuedConnection);
        }
    }
}

void DialogFenster::pruefungenNachholen() {
    for (const auto pruefung : std::exchange(m_offenePruefungen, {})) {
        if (m_logik.geschlossen())
            return;
        std::invoke(pruefung, m_logik);
        nachAktion();
    }
}

// A click arrives before the check of the field the focus left for the button; that check
// comes first. OK also leaves the field that still holds the focus, as the dialog closes.
void DialogFenster::vorKnopf(void (DialogLogik::*aktion)()) {
    if (aktion == &DialogLogik::okGedrueckt)
        for (const auto& [feld, pruefung] : felder())
            if (innerhalb(focusWidget(), feld))
                m_offenePruefungen.push_back(pruefung);
    pruefungenNachholen();
}

void DialogFenster::reject() {
    m_logik.abbrechenGedrueckt();
    QDialog::reject();
}

void DialogFenster::nachAktion() {
    if (m_logik.geschlossen()) {
        if (isVisible() && result() == 0)
            accept();
        return;
    }
    darstellen();
}

void DialogFenster::darstellen() {
    const DialogAnsicht& d = m_logik.ansicht;
    for (auto [combo, text] :
         {std::pair{m_CoRunden, d.rundenzahl}, std::pair{m_coPrellZeit, d.prellzeit}}) {
        if (combo->currentText() != text) {
            const QSignalBlocker sperre(combo);
            combo->setEditText(text);
        }
    }
    if (m_TeLaenge->text() != d.kurslaenge)
        m_TeLaenge->setText(d.kurslaenge);
    for (const auto& [box, feld] : m_kaestchen) {
        const QSignalBlocker sperre(box);
        box->setChecked(d.*feld);
    }
    m_buRaceControl->setEnabled(d.raceControlKnopfAktiv);
}
