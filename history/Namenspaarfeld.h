// The race list's drivers column: "Anna – Bernd" with both names in sight, however long
// they are. When the pair does not fit, each name gives up its end for "…", the shorter
// one only as far as the longer leaves it room; the tooltip holds both whole.
#pragma once

#include <QStyledItemDelegate>

class QFontMetrics;

// The names joined by " – ", shortened to breite pixels as above.
QString namenspaar(const QString& erster, const QString& zweiter, const QFontMetrics& masse,
                   int breite);

class Namenspaarfeld : public QStyledItemDelegate {
public:
    // The two names of a row, as a list, under this role.
    static constexpr int NamenRolle = Qt::UserRole;

    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* maler, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};
