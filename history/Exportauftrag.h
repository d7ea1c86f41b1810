// Ctrl+E in the history: the race shown, or every race, written to a file on the reader's
// thread. The line above the page says that it is being written, then where it went; what
// went wrong the racer is told.
#pragma once

#include "Dialoge.h"
#include "Rennaufzeichnung.h"
#include "Rennliste.h"
#include "Verlaufsanfragen.h"

class Exportauftrag {
public:
    // ordner: where exports are suggested.
    Exportauftrag(Verlaufsanfragen& anfragen, Dialoge& dialoge, QString ordner,
                  Rennliste::Wartende wartende)
        : m_anfragen(anfragen), m_dialoge(dialoge), m_ordner(std::move(ordner)),
          m_wartende(std::move(wartende)) {}

    // einzeln: the race shown, with its number (none while it waits); none for every race.
    struct Auswahl {
        const Rennaufzeichnung* einzeln = nullptr;
        std::optional<qint64> nummer;
    };
    // The path the file dialog suggests first.
    QString vorschlag(const Auswahl& auswahl) const;
    void exportieren(const QString& pfad, const Auswahl& auswahl);

    // Empty while nothing has been exported.
    const QString& hinweis() const { return m_hinweis; }

private:
    Verlaufsanfragen& m_anfragen;
    Dialoge& m_dialoge;
    QString m_ordner;
    Rennliste::Wartende m_wartende;
    QString m_hinweis;
};
