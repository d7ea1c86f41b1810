#include "Rundentabelle.h"

#include "Rennen.h"
#include "Zahlenformat.h"

#include <array>
#include <stdexcept>

using Zahlenformat::ZahlFormatieren;

namespace {
// The header texts with the spaces that give the columns their widths.
const std::array<QString, Rundentabelle::Spaltenzahl> Kopftexte{
    QStringLiteral("Runde"), QStringLiteral("    Zeit [sec]    "),
    QStringLiteral("   Geschw. [m/sec]   ")};
} // namespace

Rundentabelle::Rundentabelle(const Rennen& rennen, int spur) : m_rennen(&rennen), m_spur(spur) {
    rennen.stand().spuren[spur]; // a lane that does not exist fails here, not when drawn
}

int Rundentabelle::zeilenzahl() const {
    return m_rennen->stand().tabellenplatz.zeilen;
}

std::uint64_t Rundentabelle::aenderungen() const {
    return m_rennen->aenderungen();
}

int Rundentabelle::letzteGeschriebeneZeile() const {
    const Rennstand& r = m_rennen->stand();
    const Spurstand& s = r.spuren[m_spur];
    const auto gefuellt = static_cast<int>(s.runden.size()) + (s.zielzeit ? 1 : 0);
    return std::min(gefuellt, r.tabellenplatz.erhaltenBis - 1);
}

Zelle Rundentabelle::zelle(int zeile, int spalte) const {
    if (spalte < 0 || spalte >= Spaltenzahl)
        throw std::out_of_range("Rundentabelle: Spalte ausserhalb 0..2");
    if (zeile == 0)
        return {Kopftexte[spalte]};
    const Rennstand& r = m_rennen->stand();
    const Spurstand& s = r.spuren[m_spur];
    if (zeile < 0 || zeile >= r.tabellenplatz.zeilen || zeile >= r.tabellenplatz.erhaltenBis)
        return {};
    const auto runden = static_cast<int>(s.runden.size());
    if (zeile <= runden) {
        const Rundenwert& runde = s.runden[static_cast<std::size_t>(zeile - 1)];
        // The best lap is marked once the lane is home.
        const bool beste = s.zielzeit && zeile == s.bestrunde && spalte > 0;
        const Zellhintergrund hintergrund =
            beste ? Zellhintergrund::Hellgrau : Zellhintergrund::Standard;
        switch (spalte) {
        case 0: return {QString::number(zeile)};
        case 1: return {ZahlFormatieren(runde.zeit), false, hintergrund};
        default: return {ZahlFormatieren(runde.geschwindigkeit), false, hintergrund};
        }
    }
    if (s.zielzeit && zeile == runden + 1) {
        // The summary row: the race time and the average speed.
        switch (spalte) {
        case 0: return {QStringLiteral("->"), true};
        case 1: return {ZahlFormatieren(*s.zielzeit), true, Zellhintergrund::Infohintergrund};
        default: return {ZahlFormatieren(s.schnitt), true, Zellhintergrund::Infohintergrund};
        }
    }
    return {};
}

bool Rundentabelle::operator==(const Rundentabelle& andere) const {
    if (zeilenzahl() != andere.zeilenzahl())
        return false;
    // Past both tables' last rows with contents every cell is empty.
    const int zeilen = std::max(letzteGeschriebeneZeile(), andere.letzteGeschriebeneZeile());
    for (int zeile = 0; zeile <= zeilen; ++zeile)
        for (int spalte = 0; spalte < Spaltenzahl; ++spalte)
            if (zelle(zeile, spalte) != andere.zelle(zeile, spalte))
                return false;
    return true;
}
