// The lap table of one lane: a header row and three centred columns (lap, time, speed),
// with per-cell text, bold and background. Like the grid it stands for, it has a row
// count that can be far larger than what is filled in; only written rows take memory,
// so a race of a million laps is sized at once.
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <deque>

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

    Rundentabelle();

    int zeilenzahl() const { return m_zeilenzahl; }
    // Counts every change, so a view can tell whether it must redraw.
    std::uint64_t aenderungen() const { return m_aenderungen; }
    // The lowest row written so far (0: only the header).
    int letzteGeschriebeneZeile() const { return static_cast<int>(m_zeilen.size()) - 1; }
    // Like the grid's row count: rows cut off lose their texts and formatting. A count
    // outside 1 to GroessteZeilenzahl is refused (false) and changes nothing.
    bool zeilenzahlSetzen(std::int64_t zeilen);

    // Row 0 is the header. Reading a row that was never written gives an empty cell;
    // writing needs a row below the row count.
    const Zelle& zelle(int zeile, int spalte) const;
    Zelle& zelle(int zeile, int spalte);

private:
    using Zeile = std::array<Zelle, Spaltenzahl>;

    std::deque<Zeile> m_zeilen; // rows 0 .. highest written
    int m_zeilenzahl = 1;
    std::uint64_t m_aenderungen = 0;
};
