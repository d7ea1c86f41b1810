// The Hall of Fame in memory and in hof.ini: read at start-up, offered every race's best
// average, entered as a read, change and write under a lock, so programs sharing the data
// folder keep each other's records, cleared on request.
#pragma once

#include "Datenverzeichnis.h"
#include "Dialoge.h"
#include "Hofliste.h"
#include "Laufzeitfehler.h"

#include <functional>
#include <optional>

class Rennen;

class Hofmodul {
public:
    Hofmodul(const Datenverzeichnis& daten, Dialoge& dialoge);

    const Hofliste& liste() const { return m_liste; }

    // Fills the list from hof.ini; a missing or unreadable file gives the empty list. An
    // unreadable file is put aside at once, and the racer is told where.
    void HofLesen();
    // Writes the list to hof.ini; a failure is reported and the list keeps its entries.
    void HofSchreiben();
    // At the end of a race in race mode: offers the fastest lane's average speed.
    void HofPruefen(const Rennen& rennen);
    // Enters the candidate (m/s) if it qualifies; the input box offers `sieger` as name.
    void HofEintragen(double kandidat, const QString& sieger);
    // Deletes hof.ini and reads it again, which empties the list.
    void HofDateiLoeschen();
    // The window's button: clears the list if the user confirms.
    void hallOfFameNeuAnlegen();
    // Told of a candidate that takes a rank (1 to 5), with the name offered for it, before
    // the name is asked for: the announcements say it while the racer types.
    void beiNeuemRang(std::function<void(int rang, const QString& name)> aufruf) {
        m_neuerRang = std::move(aufruf);
    }

private:
    // The list as hof.ini holds it now (empty without the file); nothing when unreadable.
    std::optional<Hofliste> aktuelleListe() const;
    void unlesbareBeiseitelegen();
    void schreibfehlerMelden(const Laufzeitfehler& fehler);
    QString nameErfragen(const QString& vorgabe);
    std::optional<Laufzeitfehler> unlesbareDateiBewahren();

    Datenverzeichnis m_daten;
    Dialoge& m_dialoge;
    Hofliste m_liste;
    // hof.ini exists but held no Hall of Fame, and could not be put aside: it must not be
    // overwritten unseen.
    bool m_dateiUnlesbar = false;
    std::function<void(int, const QString&)> m_neuerRang;
};
