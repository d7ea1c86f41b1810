// Renders a picture of the resources the way the windows will, and notes every complaint
// of Qt's SVG reader on the way, such as a colour reference it cannot resolve.
#pragma once

#include <QImage>
#include <QPainter>
#include <QString>
#include <QStringList>
#include <QSvgRenderer>

struct GerendertesBild {
    bool gueltig = false;
    QSize groesse;
    QImage bild;
    QStringList warnungen;
};

namespace rendern_detail {
inline QStringList* warnungsziel = nullptr;

inline void warnungMerken(QtMsgType, const QMessageLogContext&, const QString& text) {
    if (warnungsziel)
        warnungsziel->append(text);
}
} // namespace rendern_detail

inline GerendertesBild rendern(const QString& datei) {
    GerendertesBild ergebnis;
    rendern_detail::warnungsziel = &ergebnis.warnungen;
    const QtMessageHandler vorher = qInstallMessageHandler(rendern_detail::warnungMerken);
    QSvgRenderer renderer(datei);
    ergebnis.gueltig = renderer.isValid();
    ergebnis.groesse = renderer.defaultSize();
    if (ergebnis.gueltig) {
        ergebnis.bild = QImage(ergebnis.groesse, QImage::Format_ARGB32);
        ergebnis.bild.fill(Qt::transparent);
        QPainter maler(&ergebnis.bild);
        renderer.render(&maler);
    }
    qInstallMessageHandler(vorher);
    rendern_detail::warnungsziel = nullptr;
    return ergebnis;
}
