// A season: race nights named with the same season add up to a championship table. Each
// night gives points by its placing (10, 8, 6, … by default); a season may drop each
// driver's worst nights, and ranks every class of drivers on its own beside the whole field.
// Like a night's standings, the table is computed from the nights every time, never kept.
#pragma once

#include "Einstellungswerte.h"
#include "Fahrerklassen.h"
#include "Rennabendspeicher.h"
#include "VerlaufAnsicht.h"

#include <QDate>
#include <QStringList>
#include <map>
#include <optional>
#include <vector>

// A night as the season sees it.
struct Saisonabend {
    QDate datum;
    QStringList reihenfolge; // its drivers in the order of its standings
    Fahrerklassen klassen;
    QString schluessel = {}; // the night's, as the export names it
};

struct Saisonzeile {
    QString fahrer;
    QString klasse; // of the driver's latest night that gave one; empty: none
    // Per night of the season: its points, none for a night not driven, and whether it was
    // dropped.
    std::vector<std::optional<int>> abendpunkte;
    std::vector<bool> gestrichen;
    int gesamt = 0;     // every night
    int wertung = 0;    // the nights not dropped
    int abende = 0;     // nights driven
    int abendsiege = 0; // nights won
};

// `abende` oldest first. Each driver drops their `streichresultate` worst nights, a night
// missed first (it counts nothing), of equal ones the earlier; the best night always counts.
// Ranked by the points not dropped, then nights won, then the better best placing; equal
// drivers keep the order they first appeared in.
std::vector<Saisonzeile> saisontabelle(const std::vector<Saisonabend>& abende,
                                       const std::vector<int>& platzpunkte,
                                       int streichresultate = 0);

// The table's drivers of each class, in the table's order: a class ranks by the same rules,
// with the points of the nights' placings in the whole field. Classes by name, whatever
// their case.
std::vector<std::pair<QString, std::vector<Saisonzeile>>>
klassentabellen(const std::vector<Saisonzeile>& tabelle);

// The nights of every season among the stored nights, oldest first, the season of the
// newest night first. A night counts once it has a race that counts; a damaged night never
// does.
struct Saison {
    QString name;
    std::vector<Saisonabend> abende;
};
std::vector<Saison> saisonsDerAbende(const std::vector<GespeicherterRennabend>& abende);

// The drop rounds a season keeps in `streichresultate` (season → its drop rounds); none for a
// season not in it.
int streichresultateDer(const std::map<QString, int>& streichresultate, const QString& saison);

// The championship table of every season among the stored nights, in that order.
// `streichresultate`: season → its drop rounds, none for a season not in it.
std::vector<Saisonwertung> saisonwertungen(const std::vector<GespeicherterRennabend>& abende,
                                           const std::vector<int>& platzpunkte,
                                           const std::map<QString, int>& streichresultate = {});

// Every season's table from the database: its nights and each season's drop rounds
// (Saisonspeicher.h). The reason in `fehler` when they cannot be read.
std::vector<Saisonwertung> saisonwertungenLesen(Verlaufsdatenbank& datenbank,
                                                const std::vector<int>& platzpunkte,
                                                QString& fehler);

// "10,8,6,5,4,3,2,1" (Punkteliste.h) from the settings store; a garbage value gives the
// key's default.
std::vector<int> saisonpunkteLesen(Einstellungswerte& werte);
