// What the result window of a lane rotation on more than two lanes shows: every driver with
// each heat, the total and the place, best first. Filled by the race end, shown by the
// window.
#pragma once

#include "Farben.h"
#include "Rennergebnis.h"

#include <QString>
#include <QStringList>
#include <vector>

struct RotationsergebnisInhalt {
    struct Zeile {
        QString platz; // "1."; "–" for a driver not home in every heat
        QString fahrer;
        Farbe farbe = Farben::Hellgrau; // the driver's: that of their lane in the first heat
        QStringList laeufe;             // each heat's time, by time its distance
        QString gesamt;
        QString geschwindigkeit;

        bool operator==(const Zeile&) const = default;
    };

    QString ueberschrift; // "… hat gewonnen!" or "Unentschieden"
    QStringList kopf;     // the columns' headings
    std::vector<Zeile> zeilen;

    bool operator==(const RotationsergebnisInhalt&) const = default;
};

RotationsergebnisInhalt rotationsergebnisInhalt(const Rennergebnis& ergebnis, bool nachZeit);
