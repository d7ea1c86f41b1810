// Ctrl+S on the history's list: the championship table of the newest season, ←→ the others,
// S the season's drop rounds, and the season shown as a table for printing. The seasons are
// read when the page opens; what keeps them from being read is said, not taken for no season
// at all.
#pragma once

#include "Dialoge.h"
#include "Tabelle.h"
#include "VerlaufAnsicht.h"
#include "Verlaufsanfragen.h"

#include <vector>

class Saisonseite {
public:
    // The seasons' tables, the newest season first; the reason in `fehler` when the race
    // nights cannot be read. Called on the reader's thread.
    using Quelle =
        std::function<std::vector<Saisonwertung>(Verlaufsdatenbank& db, QString& fehler)>;

    Saisonseite(Verlaufsanfragen& anfragen, Dialoge& dialoge, Quelle quelle);

    // Without a source there is no season to show.
    bool vorhanden() const { return static_cast<bool>(m_quelle); }
    // Reads the seasons; `gelesen` follows once the newest is there to be shown, or the one
    // shown before when `behalten`.
    void laden(std::function<void()> gelesen, bool behalten = false);
    void wechseln(int schritt);
    // Asks how many of its worst nights the season shown drops, and stores a whole number
    // from 0 to 50; anything else is turned down with the reason. `gespeichert` follows once
    // the database has it.
    void streichresultateFragen(std::function<void()> gespeichert);

    void darstellen(VerlaufAnsicht& ansicht) const;
    Tabelle tabelle() const;

private:
    QString ueberschrift() const;
    QString abendeText() const;
    QString streichText() const; // empty for a season that drops none

    Verlaufsanfragen& m_anfragen;
    Dialoge& m_dialoge;
    Quelle m_quelle;
    std::vector<Saisonwertung> m_saisons;
    std::size_t m_saison = 0; // the one shown
};
