#include "RennabendFenster.h"

#include "Pdfdruck.h"
#include "Punkteliste.h"
#include "QtFarbe.h"
#include "Zoomen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStringListModel>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {
// The qualifying's choices, in the order of the list.
struct Qualifikationswahl {
    std::optional<Qualifikationsart> art;
    bool aufJederSpur = false;
    QString text;
};
const Qualifikationswahl Qualifikationswahlen[] = {
    {std::nullopt, false, QStringLiteral("keine")},
    {Qualifikationsart::BesteRunde, false, QStringLiteral("beste Runde")},
    {Qualifikationsart::BesteRunde, true, QStringLiteral("beste Runde auf jeder Spur")},
    {Qualifikationsart::MeisteRunden, false, QStringLiteral("meiste Runden")},
    {Qualifikationsart::MeisteRunden, true, QStringLiteral("meiste Runden auf jeder Spur")},
};
} // namespace

RennabendFenster::RennabendFenster(RennabendLogik& logik, const Rennabendregeln& regeln,
                                   QWidget* eltern, const Massstab& massstab)
    : QDialog(eltern), m_logik(logik), m_regeln(regeln) {
    setWindowTitle(QStringLiteral("Rennabend"));
    auto* raster = new QGridLayout(this);

    auto* neu = new QGroupBox(QStringLiteral("Neuer Abend"), this);
    m_neu = neu;
    auto* neuZeilen = new QGridLayout(neu);
    m_namen = new QLineEdit(neu);
    m_namen->setPlaceholderText(QStringLiteral("Anna, Bert, Carla"));
    m_vorschlaege = new QCompleter(new QStringListModel(this), this);
    m_vorschlaege->setCaseSensitivity(Qt::CaseInsensitive);
    m_format = new QComboBox(neu);
    for (Rennabendformat f : {Rennabendformat::JederGegenJeden, Rennabendformat::Rotation,
                              Rennabendformat::Spurrotation})
        m_format->addItem(rennabendformatText(f), static_cast<int>(f));
    m_format->setCurrentIndex(m_format->findData(static_cast<int>(regeln.format)));
    m_wertung = new QComboBox(neu);
    for (Abendwertung w :
         {Abendwertung::Siege, Abendwertung::Gesamtrunden, Abendwertung::Platzpunkte})
        m_wertung->addItem(abendwertungText(w), static_cast<int>(w));
    m_wertung->setCurrentIndex(m_wertung->findData(static_cast<int>(regeln.wertung)));
    m_platzpunkte = new QLineEdit(punktelisteText(regeln.platzpunkte), neu);
    m_saison = new QLineEdit(logik.ansicht().saison, neu);
    m_saison->setPlaceholderText(QStringLiteral("ohne Saison"));
    m_finale = new QCheckBox(QStringLiteral("mit &Finale der zwei Besten"), neu);
    m_finale->setChecked(regeln.finale);
    // With a qualifying the night drives it first, then its mains A, B, …; with the bump-up
    // each main's winner moves up into the one above.
    m_qualifikation = new QComboBox(neu);
    for (const Qualifikationswahl& wahl : Qualifikationswahlen) {
        m_qualifikation->addItem(wahl.text);
        if (wahl.art == regeln.qualifikation &&
            (!wahl.art || wahl.aufJederSpur == regeln.qualifikationAufJederSpur))
            m_qualifikation->setCurrentIndex(m_qualifikation->count() - 1);
    }
    m_aufsteiger = new QCheckBox(QStringLiteral("A&ufsteiger"), neu);
    m_aufsteiger->setChecked(regeln.aufsteiger);
    m_hauptlaufrotation = new QCheckBox(QStringLiteral("als R&otation"), neu);
    m_hauptlaufrotation->setChecked(regeln.hauptlaufmodus == Hauptlaufmodus::Rotation);
    m_hauptlaufrotation->setToolTip(
        QStringLiteral("Jeder Hauptlauf als Rotation: jeder seiner Fahrer fährt jede Spur einmal"));
    m_qualifikation->setToolTip(QStringLiteral("Erst die Qualifikation, dann die Hauptläufe A, "
                                               "B, … nach ihrer Startaufstellung"));
    m_aufsteiger->setToolTip(QStringLiteral("Der Sieger jedes Hauptlaufs fährt im Hauptlauf "
                                            "darüber auf dessen letzter Spur"));
    m_beginnen = new QPushButton(QStringLiteral("Abend &beginnen"), neu);
    neuZeilen->addWidget(new QLabel(QStringLiteral("Fahrer (mit Komma getrennt):"), neu), 0, 0);
    neuZeilen->addWidget(m_namen, 0, 1, 1, 2);
    neuZeilen->addWidget(new QLabel(QStringLiteral("Format:"), neu), 1, 0);
    neuZeilen->addWidget(m_format, 1, 1);
    auto* wertung = new QLabel(QStringLiteral("&Wertung:"), neu);
    wertung->setBuddy(m_wertung);
    neuZeilen->addWidget(wertung, 2, 0);
    neuZeilen->addWidget(m_wertung, 2, 1);
    neuZeilen->addWidget(m_platzpunkte, 2, 2);
    auto* saison = new QLabel(QStringLiteral("S&aison:"), neu);
    saison->setBuddy(m_saison);
    neuZeilen->addWidget(saison, 3, 0);
    neuZeilen->addWidget(m_saison, 3, 1);
    neuZeilen->addWidget(m_finale, 3, 2);
    auto* qualifikation = new QLabel(QStringLiteral("&Qualifikation:"), neu);
    qualifikation->setBuddy(m_qualifikation);
    neuZeilen->addWidget(qualifikation, 4, 0);
    neuZeilen->addWidget(m_qualifikation, 4, 1);
    auto* hauptlaeufe = new QHBoxLayout;
    hauptlaeufe->addWidget(m_aufsteiger);
    hauptlaeufe->addWidget(m_hauptlaufrotation);
    hauptlaeufe->addStretch();
    neuZeilen->addLayout(hauptlaeufe, 4, 2);
    // Beside the format, so the form is no taller than before the qualifying came.
    neuZeilen->addWidget(m_beginnen, 1, 2);
    raster->addWidget(neu, 0, 0, 1, 2);

    m_naechstes = new QLabel(this);
    QFont fett = m_naechstes->font();
    fett.setBold(true);
    m_naechstes->setFont(fett);
    m_neuerAbend = new QPushButton(QStringLiteral("N&euer Abend …"), this);
    auto* kopf = new QHBoxLayout;
    kopf->addWidget(m_naechstes);
    kopf->addStretch();
    kopf->addWidget(m_neuerAbend);
    raster->addLayout(kopf, 1, 0, 1, 2);

    auto* fahrer = new QGroupBox(QStringLiteral("Fahrer"), this);
    auto* fahrerSpalte = new QVBoxLayout(fahrer);
    m_fahrer = new QListWidget(fahrer);
    m_neuer = new QLineEdit(fahrer);
    m_neuer->setPlaceholderText(QStringLiteral("Name"));
    m_neuer->setCompleter(m_vorschlaege);
    m_hinzufuegen = new QPushButton(QStringLiteral("&Dazu"), fahrer);
    m_entfernen = new QPushButton(QStringLiteral("&Scheidet aus"), fahrer);
    auto* neuZeile = new QHBoxLayout;
    neuZeile->addWidget(m_neuer);
    neuZeile->addWidget(m_hinzufuegen);
    fahrerSpalte->addWidget(m_fahrer);
    fahrerSpalte->addLayout(neuZeile);
    fahrerSpalte->addWidget(m_entfernen);
    raster->addWidget(fahrer, 2, 0);

    auto* plan = new QGroupBox(QStringLiteral("Plan"), this);
    auto* planSpalte = new QVBoxLayout(plan);
    m_plan = new QTableWidget(plan);
    m_plan->setObjectName(QStringLiteral("plan"));
    m_plan->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_plan->setSelectionMode(QAbstractItemView::NoSelection);
    m_plan->verticalHeader()->hide();
    m_plan->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_wiederholen = new QPushButton(QStringLiteral("Letzte &wiederholen"), plan);
    m_ueberspringen = new QPushButton(QStringLiteral("&Nächste überspringen"), plan);
    m_laufplan = new QPushButton(QStringLiteral("&Laufplan als PDF …"), plan);
    auto* planKnoepfe = new QHBoxLayout;
    planKnoepfe->addWidget(m_wiederholen);
    planKnoepfe->addWidget(m_ueberspringen);
    planKnoepfe->addWidget(m_laufplan);
    planSpalte->addWidget(m_plan);
    planSpalte->addLayout(planKnoepfe);
    raster->addWidget(plan, 2, 1);

    auto* stand = new QGroupBox(QStringLiteral("Tabelle"), this);
    auto* standSpalte = new QVBoxLayout(stand);
    m_tabelle = new QTableWidget(stand);
    m_tabelle->setObjectName(QStringLiteral("tabelle"));
    m_tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tabelle->verticalHeader()->hide();
    m_tabelle->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_tabelle->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_pdf = new QPushButton(QStringLiteral("Als &PDF …"), stand);
    m_csv = new QPushButton(QStringLiteral("Als &CSV …"), stand);
    auto* schliessen = new QPushButton(QStringLiteral("Schließen"), stand);
    auto* standKnoepfe = new QHBoxLayout;
    standKnoepfe->addWidget(m_pdf);
    standKnoepfe->addWidget(m_csv);
    standKnoepfe->addStretch();
    standKnoepfe->addWidget(schliessen);
    standSpalte->addWidget(m_tabelle);
    standSpalte->addLayout(standKnoepfe);
    raster->addWidget(stand, 3, 0, 1, 2);

    connect(m_beginnen, &QPushButton::clicked, this, [this] {
        Rennabendregeln r = m_regeln;
        r.format = static_cast<Rennabendformat>(m_format->currentData().toInt());
        r.wertung = static_cast<Abendwertung>(m_wertung->currentData().toInt());
        r.finale = m_finale->isChecked();
        const Qualifikationswahl& wahl =
            Qualifikationswahlen[static_cast<std::size_t>(m_qualifikation->currentIndex())];
        r.qualifikation = wahl.art;
        r.qualifikationAufJederSpur = wahl.aufJederSpur;
        r.aufsteiger = m_aufsteiger->isChecked();
        r.hauptlaufmodus = m_hauptlaufrotation->isChecked() ? Hauptlaufmodus::Rotation
                                                            : Hauptlaufmodus::Einzellauf;
        if (m_logik.beginnen(m_namen->text(), r, m_saison->text(), m_platzpunkte->text())) {
            m_namen->clear();
            m_neuGezeigt = false;
        }
        darstellen();
    });
    connect(m_neuerAbend, &QPushButton::clicked, this, [this] {
        m_neuGezeigt = true;
        darstellen();
        m_namen->setFocus();
    });
    connect(m_hinzufuegen, &QPushButton::clicked, this, [this] {
        m_logik.hinzufuegen(m_neuer->text());
        m_neuer->clear();
        darstellen();
    });
    connect(m_entfernen, &QPushButton::clicked, this, [this] {
        if (const QListWidgetItem* zeile = m_fahrer->currentItem())
            m_logik.entfernen(zeile->text());
        darstellen();
    });
    connect(m_wiederholen, &QPushButton::clicked, this, [this] {
        m_logik.wiederholen();
        darstellen();
    });
    connect(m_ueberspringen, &QPushButton::clicked, this, [this] {
        m_logik.ueberspringen();
        darstellen();
    });
    connect(m_pdf, &QPushButton::clicked, this, [this] { speichern(true); });
    connect(m_laufplan, &QPushButton::clicked, this, &RennabendFenster::laufplanSpeichern);
    connect(m_csv, &QPushButton::clicked, this, [this] { speichern(false); });
    connect(schliessen, &QPushButton::clicked, this, &QDialog::accept);

    resize(760, 620);
    zoomen(this, massstab);
    darstellen();
}

void RennabendFenster::bekannteNamen(const QStringList& namen) {
    static_cast<QStringListModel*>(m_vorschlaege->model())->setStringList(namen);
}

void RennabendFenster::darstellen() {
    const RennabendAnsicht a = m_logik.ansicht();
    m_neu->setVisible(!a.laeuft || m_neuGezeigt);
    m_neuerAbend->setVisible(a.laeuft && !m_neuGezeigt);
    // During a night the room the form leaves goes to the standings.
    static_cast<QGridLayout*>(layout())->setRowStretch(3, a.laeuft ? 1 : 0);
    m_naechstes->setText(a.alsNaechstes);
    m_naechstes->setVisible(!a.alsNaechstes.isEmpty());
    m_fahrer->clear();
    for (const Teilnehmer& t : a.fahrer) {
        auto* zeile = new QListWidgetItem(t.name, m_fahrer);
        zeile->setBackground(qtFarbe(t.farbe));
        zeile->setForeground(Qt::black);
    }
    m_plan->setColumnCount(static_cast<int>(a.plankopf.size()));
    m_plan->setHorizontalHeaderLabels(a.plankopf);
    m_plan->setRowCount(static_cast<int>(a.plan.size()));
    for (std::size_t r = 0; r < a.plan.size(); ++r) {
        const Planzeile& p = a.plan[r];
        const QStringList zellen = QStringList{p.nummer} + p.spuren + QStringList{p.stand};
        for (qsizetype s = 0; s < zellen.size(); ++s) {
            auto* zelle = new QTableWidgetItem(zellen[s]);
            QFont schrift = zelle->font();
            schrift.setBold(p.naechste);
            zelle->setFont(schrift);
            m_plan->setItem(static_cast<int>(r), static_cast<int>(s), zelle);
        }
        if (p.naechste)
            m_plan->scrollToItem(m_plan->item(static_cast<int>(r), 0));
    }
    m_tabelle->setColumnCount(static_cast<int>(a.tabellenkopf.size()));
    m_tabelle->setHorizontalHeaderLabels(a.tabellenkopf);
    m_tabelle->setRowCount(static_cast<int>(a.tabelle.size()));
    for (std::size_t r = 0; r < a.tabelle.size(); ++r)
        for (qsizetype s = 0; s < a.tabelle[r].size(); ++s)
            m_tabelle->setItem(static_cast<int>(r), static_cast<int>(s),
                               new QTableWidgetItem(a.tabelle[r][s]));
    // The names take what room is left; the figures keep their width.
    m_tabelle->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    // Its rows measured now, not when first painted, so that the window can make room.
    m_tabelle->resizeRowsToContents();
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_neuer, m_hinzufuegen, m_entfernen, m_wiederholen,
                                         m_ueberspringen, m_laufplan, m_pdf, m_csv})
        w->setEnabled(a.laeuft);
    if (isVisible())
        einpassen();
}

void RennabendFenster::showEvent(QShowEvent* ereignis) {
    QDialog::showEvent(ereignis);
    einpassen();
}

void RennabendFenster::einpassen() {
    layout()->activate();
    const int fehlt = m_tabelle->verticalHeader()->length() - m_tabelle->viewport()->height();
    if (fehlt <= 0)
        return;
    const QRect platz = screen()->availableGeometry();
    // The title bar and frame, which a window not mapped yet does not know of.
    const int rahmen = std::max(frameGeometry().height() - height(), 40);
    resize(width(), std::min(height() + fehlt, platz.height() - rahmen));
    if (frameGeometry().bottom() > platz.bottom())
        move(x(), std::max(platz.top(), platz.bottom() - frameGeometry().height()));
}

void RennabendFenster::laufplanSpeichern() {
    const QString pfad =
        QFileDialog::getSaveFileName(this, QStringLiteral("Laufplan als PDF"),
                                     QStringLiteral("laufplan.pdf"), QStringLiteral("PDF (*.pdf)"));
    if (pfad.isEmpty())
        return;
    if (const std::optional<QString> fehler =
            tabelleSchreiben(pfad, m_logik.laufplan(), Tabellenformat::Pdf, pdfSchreiben))
        QMessageBox::warning(this, QStringLiteral("Rennabend"), *fehler);
}

void RennabendFenster::speichern(bool alsPdf) {
    const QString pfad = QFileDialog::getSaveFileName(
        this, alsPdf ? QStringLiteral("Tabelle als PDF") : QStringLiteral("Tabelle als CSV"),
        alsPdf ? QStringLiteral("rennabend.pdf") : QStringLiteral("rennabend.csv"),
        alsPdf ? QStringLiteral("PDF (*.pdf)") : QStringLiteral("CSV (*.csv)"));
    if (pfad.isEmpty())
        return;
    if (const std::optional<QString> fehler =
            tabelleSchreiben(pfad, m_logik.tabelle(),
                             alsPdf ? Tabellenformat::Pdf : Tabellenformat::Csv, pdfSchreiben))
        QMessageBox::warning(this, QStringLiteral("Rennabend"), *fehler);
}
