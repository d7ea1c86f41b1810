// The main window's status bar: six sunken panels of fixed widths, their descriptions as
// tooltips; a click on any of them is reported.
#pragma once

#include "HauptfensterAnsicht.h"

#include <QWidget>
#include <vector>

class QLabel;

class Statusleistenanzeige : public QWidget {
    Q_OBJECT
public:
    Statusleistenanzeige(const Statusleiste& leiste, QWidget* eltern);
    void darstellen(const Statusleiste& leiste);

signals:
    void feldGeklickt();

protected:
    void mouseReleaseEvent(QMouseEvent* ereignis) override;

private:
    std::vector<QLabel*> m_felder;
};
