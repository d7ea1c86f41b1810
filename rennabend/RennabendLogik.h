// What the window "Rennabend" shows and does: the roster, the plan with what was driven, the
// standings as texts, and the night's actions. The window renders this and forwards input.
#pragma once

#include "Dialoge.h"
#include "Rennabendleiter.h"
#include "Tabelle.h"

#include <QStringList>
#include <vector>

// An entry of the plan as a row of the chart: its number, the driver of every lane (of a
// Begegnung, its first Lauf's), and where it stands.
struct Planzeile {
    QString nummer;     // "3", "7 Finale", "2 Qualifikation", "5 A-Hauptlauf"
    QStringList spuren; // "Anna", "frei"
    QString stand;      // "Sieger: Anna", "übersprungen", "als Nächstes", ""
    bool naechste = false;
};

struct RennabendAnsicht {
    bool laeuft = false;
    // "Als Nächstes: Anna (Spur 1) – Bert (Spur 2)", the lanes of the next Lauf; on a wider
    // track "Als Nächstes: Lauf 3 – Anna (Spur 1), Spur 2 frei, Bert (Spur 3)"; on a track of
    // another count than the night's, why it waits; empty when nothing is left to drive.
    QString alsNaechstes;
    std::vector<Teilnehmer> fahrer; // at the night now; before it starts, empty
    QStringList ausgeschieden;
    QString format;
    QString saison;
    QStringList plankopf; // "Nr.", "Spur 1" … "Spur N", "Stand"
    std::vector<Planzeile> plan;
    QStringList tabellenkopf;
    std::vector<QStringList> tabelle;
};

class RennabendLogik {
public:
    // A night of races by time shows distances, not total times.
    RennabendLogik(Rennabendleiter& leiter, Dialoge& dialoge);

    RennabendAnsicht ansicht() const;
    // A new night of the names (comma-separated) in this format; a night under way is only
    // given up after a question. A night scored by places takes the points typed
    // ("25,22,20"). False, with a message, when the roster is no night's or the points no
    // list.
    bool beginnen(const QString& namen, Rennabendregeln regeln, const QString& saison,
                  const QString& platzpunkte);
    // The roster and a driver joining may give classes: "Anna [Junior]" (Fahrerklassen.h).
    void hinzufuegen(const QString& name);
    void entfernen(const QString& name);
    void wiederholen() { m_leiter.wiederholen(); }
    void ueberspringen() { m_leiter.ueberspringen(); }

    // The standings as the racer takes them home, as CSV or PDF.
    Tabelle tabelle() const;
    // The heat sheet to pin up beside the track: every Lauf with its driver on each lane, and
    // where it stands.
    Tabelle laufplan() const;

private:
    std::vector<QStringList> zeilen() const;

    Rennabendleiter& m_leiter;
    Dialoge& m_dialoge;
};

// Who drives the night's next Lauf on which lane, or why the night waits; empty when nothing
// is left to drive.
QString alsNaechstes(const Rennabendleiter& leiter);

// The German names of the formats and scorings, as the window lists them.
QString rennabendformatText(Rennabendformat format);
QString abendwertungText(Abendwertung wertung);
