// The history's list of races: the stored ones and those still waiting for the writer,
// newest first, narrowed by a driver's name, with the row chosen; and what the database
// allows: changing it, or only looking at a newer program's.
#pragma once

#include "Dialoge.h"
#include "Rennaufzeichnung.h"
#include "VerlaufAnsicht.h"
#include "Verlaufsanfragen.h"

#include <functional>
#include <vector>

class Rennliste {
public:
    // The races handed to the writer and not in the database yet, oldest first; called on
    // the reader's thread too.
    using Wartende = std::function<std::vector<Rennaufzeichnung>()>;

    // What is at hand at once: the races still waiting; laden() asks for the stored ones.
    Rennliste(Verlaufsanfragen& anfragen, Wartende wartende);

    void laden();
    void filterSetzen(const QString& text);
    void auswahlSetzen(int zeile);

    const QString& filter() const { return m_filter; }
    // The rows the filter leaves, and the one chosen among them.
    const std::vector<Rennzeile>& zeilen() const { return m_zeilen; }
    const Rennzeile* gewaehlt() const;
    // Among all rows, whatever the filter.
    const Rennzeile* zeile(qint64 nummer) const;
    // nummer: the list's own, below zero.
    const Rennaufzeichnung* wartendes(qint64 nummer) const;
    const Wartende& wartendeQuelle() const { return m_wartendeQuelle; }

    // Whether a race may be changed (`was`: "löschen", "korrigieren", …); the racer is told
    // why not when it still waits for the writer or the database is a newer program's.
    bool aenderbar(Dialoge& dialoge, bool wartet, const QString& was) const;
    // The lines above the list: the database's state and the races waiting.
    QStringList hinweise() const;
    void darstellen(VerlaufAnsicht& ansicht) const;

private:
    Verlaufsanfragen& m_anfragen;
    Wartende m_wartendeQuelle;
    std::vector<Rennaufzeichnung> m_wartende; // as the list shows them, oldest first
    std::vector<Rennzeile> m_alle;
    std::vector<Rennzeile> m_zeilen;
    QString m_filter;
    int m_auswahl = -1; // row in m_zeilen, -1 for none
    QString m_leertext; // an empty list's, whatever the filter
    bool m_beschreibbar = false;
    bool m_nurLesen = false; // a newer program's database
    QString m_datenbankhinweis;
};
