// A season: race nights named with the same season add up to a championship table. Each
// night gives points by its placing (10, 8, 6, … by default); like a night's standings, the
// table is computed from the nights every time, never kept.
#pragma once

#include "Einstellungswerte.h"
#include "Rennabendspeicher.h"
#include "VerlaufAnsicht.h"

#include <QStringList>
#include <optional>
#include <vector>

struct Saisonzeile {
    QString fahrer;
    int punkte = 0;
    int abende = 0;     // nights driven
    int abendsiege = 0; // nights won
};

// `abende`: each night's drivers in the order of its standings. Ranked by points, then nights
// won, then the better best placing; equal drivers keep the order they first appeared in.
std::vector<Saisonzeile> saisontabelle(const std::vector<QStringList>& abende,
                                       const std::vector<int>& platzpunkte);

// The championship table of every season among the stored nights, the season of the newest
// night first. A night counts once it has a race that counts; a damaged night never does.
std::vector<Saisonwertung> saisonwertungen(const std::vector<GespeicherterRennabend>& abende,
                                           const std::vector<int>& platzpunkte);

// "10,8,6,5,4,3,2,1" (Punkteliste.h) from the settings store; a garbage value gives the
// key's default.
std::vector<int> saisonpunkteLesen(Einstellungswerte& werte);
