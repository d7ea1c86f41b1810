// The window "Rennabend": renders RennabendLogik's view (roster, plan, standings) and forwards
// every button to it; asks where the standings go as PDF or CSV. While a night runs its form
// for a new one folds away behind a button, and the window grows with the standings as far
// as the screen lets it.
#pragma once

#include "RennabendLogik.h"
#include "Twips.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QCompleter;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;

class RennabendFenster : public QDialog {
    Q_OBJECT
public:
    RennabendFenster(RennabendLogik& logik, const Rennabendregeln& regeln,
                     QWidget* eltern = nullptr, const Massstab& massstab = {});
    // The names of the race history, offered while typing; they may come after the window.
    void bekannteNamen(const QStringList& namen);
    void darstellen();

protected:
    // Only a window on screen knows the sizes of its rows and its frame.
    void showEvent(QShowEvent* ereignis) override;

private:
    void speichern(bool alsPdf);
    void laufplanSpeichern();
    // The whole standings in view: taller as far as the screen goes, beyond that they scroll.
    void einpassen();

    RennabendLogik& m_logik;
    Rennabendregeln m_regeln;
    bool m_neuGezeigt = false; // the form for a new night asked for while one runs
    QWidget* m_neu = nullptr;
    QLabel* m_naechstes = nullptr;
    QPushButton* m_neuerAbend = nullptr;
    QLineEdit* m_namen = nullptr;
    QCompleter* m_vorschlaege = nullptr;
    QComboBox* m_format = nullptr;
    QComboBox* m_wertung = nullptr;
    QLineEdit* m_platzpunkte = nullptr; // the points per place, for Platzpunkte
    QCheckBox* m_finale = nullptr;
    QComboBox* m_qualifikation = nullptr; // none, or how the mains are seeded
    QCheckBox* m_aufsteiger = nullptr;
    QCheckBox* m_hauptlaufrotation = nullptr;
    QLineEdit* m_saison = nullptr;
    QPushButton* m_beginnen = nullptr;
    QListWidget* m_fahrer = nullptr;
    QPushButton* m_entfernen = nullptr;
    QLineEdit* m_neuer = nullptr;
    QPushButton* m_hinzufuegen = nullptr;
    QTableWidget* m_plan = nullptr; // Nr., a column per lane, Stand
    QPushButton* m_wiederholen = nullptr;
    QPushButton* m_ueberspringen = nullptr;
    QTableWidget* m_tabelle = nullptr;
    QPushButton* m_laufplan = nullptr;
    QPushButton* m_pdf = nullptr;
    QPushButton* m_csv = nullptr;
};
