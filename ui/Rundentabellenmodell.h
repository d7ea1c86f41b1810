// Shows a lane's lap table in a table view: the header row as the view's header, every
// other row as a row, with the cells' bold and background.
#pragma once

#include "Rundentabelle.h"

#include <QAbstractTableModel>

class Rundentabellenmodell : public QAbstractTableModel {
    Q_OBJECT
public:
    Rundentabellenmodell(Rundentabelle tabelle, QObject* eltern);

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;

    // Tells the view what changed since the last call.
    void aktualisieren();

private:
    Rundentabelle m_tabelle;
    int m_zeilen;
    std::uint64_t m_stand;
};
