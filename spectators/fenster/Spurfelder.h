// The fields that show one lane on the big screen, on a two-lane card or a line of the
// board of many lanes alike, and how a lane's view state goes into them.
#pragma once

#include "Zuschaueransicht.h"

#include <Qt>

class Passfeld;
class QFrame;
class QLabel;
class QWidget;

struct Spurfelder {
    QFrame* karte = nullptr;
    Passfeld* name = nullptr;
    QLabel* position = nullptr;
    QLabel* vermerk = nullptr;
    QLabel* gefahren = nullptr;
    QLabel* zuFahren = nullptr;
    QLabel* letzte = nullptr;
    QLabel* beste = nullptr;
    QLabel* abstand = nullptr;
    QLabel* lauf = nullptr; // the board has none: lane change is for two lanes
};

void spurZeigen(Spurfelder& felder, const Zuschauerspur& spur);

// A label of the big screen: plain text, never the focus, as wide as the layout gives it.
QLabel* zuschauerfeld(QWidget* eltern,
                      Qt::Alignment ausrichtung = Qt::AlignLeft | Qt::AlignVCenter);
void zuschauertextSetzen(QLabel* label, const QString& text);
