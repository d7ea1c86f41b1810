// The lap table of one lane as the main window and the result file show it: a header row
// and three centred columns (lap, time, speed), with per-cell text, bold and background,
// computed from the race's laps when asked. Like the grid it stands for, it has a row
// count that can be far larger than the laps driven, so a race of a million laps is sized
// at once and costs nothing until it is driven.
#pragma once

#include <QString>
#include <cstdint>

class Rennen;

enum class Zellhintergrund { Standard, Infohintergrund, Hellgrau };

struct Zelle {
    QString text;
    bool fett = false;
    Zellhintergrund hintergrund = Zellhintergrund::Standard;

    bool operator==(const Zelle&) const = default;
};

class Rundentabelle {
public:
    static constexpr int Spaltenzahl = 3;
    // The largest lap count a race may have: its laps, the header and the summary row.
    static constexpr std::int32_t GroessteRundenzahl = 1'000'000;
    static constexpr std::int32_t GroessteZeilenzahl = GroessteRundenzahl + 2;

    // The table of that lane of the race, as long as the race lives.
    Rundentabelle(const Rennen& rennen, int spur);

    int zeilenzahl() const;
    // Changes whenever the table may have changed, so a view can tell whether to redraw.
    std::uint64_t aenderungen() const;
    // The lowest row with contents (0: only the header).
    int letzteGeschriebeneZeile() const;
    // Row 0 is the header; a row past the laps is empty. A column outside 0 to 2 is a
    // programming error.
    Zelle zelle(int zeile, int spalte) const;

    // The same cells, whichever race they come from.
    bool operator==(const Rundentabelle& andere) const;

private:
    const Rennen* m_rennen;
    int m_spur;
};
