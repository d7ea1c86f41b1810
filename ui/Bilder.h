// The program's pictures, drawn from their SVG resources at the size they are shown.
#pragma once

#include "Ampel.h"
#include "HauptfensterAnsicht.h"

#include <QColor>
#include <QPixmap>
#include <QString>

QPixmap bild(const QString& name, QSize groesse);
QPixmap lampenbild(Lampenbild lampe, QSize groesse);
QPixmap pfeilbild(Pfeil pfeil, QSize groesse);

// A colour of the form 0x00BBGGRR.
QColor farbe(Farbe bgr);
