// The window "Sensortest": a lamp and four numbers per lane, a column per lane and a block
// of columns per sensor port, the verdict on the debounce time, the port and "COM ändern".
// Renders Sensortest's view a few times a second.
#pragma once

#include "Sensortest.h"
#include "Twips.h"

#include <QDialog>
#include <vector>

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
        QLabel* spur = nullptr;
        QSvgWidget* lampe = nullptr;
        QLabel* flanken = nullptr;
        QLabel* seit = nullptr;
        QLabel* prellen = nullptr;
        QLabel* runde = nullptr;
    };

    Sensortest& m_logik;
    std::vector<Spalte> m_spalten;
    QLabel* m_port = nullptr;
    QPushButton* m_com = nullptr;
    QLabel* m_urteil = nullptr;
    std::vector<std::optional<bool>> m_lampen; // what the lamps show; they start unknown
};
