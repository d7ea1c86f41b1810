// The window fRaceControl: renders the box settings and forwards edits, focus changes
// and clicks to RaceControlEinstellungen.
#pragma once

#include "RaceControlEinstellungen.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

class FRaceControl : public QDialog {
public:
    FRaceControl(RaceControlEinstellungen& logik, QWidget* parent = nullptr);

    QLineEdit* textfeld(RaceControlEinstellungen::Feld feld) const;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    using Feld = RaceControlEinstellungen::Feld;

    void pruefen(Feld feld);
    void bestaetigen();
    void fokusHalten(Feld feld);

    RaceControlEinstellungen& m_logik;
    std::array<QLineEdit*, 3> m_felder{};
    QCheckBox* m_checkSZsensorTausch = nullptr;
    QPushButton* m_cancelButton = nullptr;
};
