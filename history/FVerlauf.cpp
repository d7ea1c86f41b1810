#include "FVerlauf.h"

#include "Namenspaarfeld.h"
#include "Pdfdruck.h"
#include "Rennlistenmodell.h"
#include "Verlaufsdiagramm.h"
#include "Zoomen.h"

#include <QChartView>
#include <QFileDialog>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QStackedWidget>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
// The file dialog; a name without a known ending takes the chosen type's.
QString dateiFragen(QWidget* eltern, const QString& vorschlag) {
    const QString csv = QStringLiteral("CSV für Tabellenkalkulationen (*.csv)");
    const QString json = QStringLiteral("JSON (*.json)");
    QString typ = csv;
    QString pfad = QFileDialog::getSaveFileName(eltern, QStringLiteral("Rennverlauf exportieren"),
                                                vorschlag, csv + QStringLiteral(";;") + json, &typ);
    if (!pfad.isEmpty() && !pfad.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive) &&
        !pfad.endsWith(QStringLiteral(".json"), Qt::CaseInsensitive))
        pfad += typ == json ? QStringLiteral(".json") : QStringLiteral(".csv");
    return pfad;
}

QLabel* zeile(const QString& name, QWidget* eltern, double punkt = 0, bool fett = false) {
    auto* label = new QLabel(eltern);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    if (punkt > 0 || fett) {
        QFont schrift = label->font();
        if (punkt > 0)
            schrift.setPointSizeF(punkt);
        schrift.setBold(fett);
        label->setFont(schrift);
    }
    return label;
}
} // namespace

FVerlauf::FVerlauf(VerlaufLogik& logik, QWidget* eltern, const Massstab& massstab,
                   Dateiwahl dateiwahl)
    : QDialog(eltern), m_logik(logik), m_massstab(massstab),
      m_dateiwahl(dateiwahl ? std::move(dateiwahl) : Dateiwahl(dateiFragen)) {
    setWindowTitle(QStringLiteral("Rennverlauf"));
    setWindowIcon(QIcon(QStringLiteral(":/bilder/symbol.svg")));
    QSize groesse = m_massstab.skaliert(QSize(940, 640));
    if (const QScreen* bildschirm = eltern ? eltern->screen() : screen())
        groesse = groesse.boundedTo(bildschirm->availableGeometry().size());
    resize(groesse);
    schriftZoomen(this, m_massstab);
    aufbauen();
    stilZoomen(this, m_massstab);
    darstellen();
    // The database answers later; the window shows each answer as it comes.
    m_logik.beiAenderung([this] { darstellen(); });
}

FVerlauf::~FVerlauf() {
    m_logik.beiAenderung({});
}

void FVerlauf::aufbauen() {
    auto* spalte = new QVBoxLayout(this);
    m_hinweis = zeile(QStringLiteral("hinweis"), this, 0, true);
    spalte->addWidget(m_hinweis);
    m_seiten = new QStackedWidget(this);
    spalte->addWidget(m_seiten, 1);
    m_tasten = zeile(QStringLiteral("tasten"), this);
    spalte->addWidget(m_tasten);

    auto* liste = new QWidget(m_seiten);
    auto* listenspalte = new QVBoxLayout(liste);
    listenspalte->setContentsMargins(0, 0, 0, 0);
    m_filter = new QLineEdit(liste);
    m_filter->setObjectName(QStringLiteral("filter"));
    m_filter->setPlaceholderText(QStringLiteral("Fahrer: tippen, um die Liste zu filtern"));
    m_filter->setClearButtonEnabled(true);
    // The keyboard stays on the list, which hands typed letters to the filter.
    m_filter->setFocusPolicy(Qt::ClickFocus);
    listenspalte->addWidget(m_filter);
    m_liste = new QTableView(liste);
    m_liste->setObjectName(QStringLiteral("liste"));
    m_modell = new Rennlistenmodell(m_liste);
    m_liste->setModel(m_modell);
    m_liste->setItemDelegateForColumn(3, new Namenspaarfeld(m_liste));
    m_liste->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_liste->setSelectionMode(QAbstractItemView::SingleSelection);
    m_liste->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_liste->setTabKeyNavigation(false);
    m_liste->verticalHeader()->hide();
    m_liste->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_liste->verticalHeader()->setDefaultSectionSize(m_liste->fontMetrics().height() +
                                                     m_massstab.skaliert(6));
    m_liste->horizontalHeader()->setStretchLastSection(true);
    for (const auto& [spalte, breite] :
         {std::pair{0, 50}, {1, 120}, {2, 95}, {3, 230}, {4, 60}, {5, 130}})
        m_liste->setColumnWidth(spalte, m_massstab.skaliert(breite));
    m_liste->installEventFilter(this);
    listenspalte->addWidget(m_liste, 1);
    m_leer = zeile(QStringLiteral("leer"), liste);
    m_leer->setAlignment(Qt::AlignCenter);
    listenspalte->addWidget(m_leer);
    m_seiten->addWidget(liste);

    auto* seite = new QWidget(m_seiten);
    auto* seitenspalte = new QVBoxLayout(seite);
    seitenspalte->setContentsMargins(0, 0, 0, 0);
    m_ueberschrift = zeile(QStringLiteral("ueberschrift"), seite, m_massstab.punkt(14), true);
    seitenspalte->addWidget(m_ueberschrift);
    m_angaben = zeile(QStringLiteral("angaben"), seite);
    seitenspalte->addWidget(m_angaben);
    m_diagramm = new QChartView(seite);
    m_diagramm->setRenderHint(QPainter::Antialiasing);
    m_diagramm->setFocusPolicy(Qt::NoFocus);
    seitenspalte->addWidget(m_diagramm, 1);
    m_tabelle = new QTableWidget(seite);
    m_tabelle->setObjectName(QStringLiteral("tabelle"));
    m_tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tabelle->setFocusPolicy(Qt::NoFocus);
    m_tabelle->verticalHeader()->hide();
    m_tabelle->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_tabelle->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    seitenspalte->addWidget(m_tabelle, 1);
    m_seiten->addWidget(seite);

    connect(m_filter, &QLineEdit::textEdited, this,
            [this](const QString& text) { weiterleiten([&] { m_logik.filterSetzen(text); }); });
    connect(m_liste->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            // The key line follows the race chosen: its lanes are the drivers' keys.
            [this](const QModelIndex& index) {
                weiterleiten([&] { m_logik.auswahlSetzen(index.row()); });
            });
    connect(m_liste, &QTableView::doubleClicked, this,
            [this] { weiterleiten([&] { m_logik.oeffnen(); }); });
}

template <typename Aktion> void FVerlauf::weiterleiten(Aktion aktion) {
    aktion();
    darstellen();
}

void FVerlauf::darstellen() {
    const VerlaufAnsicht& a = m_logik.ansicht();
    m_hinweis->setText(a.hinweis);
    m_hinweis->setVisible(!a.hinweis.isEmpty());
    m_tasten->setText(a.tasten);
    const bool liste = a.seite == VerlaufAnsicht::Seite::Liste;
    m_seiten->setCurrentIndex(liste ? 0 : 1);
    if (liste) {
        if (m_filter->text() != a.filter)
            m_filter->setText(a.filter);
        m_modell->darstellen(a.zeilen);
        m_leer->setText(a.leertext);
        m_leer->setVisible(a.zeilen.empty());
        if (a.auswahl >= 0 && m_liste->currentIndex().row() != a.auswahl)
            m_liste->setCurrentIndex(m_modell->index(a.auswahl, 0));
        m_liste->setFocus();
        return;
    }
    m_ueberschrift->setText(a.ueberschrift);
    m_angaben->setText(a.angaben.join(QLatin1Char('\n')));
    m_diagramm->setVisible(a.tabellenkopf.isEmpty());
    m_tabelle->setVisible(!a.tabellenkopf.isEmpty());
    m_tabelle->setColumnCount(static_cast<int>(a.tabellenkopf.size()));
    m_tabelle->setHorizontalHeaderLabels(a.tabellenkopf);
    m_tabelle->clearSpans();
    m_tabelle->setRowCount(static_cast<int>(a.tabelle.size()));
    for (std::size_t r = 0; r < a.tabelle.size(); ++r)
        for (qsizetype s = 0; s < a.tabelle[r].size(); ++s)
            m_tabelle->setItem(static_cast<int>(r), static_cast<int>(s),
                               new QTableWidgetItem(a.tabelle[r][s]));
    // A class's table begins under a bold heading across the columns.
    for (std::size_t r : a.tabellentitel) {
        const int zeile = static_cast<int>(r);
        m_tabelle->setSpan(zeile, 0, 1, std::max(m_tabelle->columnCount(), 1));
        if (QTableWidgetItem* titel = m_tabelle->item(zeile, 0)) {
            QFont schrift = titel->font();
            schrift.setBold(true);
            titel->setFont(schrift);
        }
    }
    if (!(a.diagramm == m_gezeigtesDiagramm) || !m_diagramm->chart()) {
        QChart* alt = m_diagramm->chart();
        m_diagramm->setChart(diagrammBauen(a.diagramm, m_massstab));
        delete alt;
        m_gezeigtesDiagramm = a.diagramm;
    }
    setFocus();
}

// The keys of a race's correction; Del and Esc are the page's own and the logic knows them.
bool FVerlauf::korrekturbefehl(QKeyEvent* e) {
    const bool strg = e->modifiers() & Qt::ControlModifier;
    switch (e->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
        weiterleiten([&] { m_logik.korrekturSpur(e->key() == Qt::Key_Left ? -1 : 1); });
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
        weiterleiten([&] { m_logik.korrekturRunde(e->key() == Qt::Key_Up ? -1 : 1); });
        return true;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        weiterleiten([&] { m_logik.korrekturRunde(e->key() == Qt::Key_PageUp ? -10 : 10); });
        return true;
    case Qt::Key_Insert: weiterleiten([&] { m_logik.durchfahrtEinfuegen(strg); }); return true;
    case Qt::Key_Z:
        if (!strg)
            return false;
        weiterleiten([&] { m_logik.korrekturRueckgaengig(); });
        return true;
    case Qt::Key_S:
        if (strg)
            return false;
        if (e->modifiers() & Qt::ShiftModifier)
            weiterleiten([&] { m_logik.strafeZuruecknehmen(); });
        else
            weiterleiten([&] { m_logik.strafeGeben(); });
        return true;
    default: return false;
    }
}

bool FVerlauf::befehl(QKeyEvent* e) {
    const bool strg = e->modifiers() & Qt::ControlModifier;
    if (m_logik.ansicht().korrektur && korrekturbefehl(e))
        return true;
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: weiterleiten([&] { m_logik.oeffnen(); }); return true;
    case Qt::Key_Escape:
        weiterleiten([&] {
            if (!m_logik.zurueck())
                reject();
        });
        return true;
    case Qt::Key_Delete: weiterleiten([&] { m_logik.loeschen(); }); return true;
    case Qt::Key_1:
    case Qt::Key_2:
    case Qt::Key_3:
    case Qt::Key_4:
    case Qt::Key_5:
    case Qt::Key_6:
    case Qt::Key_7:
    case Qt::Key_8:
        if (!strg)
            return false;
        weiterleiten([&] { m_logik.fahrerOeffnen(e->key() - Qt::Key_0); });
        return true;
    case Qt::Key_E:
        if (!strg)
            return false;
        weiterleiten([&] { m_logik.exportieren(m_dateiwahl(this, m_logik.exportvorschlag())); });
        return true;
    case Qt::Key_K:
        if (strg || m_logik.ansicht().seite != VerlaufAnsicht::Seite::Rennen)
            return false;
        weiterleiten([&] { m_logik.korrigieren(); });
        return true;
    case Qt::Key_P:
        if (strg && m_logik.ansicht().seite == VerlaufAnsicht::Seite::Saison) {
            saisonDrucken();
            return true;
        }
        if (strg || m_logik.ansicht().seite != VerlaufAnsicht::Seite::Rennen)
            return false;
        weiterleiten([&] { m_logik.neuBewerten(); });
        return true;
    case Qt::Key_S:
        if (!strg && m_logik.ansicht().seite == VerlaufAnsicht::Seite::Saison) {
            weiterleiten([&] { m_logik.streichresultateFragen(); });
            return true;
        }
        if (!strg)
            return false;
        weiterleiten([&] { m_logik.saisonZeigen(); });
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
        if (m_logik.ansicht().seite != VerlaufAnsicht::Seite::Saison)
            return false;
        weiterleiten([&] { m_logik.saisonWechseln(e->key() == Qt::Key_Left ? -1 : 1); });
        return true;
    case Qt::Key_O:
        if (!strg)
            return false;
        weiterleiten([&] { m_logik.originalWiederherstellen(); });
        return true;
    case Qt::Key_D:
        if (!strg)
            return false;
        weiterleiten([&] { m_logik.ergebnisdateiSchreiben(); });
        return true;
    default: return false;
    }
}

void FVerlauf::saisonDrucken() {
    const QString pfad =
        QFileDialog::getSaveFileName(this, QStringLiteral("Saison als PDF"),
                                     QStringLiteral("saison.pdf"), QStringLiteral("PDF (*.pdf)"));
    if (pfad.isEmpty())
        return;
    if (const std::optional<QString> fehler =
            tabelleSchreiben(pfad, m_logik.saisontabelle(), Tabellenformat::Pdf, pdfSchreiben))
        QMessageBox::warning(this, windowTitle(), *fehler);
}

// On the list, letters typed go to the driver filter; Backspace takes the last one back.
bool FVerlauf::filtertaste(QKeyEvent* e) {
    if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    const QString filter = m_logik.ansicht().filter;
    if (e->key() == Qt::Key_Backspace) {
        weiterleiten([&] { m_logik.filterSetzen(filter.left(filter.size() - 1)); });
        return true;
    }
    const QString text = e->text();
    if (text.isEmpty() || !text.at(0).isPrint())
        return false;
    weiterleiten([&] { m_logik.filterSetzen(filter + text); });
    return true;
}

void FVerlauf::keyPressEvent(QKeyEvent* ereignis) {
    if (!befehl(ereignis))
        QDialog::keyPressEvent(ereignis);
}

bool FVerlauf::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt == m_liste && ereignis->type() == QEvent::KeyPress) {
        auto* e = static_cast<QKeyEvent*>(ereignis);
        return befehl(e) || filtertaste(e);
    }
    return QDialog::eventFilter(objekt, ereignis);
}
