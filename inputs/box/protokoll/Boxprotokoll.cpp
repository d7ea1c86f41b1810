#include "Boxprotokoll.h"

namespace Boxprotokoll {

namespace {

constexpr std::size_t LaengeZeit = 4;
constexpr std::size_t LaengeEreignis = 8;

std::optional<Rahmen> auslesen(const Rahmung::Rohrahmen& roh) {
    const std::uint8_t* n = roh.nutzdaten.data();
    if (roh.art == TypZeit && roh.nutzdaten.size() == LaengeZeit)
        return Zeitrahmen{static_cast<std::uint32_t>(Rahmung::lesen(n, 4))};
    if (roh.art == TypEreignis && roh.nutzdaten.size() == LaengeEreignis)
        return Ereignisrahmen{static_cast<std::uint16_t>(Rahmung::lesen(n, 2)),
                              static_cast<std::uint32_t>(Rahmung::lesen(n + 2, 4)), n[6], n[7]};
    return std::nullopt;
}

} // namespace

std::vector<std::uint8_t> kodieren(const Rahmen& rahmen) {
    std::vector<std::uint8_t> nutzdaten;
    if (const auto* zeit = std::get_if<Zeitrahmen>(&rahmen)) {
        Rahmung::schreiben(nutzdaten, zeit->boxzeit, 4);
        return Rahmung::kodieren(TypZeit, nutzdaten);
    }
    const auto& ereignis = std::get<Ereignisrahmen>(rahmen);
    Rahmung::schreiben(nutzdaten, ereignis.code, 2);
    Rahmung::schreiben(nutzdaten, ereignis.zeitstempel, 4);
    nutzdaten.insert(nutzdaten.end(), {ereignis.pegel, ereignis.dauerMs});
    return Rahmung::kodieren(TypEreignis, nutzdaten);
}

std::optional<Rahmen> Rahmenleser::naechsterRahmen() {
    while (const std::optional<Rahmung::Rohrahmen> roh = m_leser.naechster()) {
        if (std::optional<Rahmen> gelesen = auslesen(*roh))
            return gelesen;
    }
    return std::nullopt;
}

} // namespace Boxprotokoll
