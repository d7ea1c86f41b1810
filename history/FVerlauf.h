// The window "Rennverlauf": renders the history's view state (the list of races with the
// driver filter, a race's or a driver's page with its chart, or a season's championship) and
// forwards the keys. Typing filters the list; Enter, Esc, Del, Ctrl+1/2, Ctrl+E, Ctrl+S and on
// a race's page K (its correction, with the arrows, Ins, Ctrl+Z and Ctrl+O), Ctrl+D do what
// the key line says; a season's page prints with Ctrl+P.
#pragma once

#include "Twips.h"
#include "VerlaufLogik.h"

#include <QDialog>
#include <functional>

class QChartView;
class QLabel;
class QLineEdit;
class QStackedWidget;
class QTableView;
class QTableWidget;
class Rennlistenmodell;

class FVerlauf : public QDialog {
public:
    // Asks where an export goes, starting from a suggested path; empty when cancelled.
    using Dateiwahl = std::function<QString(QWidget* eltern, const QString& vorschlag)>;

    // At the main window's zoom, as far as the screen has room.
    FVerlauf(VerlaufLogik& logik, QWidget* eltern = nullptr, const Massstab& massstab = {},
             Dateiwahl dateiwahl = {});
    ~FVerlauf() override;

    void darstellen();

protected:
    void keyPressEvent(QKeyEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void aufbauen();
    bool befehl(QKeyEvent* ereignis);
    bool korrekturbefehl(QKeyEvent* ereignis);
    bool filtertaste(QKeyEvent* ereignis);
    void saisonDrucken();
    template <typename Aktion> void weiterleiten(Aktion aktion);

    VerlaufLogik& m_logik;
    Massstab m_massstab;
    Dateiwahl m_dateiwahl;
    QLabel* m_hinweis = nullptr;
    QLabel* m_tasten = nullptr;
    QStackedWidget* m_seiten = nullptr;
    QLineEdit* m_filter = nullptr;
    QTableView* m_liste = nullptr;
    Rennlistenmodell* m_modell = nullptr;
    QLabel* m_leer = nullptr;
    QLabel* m_ueberschrift = nullptr;
    QLabel* m_angaben = nullptr;
    QChartView* m_diagramm = nullptr;
    QTableWidget* m_tabelle = nullptr;
    Diagramm m_gezeigtesDiagramm;
};
