// The window "Rennformat": renders RennformatLogik's view and forwards every choice to it.
#pragma once

#include "RennformatLogik.h"
#include "Twips.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;

class RennformatFenster : public QDialog {
    Q_OBJECT
public:
    explicit RennformatFenster(RennformatLogik& logik, QWidget* eltern = nullptr,
                               const Massstab& massstab = {});

private:
    void darstellen();
    void bahnAnlegen(class QFormLayout* formular);
    void strafenAnlegen(QFormLayout* formular);

    RennformatLogik& m_logik;
    QRadioButton* m_runden = nullptr;
    QRadioButton* m_zeit = nullptr;
    QLineEdit* m_dauer = nullptr;
    QComboBox* m_regel = nullptr;
    QSpinBox* m_spuren = nullptr;
    std::array<QCheckBox*, GroessteSpurenzahl> m_frei{};
    QCheckBox* m_nachSieger = nullptr;
    QCheckBox* m_streckenruf = nullptr;
    QLineEdit* m_faktor = nullptr;
    QComboBox* m_fehlstart = nullptr;
    // The seconds of a false start's penalty, of a stop and go and of the race director's
    // time penalty.
    std::array<QLineEdit*, 3> m_strafen{};
};
