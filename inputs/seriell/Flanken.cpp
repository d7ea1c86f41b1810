#include "Flanken.h"

#include <algorithm>

namespace {
// Counters that count only a line's trailing edges (RI on many UARTs) leave out the rises
// between: a count that cannot lead from the old level to the new one missed one.
std::uint32_t aenderungen(Leitung leitung, bool alterPegel, bool neuerPegel,
                          std::uint32_t gezaehlt) {
    const bool ungerade = alterPegel != neuerPegel;
    if (leitung == Leitung::RI && gezaehlt > 0 && (gezaehlt % 2 == 1) != ungerade)
        return gezaehlt + 1;
    return gezaehlt;
}

void flankenEinerLeitung(std::vector<Flanke>& flanken, Leitung leitung, bool alterPegel,
                         bool neuerPegel, std::optional<std::uint32_t> gezaehlt) {
    // Without counters a change and its return between two readings cancel out.
    const std::uint32_t anzahl =
        gezaehlt
            ? std::min(aenderungen(leitung, alterPegel, neuerPegel, *gezaehlt), HoechstensJeLesung)
            : (alterPegel != neuerPegel ? 1u : 0u);
    for (std::uint32_t i = 1; i <= anzahl; ++i) {
        // The last change reached the level read now; each earlier one the opposite of
        // its successor's.
        const bool pegel = ((anzahl - i) % 2 == 0) ? neuerPegel : !neuerPegel;
        flanken.push_back({leitung, pegel, i == anzahl});
    }
}
} // namespace

std::vector<Flanke> flankenZwischen(const Leitungsstand& alt, const Leitungsstand& neu) {
    std::vector<Flanke> flanken;
    const bool gezaehlt = alt.zaehler && neu.zaehler;
    for (const Leitung leitung : Leitungen)
        // Counters wrap at 2^32; unsigned subtraction gives the changes across the wrap.
        flankenEinerLeitung(
            flanken, leitung, alt.pegel.von(leitung), neu.pegel.von(leitung),
            gezaehlt ? std::optional(neu.zaehler->von(leitung) - alt.zaehler->von(leitung))
                     : std::nullopt);
    return flanken;
}
