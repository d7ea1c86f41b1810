#include "Mehrspurhintergrund.h"

#include <QLinearGradient>
#include <QPainter>

QPixmap mehrspurhintergrund(QSize groesse, const std::vector<QRect>& tafeln, int prozent) {
    QPixmap bild(groesse);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    QLinearGradient grund(0, 0, groesse.width() * 0.35, groesse.height());
    grund.setColorAt(0, QColor(0x74, 0x86, 0x9b));
    grund.setColorAt(0.55, QColor(0x4b, 0x5b, 0x6e));
    grund.setColorAt(1, QColor(0x2b, 0x35, 0x42));
    maler.fillRect(bild.rect(), grund);
    const double rand = 4.0 * prozent / 100;
    const double eck = 7.0 * prozent / 100;
    maler.setPen(QPen(QColor(0x7e, 0xa3, 0xdd), 1.5 * prozent / 100));
    for (const QRect& platz : tafeln) {
        const QRectF flaeche = QRectF(platz).adjusted(-rand, -rand, rand, rand);
        QLinearGradient tafel(flaeche.topLeft(), flaeche.bottomLeft());
        tafel.setColorAt(0, QColor(0x2d, 0x54, 0x94));
        tafel.setColorAt(1, QColor(0x14, 0x2c, 0x58));
        maler.setBrush(tafel);
        maler.drawRoundedRect(flaeche, eck, eck);
    }
    return bild;
}
