#include "Durchfahrten.h"

#include "Rundenpruefung.h"

#include <cmath>

namespace {
std::int64_t millisekunden(double sekunden) {
    return std::llround(sekunden * 1000);
}

std::int64_t beginn(const Spurdurchfahrten& spur, std::size_t runde) {
    return runde <= 1 ? 0 : spur[runde - 2].ms;
}
} // namespace

Spurdurchfahrten durchfahrten(const Spurfahrt& fahrt) {
    Spurdurchfahrten spur;
    spur.reserve(fahrt.runden.size());
    std::int64_t ms = 0;
    for (const Rundeneintrag& r : fahrt.runden) {
        // A lap stored as infinite or negative never came from a race; it stays out.
        if (!std::isfinite(r.zeit) || r.zeit < 0)
            continue;
        ms += millisekunden(r.zeit);
        spur.push_back({ms, r.vonHand});
    }
    return spur;
}

Rennverlauf durchfahrten(const Rennaufzeichnung& rennen) {
    Rennverlauf verlauf;
    for (const Spuren<Spurfahrt>& lauf : rennen.laeufe) {
        auto spuren = Spuren<Spurdurchfahrten>::fuer(lauf.anzahl());
        for (int spur = 1; spur <= lauf.anzahl(); ++spur)
            spuren[spur] = durchfahrten(lauf[spur]);
        verlauf.push_back(std::move(spuren));
    }
    return verlauf;
}

bool durchfahrtLoeschen(Spurdurchfahrten& spur, std::size_t runde) {
    if (runde < 1 || runde > spur.size())
        return false;
    spur.erase(spur.begin() + std::ptrdiff_t(runde - 1));
    return true;
}

bool durchfahrtEinfuegen(Spurdurchfahrten& spur, std::size_t runde,
                         std::optional<double> sekunden) {
    if (runde < 1 || runde > spur.size())
        return false;
    const std::int64_t von = beginn(spur, runde);
    const std::int64_t bis = spur[runde - 1].ms;
    std::int64_t nach = 0;
    if (sekunden) {
        if (!std::isfinite(*sekunden))
            return false;
        nach = millisekunden(*sekunden);
    } else {
        std::vector<double> zeiten;
        for (std::size_t i = 1; i <= spur.size(); ++i)
            zeiten.push_back(double(spur[i - 1].ms - beginn(spur, i)));
        nach = std::llround(medianrunde(zeiten));
        if (nach >= bis - von)
            nach = (bis - von) / 2;
    }
    if (nach <= 0 || von + nach >= bis)
        return false;
    spur.insert(spur.begin() + std::ptrdiff_t(runde - 1), Durchfahrt{von + nach, false});
    return true;
}
