#include "Platinenprotokoll.h"

namespace Platinenprotokoll {

static_assert(Rahmung::Sync == PROTOKOLL_SYNC && Rahmung::MaxNutzdaten == PROTOKOLL_MAX_NUTZDATEN);

namespace {

using Rahmung::lesen;
using Rahmung::schreiben;

std::optional<Meldung> auslesen(const Rahmung::Rohrahmen& roh) {
    const std::uint8_t* n = roh.nutzdaten.data();
    const std::size_t laenge = roh.nutzdaten.size();
    switch (roh.art) {
    case MELDUNG_HALLO: {
        if (laenge != LAENGE_HALLO)
            break;
        const Hallo hallo{n[0], n[1], n[2], static_cast<std::uint32_t>(lesen(n + 3, 4)),
                          lesen(n + 7, 8)};
        if (hallo.ticksProSekunde == 0)
            break;
        return hallo;
    }
    case MELDUNG_FLANKE:
        if (laenge != LAENGE_FLANKE || n[1] > 1)
            break;
        return Flanke{n[0], n[1] != 0, lesen(n + 2, 8)};
    case MELDUNG_ZEIT:
        if (laenge != LAENGE_ZEIT)
            break;
        return Zeit{lesen(n, 8)};
    case MELDUNG_FEHLER:
        if (laenge != LAENGE_FEHLER)
            break;
        return Fehler{n[0], static_cast<std::uint16_t>(lesen(n + 1, 2))};
    default: break;
    }
    return std::nullopt;
}

} // namespace

std::vector<std::uint8_t> kodieren(const Meldung& meldung) {
    std::vector<std::uint8_t> n;
    if (const auto* hallo = std::get_if<Hallo>(&meldung)) {
        n = {hallo->major, hallo->minor, hallo->spuren};
        schreiben(n, hallo->ticksProSekunde, 4);
        schreiben(n, hallo->platinenzeit, 8);
        return Rahmung::kodieren(MELDUNG_HALLO, n);
    }
    if (const auto* flanke = std::get_if<Flanke>(&meldung)) {
        n = {flanke->spur, flanke->pegel ? std::uint8_t{1} : std::uint8_t{0}};
        schreiben(n, flanke->stempel, 8);
        return Rahmung::kodieren(MELDUNG_FLANKE, n);
    }
    if (const auto* zeit = std::get_if<Zeit>(&meldung)) {
        schreiben(n, zeit->platinenzeit, 8);
        return Rahmung::kodieren(MELDUNG_ZEIT, n);
    }
    const auto& fehler = std::get<Fehler>(meldung);
    n = {fehler.code};
    schreiben(n, fehler.detail, 2);
    return Rahmung::kodieren(MELDUNG_FEHLER, n);
}

std::vector<std::uint8_t> halloAnfrage() {
    return Rahmung::kodieren(BEFEHL_HALLO, {});
}

std::vector<std::uint8_t> totzeit(std::uint16_t ms) {
    std::vector<std::uint8_t> n;
    schreiben(n, ms, 2);
    return Rahmung::kodieren(BEFEHL_TOTZEIT, n);
}

std::vector<std::uint8_t> ampel(std::uint8_t zustand) {
    return Rahmung::kodieren(BEFEHL_AMPEL, {zustand});
}

std::vector<std::uint8_t> spurstrom(std::uint8_t mitStrom) {
    return Rahmung::kodieren(BEFEHL_SPURSTROM, {mitStrom});
}

std::optional<Meldung> Leser::naechste() {
    while (const std::optional<Rahmung::Rohrahmen> roh = m_leser.naechster()) {
        if (std::optional<Meldung> meldung = auslesen(*roh))
            return meldung;
    }
    return std::nullopt;
}

} // namespace Platinenprotokoll
