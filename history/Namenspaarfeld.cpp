#include "Namenspaarfeld.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>

QString namenspaar(const QString& erster, const QString& zweiter, const QFontMetrics& masse,
                   int breite) {
    const QString trenner = QStringLiteral(" – ");
    const QString ganz = erster + trenner + zweiter;
    if (masse.horizontalAdvance(ganz) <= breite)
        return ganz;
    const int platz = std::max(0, breite - masse.horizontalAdvance(trenner));
    const int haelfte = platz / 2;
    int fuerErsten = haelfte;
    if (masse.horizontalAdvance(erster) <= haelfte)
        fuerErsten = masse.horizontalAdvance(erster);
    else if (masse.horizontalAdvance(zweiter) <= haelfte)
        fuerErsten = platz - masse.horizontalAdvance(zweiter);
    return masse.elidedText(erster, Qt::ElideRight, fuerErsten) + trenner +
           masse.elidedText(zweiter, Qt::ElideRight, platz - fuerErsten);
}

void Namenspaarfeld::paint(QPainter* maler, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const {
    QStyleOptionViewItem o(option);
    initStyleOption(&o, index);
    const QStyle* stil = o.widget ? o.widget->style() : QApplication::style();
    const QStringList namen = index.data(NamenRolle).toStringList();
    if (namen.size() == 2) {
        // The style keeps this margin on either side of an item's text.
        const int rand = stil->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, o.widget) + 1;
        const QRect text = stil->subElementRect(QStyle::SE_ItemViewItemText, &o, o.widget);
        o.text = namenspaar(namen[0], namen[1], o.fontMetrics, text.width() - 2 * rand);
        o.textElideMode = Qt::ElideNone;
    }
    stil->drawControl(QStyle::CE_ItemViewItem, &o, maler, o.widget);
}
