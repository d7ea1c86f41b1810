#include "Bilder.h"

#include <QPainter>
#include <QSvgRenderer>

QPixmap bild(const QString& pfad, QSize groesse) {
    QPixmap pixmap(groesse);
    pixmap.fill(Qt::transparent);
    QSvgRenderer svg(pfad);
    if (svg.isValid()) {
        QPainter maler(&pixmap);
        svg.render(&maler);
    }
    return pixmap;
}
