// What the spectators see, on the big screen and on the live page alike: per lane the
// driver, the position, the laps, the last and best lap and the gap to the leader; in the
// middle the start light, the countdown, the race clock, the crash notice and at the end
// the result. The texts are ready to show, so both views say the same. A lane-change race
// is one race here: in its second heat gap, position and places are those of both heats.
// During a race night the night's standings and who drives next show between its races,
// and one line of where the night stands while a Lauf is under way.
#pragma once

#include "Abendanzeige.h"
#include "Ampel.h"
#include "Farben.h"
#include "Namenszeile.h"
#include "Reihe.h"

#include <QString>
#include <optional>

struct Zuschauerspur {
    QString name; // control characters taken out
    // The name's type: the driver's colour (in both heats of a lane-change race), or where
    // that does not read on the card, the type that reads on it; the name then stands on
    // the driver's colour.
    Farbe farbe = Farben::Hellgrau;
    std::optional<Farbe> namensgrund;
    QString position;      // "P1" … "P8" while the race runs and a leader is known
    QString gefahren;      // laps driven of the laps to drive: "3 / 10"
    QString zuFahren;      // laps still to drive: "7"
    QString letzte;        // the last lap's time, "–" before the first
    QString beste;         // the best lap's time, "–" before the first
    bool besteNeu = false; // the lane's last lap was its best so far
    QString abstand;       // "+0,812 s", "+1 Runde", "führt" for the leader; or empty
    QString vermerk;       // "1. Platz", "Im Ziel", "Fehlstart"; empty while driving
    QString lauf;          // lane-change races: this driver's first heat, or the total

    bool operator==(const Zuschauerspur&) const = default;
};

struct Zuschaueransicht {
    QString titel;                // mode and lap count: "Rennen – 10 Runden"
    Spuren<Zuschauerspur> spuren; // as many as the race shown has lanes
    Reihe<Lampe, 5> ampel{Lampe::Aus, Lampe::Aus, Lampe::Aus, Lampe::Aus, Lampe::Aus};
    QString countdown; // the digit while the countdown runs, otherwise empty
    QString rennuhr;   // the race time from green, "1:23.4"; stands still at the end
    bool crash = false;
    QString ergebnis; // the winner once every lane is home: "Sieger: Anna"
    // A race night between its races: the standings (none otherwise) and who drives next on
    // which lane, "Als Nächstes: Anna (Spur 1) – Bert (Spur 2)"; empty once the night is over.
    QStringList abendkopf;
    std::vector<Abendzeile> abendtabelle;
    Namenszeile alsNaechstes;
    // During a Lauf of a night: "Rennabend: Begegnung 2 von 3 – Anna Platz 1, Bert Platz 3".
    Namenszeile abendstand;
    // All through a night, for the page that follows one driver: where each drives next.
    std::vector<Fahrerlauf> fahrerlaeufe;

    bool operator==(const Zuschaueransicht&) const = default;
};
