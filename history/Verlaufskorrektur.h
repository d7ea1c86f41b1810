// A stored race corrected on its page in the history, and the database told of it: each edit
// is stored at once with the race as first stored kept beside it, the original comes back on
// request, and a race judged again is kept as a correction. When the database refuses, the
// racer is told and the page shows again what the database holds.
#pragma once

#include "Dialoge.h"
#include "Korrektur.h"
#include "Verlaufsanfragen.h"

#include <memory>

class Verlaufskorrektur {
public:
    // Shows the stored race again; korrigieren: its correction begins afresh.
    using Neuladen = std::function<void(qint64 nummer, bool korrigieren)>;

    Verlaufskorrektur(Verlaufsanfragen& anfragen, Dialoge& dialoge, Neuladen neuladen);
    ~Verlaufskorrektur();

    // While a correction is on, the race as it stands; none otherwise.
    Korrektur* korrektur() const { return m_korrektur.get(); }
    void beginnen(const Rennaufzeichnung& gespeichert);
    void beenden() { m_korrektur.reset(); }

    // The edits of race `nummer`, each stored at once.
    void durchfahrtLoeschen(qint64 nummer);
    // zeitFragen: the racer types when the missed crossing came.
    void durchfahrtEinfuegen(qint64 nummer, bool zeitFragen);
    void rueckgaengig(qint64 nummer);
    // The chosen lane's penalty: its seconds, or its laps with "R" after them, and a reason
    // typed by the racer; the lane's last penalty in the heat taken back.
    void strafeGeben(qint64 nummer);
    void strafeZuruecknehmen(qint64 nummer);

    // The race as first stored comes back, in a correction still if one is on.
    void originalWiederherstellen(qint64 nummer);
    // bisher: the race as stored; neu: as it is to be.
    void uebernehmen(qint64 nummer, const Rennaufzeichnung& bisher, Rennaufzeichnung neu);

private:
    // The edit's reason for refusing it, or the race as it now stands stored.
    void bearbeitet(qint64 nummer, const Rennaufzeichnung& bisher,
                    const std::optional<QString>& abgelehnt);

    Verlaufsanfragen& m_anfragen;
    Dialoge& m_dialoge;
    Neuladen m_neuladen;
    std::unique_ptr<Korrektur> m_korrektur;
};
