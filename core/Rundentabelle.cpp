#include "Rundentabelle.h"

#include <stdexcept>

namespace {
// The header texts with the spaces that give the columns their widths.
const std::array<QString, Rundentabelle::Spaltenzahl> Kopftexte{
    QStringLiteral("Runde"), QStringLiteral("    Zeit [sec]    "),
    QStringLiteral("   Geschw. [m/sec]   ")};

void pruefeSpalte(int spalte) {
    if (spalte < 0 || spalte >= Rundentabelle::Spaltenzahl)
        throw std::out_of_range("Rundentabelle: Spalte ausserhalb 0..2");
}
} // namespace

Rundentabelle::Rundentabelle() {
    Zeile kopf;
    for (int spalte = 0; spalte < Spaltenzahl; ++spalte)
        kopf[spalte].text = Kopftexte[spalte];
    m_zeilen.push_back(kopf);
}

bool Rundentabelle::zeilenzahlSetzen(std::int64_t zeilen) {
    if (zeilen < 1 || zeilen > GroessteZeilenzahl)
        return false;
    m_zeilenzahl = static_cast<int>(zeilen);
    ++m_aenderungen;
    if (m_zeilen.size() > static_cast<std::size_t>(m_zeilenzahl))
        m_zeilen.resize(static_cast<std::size_t>(m_zeilenzahl));
    return true;
}

const Zelle& Rundentabelle::zelle(int zeile, int spalte) const {
    static const Zelle leer;
    pruefeSpalte(spalte);
    if (zeile < 0 || static_cast<std::size_t>(zeile) >= m_zeilen.size())
        return leer;
    return m_zeilen[static_cast<std::size_t>(zeile)][spalte];
}

Zelle& Rundentabelle::zelle(int zeile, int spalte) {
    pruefeSpalte(spalte);
    if (zeile < 0 || zeile >= m_zeilenzahl)
        throw std::out_of_range("Rundentabelle: Zeile ausserhalb der Tabelle");
    if (static_cast<std::size_t>(zeile) >= m_zeilen.size())
        m_zeilen.resize(static_cast<std::size_t>(zeile) + 1);
    ++m_aenderungen;
    return m_zeilen[static_cast<std::size_t>(zeile)][spalte];
}
