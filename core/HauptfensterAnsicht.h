// What the main window shows, as plain data, computed from the race by one presenter:
// every text, tag, colour, picture and table cell. The window only renders it.
#pragma once

#include "Ampel.h"
#include "Farben.h"
#include "Reihe.h"
#include "Rennstand.h"
#include "Rundentabelle.h"

#include <QString>
#include <vector>

class Rennen;

// A label, or a label that acts as a button.
struct Beschriftung {
    QString text;
    QString markierung; // not shown: "aktivesRennen", "Sieger", "Verlierer" on the drivers
    bool sichtbar = true;
    bool bedienbar = true;
    Farbe farbe = Farben::Hellgrau;

    bool operator==(const Beschriftung&) const = default;
};

// The lane-change arrows: straight on, bending left, bending right.
enum class Pfeil { Geradeaus, Links, Rechts };

struct Pfeilbild {
    Pfeil bild = Pfeil::Geradeaus;
    bool sichtbar = false;

    bool operator==(const Pfeilbild&) const = default;
};

struct Statusfeld {
    QString schluessel;
    QString text;
    QString tipp;

    bool operator==(const Statusfeld&) const = default;
};

// The status bar's panels in their order, each found by its key.
class Statusleiste {
public:
    explicit Statusleiste(std::vector<Statusfeld> felder) : m_felder(std::move(felder)) {}
    // The panel of that key; a key the bar does not have is a programming error.
    const Statusfeld& feld(const QString& schluessel) const;
    const std::vector<Statusfeld>& alle() const { return m_felder; }

    bool operator==(const Statusleiste&) const = default;

private:
    std::vector<Statusfeld> m_felder;
};

// The main window shows a two-lane track, whatever the race holds.
template <typename T> using Fensterspuren = Reihe<T, 2>;

struct HauptfensterAnsicht {
    QString titel;
    Fensterspuren<Beschriftung> fahrer;
    Fensterspuren<Beschriftung> zeit;
    Fensterspuren<Beschriftung> bestzeit;
    Fensterspuren<Beschriftung> restrunden;
    Beschriftung hallOfFame;
    Beschriftung optionen;
    Beschriftung start;
    Beschriftung countdown;
    Beschriftung crash;
    Reihe<Lampenbild, 5> ampel;
    Fensterspuren<Pfeilbild> spurwechsel;
    Statusleiste statusleiste;
    Fensterspuren<Rundentabelle> rundentabellen;

    bool operator==(const HauptfensterAnsicht&) const = default;
};

// `abendzeile`: who drives the race night's next Lauf on which lane ("Als Nächstes: …"); it
// stands behind the title between the races, where the window still shows the last one.
HauptfensterAnsicht hauptfensterAnsicht(const Rennen& rennen, const QString& abendzeile = {});
