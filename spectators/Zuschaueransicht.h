// What the spectators see, on the big screen and on the live page alike: per lane the
// driver, the laps, the last and best lap and the gap to the leader; in the middle the
// start light, the countdown, the crash notice and at the end the result. The texts are
// ready to show, so both views say the same.
#pragma once

#include "Ampel.h"
#include "Farben.h"
#include "Reihe.h"

#include <QString>

struct Zuschauerspur {
    QString name;
    Farbe farbe = Farben::Hellgrau;
    QString gefahren;      // laps driven of the laps to drive: "3 / 10"
    QString zuFahren;      // laps still to drive: "7"
    QString letzte;        // the last lap's time, "–" before the first
    QString beste;         // the best lap's time, "–" before the first
    bool besteNeu = false; // the lane's last lap was its best so far
    QString abstand;       // "+0,812 s" or "+1 Runde"; empty for the leader
    QString vermerk;       // "1. Platz", "Im Ziel", "Fehlstart"; empty while driving
    QString lauf;          // lane-change races: this driver's first heat, or the total

    bool operator==(const Zuschauerspur&) const = default;
};

struct Zuschaueransicht {
    QString titel; // mode and lap count: "Rennen – 10 Runden"
    Spuren<Zuschauerspur> spuren;
    Reihe<Lampe, 5> ampel{Lampe::Aus, Lampe::Aus, Lampe::Aus, Lampe::Aus, Lampe::Aus};
    QString countdown; // the digit while the countdown runs, otherwise empty
    bool crash = false;
    QString ergebnis; // the winner once both lanes are home: "Sieger: Anna"

    bool operator==(const Zuschaueransicht&) const = default;
};
