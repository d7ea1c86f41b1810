// The window "Rennformat": renders RennformatLogik's view and forwards every choice to it.
#pragma once

#include "RennformatLogik.h"
#include "Twips.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QRadioButton;

class RennformatFenster : public QDialog {
    Q_OBJECT
public:
    explicit RennformatFenster(RennformatLogik& logik, QWidget* eltern = nullptr,
                               const Massstab& massstab = {});

private:
    void darstellen();

    RennformatLogik& m_logik;
    QRadioButton* m_runden = nullptr;
    QRadioButton* m_zeit = nullptr;
    QLineEdit* m_dauer = nullptr;
    QComboBox* m_regel = nullptr;
};
