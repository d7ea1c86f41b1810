// The window "Sensortest": a lamp and four numbers per lane, the verdict on the debounce
// time, the port and "COM ändern". Renders Sensortest's view a few times a second.
#pragma once

#include "Sensortest.h"
#include "Twips.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QSvgWidget;

class SensortestFenster : public QDialog {
    Q_OBJECT
public:
    // At the main window's zoom.
    explicit SensortestFenster(Sensortest& logik, QWidget* eltern = nullptr,
                               const Massstab& massstab = {});

    void darstellen();

private:
    struct Spalte {
        QSvgWidget* lampe = nullptr;
        QLabel* flanken = nullptr;
        QLabel* seit = nullptr;
        QLabel* prellen = nullptr;
        QLabel* runde = nullptr;
    };

    Sensortest& m_logik;
    Spalte m_spalten[2];
    QLabel* m_port = nullptr;
    QPushButton* m_com = nullptr;
    QLabel* m_urteil = nullptr;
    std::optional<bool> m_lampen[2]; // what the lamps show; they start grey
};
