#include "Rundentabellenmodell.h"

#include <QApplication>
#include <QFont>
#include <QPalette>

Rundentabellenmodell::Rundentabellenmodell(Rundentabelle tabelle, QObject* eltern)
    : QAbstractTableModel(eltern), m_tabelle(tabelle), m_zeilen(tabelle.zeilenzahl()),
      m_stand(tabelle.aenderungen()) {}

int Rundentabellenmodell::rowCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : m_zeilen - 1;
}

int Rundentabellenmodell::columnCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : Rundentabelle::Spaltenzahl;
}

QVariant Rundentabellenmodell::data(const QModelIndex& index, int rolle) const {
    const Zelle zelle = m_tabelle.zelle(index.row() + 1, index.column());
    switch (rolle) {
    case Qt::DisplayRole: return zelle.text;
    case Qt::TextAlignmentRole: return int(Qt::AlignCenter);
    case Qt::FontRole:
        if (zelle.fett) {
            QFont fett;
            fett.setBold(true);
            return fett;
        }
        return {};
    case Qt::BackgroundRole:
        switch (zelle.hintergrund) {
        case Zellhintergrund::Infohintergrund:
            return QApplication::palette().color(QPalette::ToolTipBase);
        case Zellhintergrund::Hellgrau: return QColor(0xC0, 0xC0, 0xC0);
        case Zellhintergrund::Standard: return {};
        }
        return {};
    default: return {};
    }
}

QVariant Rundentabellenmodell::headerData(int abschnitt, Qt::Orientation richtung,
                                          int rolle) const {
    if (richtung != Qt::Horizontal || rolle != Qt::DisplayRole)
        return {};
    return m_tabelle.zelle(0, abschnitt).text.trimmed();
}

void Rundentabellenmodell::aktualisieren() {
    if (m_tabelle.aenderungen() == m_stand)
        return;
    m_stand = m_tabelle.aenderungen();
    if (m_tabelle.zeilenzahl() != m_zeilen) {
        beginResetModel();
        m_zeilen = m_tabelle.zeilenzahl();
        endResetModel();
        return;
    }
    emit dataChanged(index(0, 0), index(rowCount() - 1, Rundentabelle::Spaltenzahl - 1));
}
