// Del in the history: a race, or all of a driver's races, deleted once the racer says yes.
#pragma once

#include "Dialoge.h"
#include "Rennliste.h"
#include "Verlaufsanfragen.h"

struct Loeschziel {
    enum class Art { Nichts, Wartend, Rennen, Fahrer };
    Art art = Art::Nichts;
    qint64 nummer = 0; // Rennen
    QString fahrer;    // Fahrer
};

class Rennloeschung {
public:
    Rennloeschung(Verlaufsanfragen& anfragen, Dialoge& dialoge, const Rennliste& liste)
        : m_anfragen(anfragen), m_dialoge(dialoge), m_liste(liste) {}

    // geloescht: once the database has done it.
    void loeschen(const Loeschziel& ziel, std::function<void()> geloescht);

private:
    Verlaufsanfragen& m_anfragen;
    Dialoge& m_dialoge;
    const Rennliste& m_liste;
};
