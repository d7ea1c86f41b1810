// The main window's background for tracks of more than two lanes, drawn like the two-lane
// window's picture: a blue-grey gradient with a blue panel under each group of controls.
#pragma once

#include <QPixmap>
#include <QRect>
#include <vector>

// `tafeln` in pixels, each the place of the controls it lies under.
QPixmap mehrspurhintergrund(QSize groesse, const std::vector<QRect>& tafeln, int prozent);
