// What the main window shows of a track of more than two lanes: one row per lane, in lane
// order and in its driver's colour, with its place and gap, and beneath them the lap table
// of the lane chosen. The light, the countdown, the label-buttons and the status bar are
// those of the two-lane window (`hauptfensterAnsicht`).
#pragma once

#include "Farben.h"

#include <QString>
#include <array>
#include <vector>

class Rennen;

enum class Mehrspurspalte { Platz, Spur, Fahrer, Runden, Noch, Letzte, Beste, Abstand, Strafe };
inline constexpr int Mehrspurspalten = 9;

struct Spurzeile {
    int spur = 0;
    std::array<QString, Mehrspurspalten> zellen;
    Farbe farbe = Farben::Hellgrau; // the driver's, for the whole row
    bool gewaehlt = false;          // its lap table is the one shown

    const QString& zelle(Mehrspurspalte spalte) const {
        return zellen[static_cast<std::size_t>(spalte)];
    }
    bool operator==(const Spurzeile&) const = default;
};

struct Mehrspuransicht {
    std::array<QString, Mehrspurspalten> kopf;
    std::vector<Spurzeile> zeilen; // lane 1 first
    int tabellenspur = 1;          // the lane whose lap table shows
    QString tabellentitel;

    bool operator==(const Mehrspuransicht&) const = default;
};

// `gewaehlt` is the lane whose lap table the window was asked for; a lane the track no
// longer has gives lane 1.
Mehrspuransicht mehrspuransicht(const Rennen& rennen, int gewaehlt);
