// The list of races in a table view, one row per race, newest first.
#pragma once

#include "VerlaufAnsicht.h"

#include <QAbstractTableModel>

class Rennlistenmodell : public QAbstractTableModel {
public:
    explicit Rennlistenmodell(QObject* eltern) : QAbstractTableModel(eltern) {}

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;

    // Takes the rows; the view starts afresh only when they differ.
    void darstellen(const std::vector<Rennzeile>& zeilen);

private:
    std::vector<Rennzeile> m_zeilen;
};
