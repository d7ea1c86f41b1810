// The settings dialog "Optionen": shows DialogLogik's controls at their fixed places and
// forwards every change, click and focus loss to it.
#pragma once

#include "DialogLogik.h"
#include "Twips.h"

#include <QDialog>
#include <vector>

class QAbstractButton;
class QComboBox;
class QLineEdit;
class QPushButton;

class DialogFenster : public QDialog {
    Q_OBJECT
public:
    explicit DialogFenster(DialogLogik& logik, QWidget* eltern = nullptr,
                           const Massstab& massstab = {});

    void reject() override;

private:
    void aufbauen();
    QAbstractButton* kaestchen(Kontrollkaestchen feld, const QString& text, int oben,
                               const QString& tipp = {});
    QPushButton* knopf(const QString& text, int links, int oben, int breite, int hoehe,
                       void (DialogLogik::*aktion)(), const QString& tipp = {});
    // An entry field or box and the check that runs when the focus leaves it.
    using Feldpruefung = std::pair<QWidget*, void (DialogLogik::*)()>;
    std::vector<Feldpruefung> felder() const;
    void fokusGewechselt(QWidget* vorher, QWidget* jetzt);
    void pruefungenNachholen();
    void vorKnopf(void (DialogLogik::*aktion)());
    void darstellen();
    // After every forwarded event: show the new state, close when the logic is done.
    void nachAktion();

    DialogLogik& m_logik;
    Massstab m_massstab;
    QComboBox* m_CoRunden = nullptr;
    QLineEdit* m_TeLaenge = nullptr;
    QComboBox* m_coPrellZeit = nullptr;
    QAbstractButton* m_checkRaceControl = nullptr;
    QPushButton* m_buRaceControl = nullptr;
    std::vector<std::pair<QAbstractButton*, Kontrollkaestchen>> m_kaestchen;
    // Checks of fields the focus has left, not yet run.
    std::vector<void (DialogLogik::*)()> m_offenePruefungen;
};
