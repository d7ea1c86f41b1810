// The program's pictures, drawn from their SVG resources at the size they are shown.
#pragma once

#include <QPixmap>
#include <QString>

// The picture of a resource path such as ":/bilder/pokal.svg"; empty if it is missing.
QPixmap bild(const QString& pfad, QSize groesse);
