// The main window's status bar: six sunken panels, their descriptions as tooltips; a click
// on any of them is reported. A panel whose text needs more than its width takes it from
// the speed panel.
#pragma once

#include "HauptfensterAnsicht.h"
#include "Twips.h"

#include <QWidget>
#include <optional>
#include <vector>

class QLabel;

class Statusleistenanzeige : public QWidget {
    Q_OBJECT
public:
    Statusleistenanzeige(const Statusleiste& leiste, QWidget* eltern, const Massstab& massstab);
    void darstellen(const Statusleiste& leiste);

signals:
    void feldGeklickt();

protected:
    void mouseReleaseEvent(QMouseEvent* ereignis) override;

private:
    // Each panel's width in twips, gap included.
    std::vector<int> breiten(const Statusleiste& leiste) const;
    // Pixels for the text in a panel of that width.
    int textplatz(const QLabel* feld, int breite) const;

    Massstab m_massstab;
    std::vector<QLabel*> m_felder;
};
