#include "Texteinpassung.h"

#include <QFontMetrics>
#include <QLabel>
#include <QTextDocument>
#include <cmath>

namespace {
int textbreite(const QFont& schrift, const QString& text) {
    return QFontMetrics(schrift).horizontalAdvance(text);
}
} // namespace

Einpassung einpassen(const QString& text, const QFont& grundschrift, int breite,
                     double mindestpunkt) {
    Einpassung e{grundschrift, text, false};
    const int noetig = textbreite(grundschrift, text);
    if (noetig <= breite)
        return e;
    const double grund = grundschrift.pointSizeF();
    // Width grows nearly in proportion to the size; hinting may need a step or two more.
    double punkt = std::max(mindestpunkt, std::floor(grund * breite / noetig * 4) / 4);
    e.schrift.setPointSizeF(punkt);
    while (punkt > mindestpunkt && textbreite(e.schrift, text) > breite) {
        punkt = std::max(mindestpunkt, punkt - 0.25);
        e.schrift.setPointSizeF(punkt);
    }
    if (textbreite(e.schrift, text) > breite) {
        e.text = QFontMetrics(e.schrift).elidedText(text, Qt::ElideRight, breite);
        e.gekuerzt = true;
    }
    return e;
}

void einpassen(QLabel* label, const QString& text, const QFont& grundschrift, const QString& tipp,
               double mindestpunkt) {
    label->setTextFormat(Qt::PlainText);
    const QRect innen = label->contentsRect();
    const int rand = std::max(0, label->indent()) + 2 * label->margin();
    const Einpassung e = einpassen(text, grundschrift, innen.width() - rand, mindestpunkt);
    if (label->font() != e.schrift)
        label->setFont(e.schrift);
    if (label->text() != e.text)
        label->setText(e.text);
    const QString neuerTipp = e.gekuerzt ? alsKlartext(text) : tipp;
    if (label->toolTip() != neuerTipp)
        label->setToolTip(neuerTipp);
}

QString pfadKuerzen(const QString& text, const QFontMetrics& masse, int breite) {
    if (masse.horizontalAdvance(text) <= breite)
        return text;
    const qsizetype erster = text.indexOf(u'/');
    const qsizetype zweiter = erster < 0 ? -1 : text.indexOf(u'/', erster + 1);
    const qsizetype letzter = text.lastIndexOf(u'/');
    if (zweiter < 0 || zweiter >= letzter)
        return masse.elidedText(text, Qt::ElideMiddle, breite);
    const QString kopf = text.left(zweiter + 1) + QChar(0x2026);
    const QString ohneOrdner = kopf + text.mid(letzter);
    if (masse.horizontalAdvance(ohneOrdner) <= breite)
        return ohneOrdner;
    const int rest = breite - masse.horizontalAdvance(kopf + u'/');
    const QString name = masse.elidedText(text.mid(letzter + 1), Qt::ElideMiddle, rest);
    // Too narrow even for the head: the whole text loses its middle instead.
    if (rest <= 0 || name.isEmpty())
        return masse.elidedText(text, Qt::ElideMiddle, breite);
    return kopf + u'/' + name;
}

QString alsKlartext(const QString& text) {
    return Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal);
}
