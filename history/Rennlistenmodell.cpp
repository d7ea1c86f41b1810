#include "Rennlistenmodell.h"

#include "Namenspaarfeld.h"

namespace {
const QString Spalten[] = {QStringLiteral("Nr."),        QStringLiteral("Datum"),
                           QStringLiteral("Modus"),      QStringLiteral("Fahrer"),
                           QStringLiteral("Runden"),     QStringLiteral("Sieger"),
                           QStringLiteral("Beste Runde")};
} // namespace

int Rennlistenmodell::rowCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : static_cast<int>(m_zeilen.size());
}

int Rennlistenmodell::columnCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : static_cast<int>(std::size(Spalten));
}

QVariant Rennlistenmodell::data(const QModelIndex& index, int rolle) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Rennzeile& z = m_zeilen[static_cast<std::size_t>(index.row())];
    if (rolle == Qt::TextAlignmentRole)
        return index.column() == 0 || index.column() == 4
                   ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                   : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    if (rolle == Namenspaarfeld::NamenRolle)
        return index.column() == 3 ? QVariant(QStringList(z.namen.begin(), z.namen.end()))
                                   : QVariant();
    if (rolle != Qt::DisplayRole && rolle != Qt::ToolTipRole)
        return {};
    switch (index.column()) {
    case 0: return z.wartet ? QStringLiteral("wartet") : QString::number(z.nummer);
    case 1: return z.datum;
    case 2: return z.modus;
    case 3: return z.fahrer;
    case 4: return z.runden;
    case 5: return z.sieger;
    default: return z.besteRunde;
    }
}

QVariant Rennlistenmodell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const {
    if (richtung != Qt::Horizontal || rolle != Qt::DisplayRole || abschnitt < 0 ||
        abschnitt >= columnCount())
        return {};
    return Spalten[abschnitt];
}

void Rennlistenmodell::darstellen(const std::vector<Rennzeile>& zeilen) {
    if (zeilen == m_zeilen)
        return;
    beginResetModel();
    m_zeilen = zeilen;
    endResetModel();
}
