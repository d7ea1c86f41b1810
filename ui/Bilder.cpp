#include "Bilder.h"

#include <QPainter>
#include <QSvgRenderer>

QPixmap bild(const QString& name, QSize groesse) {
    QPixmap pixmap(groesse);
    pixmap.fill(Qt::transparent);
    QSvgRenderer svg(QStringLiteral(":/bilder/") + name + QStringLiteral(".svg"));
    if (svg.isValid()) {
        QPainter maler(&pixmap);
        svg.render(&maler);
    }
    return pixmap;
}

QPixmap lampenbild(Lampenbild lampe, QSize groesse) {
    const bool ampel = lampe.satz == Lampensatz::Ampel;
    QString name = ampel ? QStringLiteral("ampel-") : QStringLiteral("kreis-");
    switch (lampe.lampe) {
    case Lampe::Gruen: name += QStringLiteral("gruen"); break;
    case Lampe::Aus: name += ampel ? QStringLiteral("aus") : QStringLiteral("grau"); break;
    case Lampe::Rot: name += QStringLiteral("rot"); break;
    case Lampe::Gelb: name += QStringLiteral("gelb"); break;
    }
    return bild(name, groesse);
}

QPixmap pfeilbild(Pfeil pfeil, QSize groesse) {
    switch (pfeil) {
    case Pfeil::Links: return bild(QStringLiteral("pfeil-links"), groesse);
    case Pfeil::Rechts: return bild(QStringLiteral("pfeil-rechts"), groesse);
    case Pfeil::Geradeaus: break;
    }
    return bild(QStringLiteral("pfeil-gerade"), groesse);
}

QColor farbe(Farbe bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }
